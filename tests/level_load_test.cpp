// Wall files and level loading, on the game's real model archive.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/log.h"
#include "game/game_state.h"
#include "level/load_level.h"
#include "level/pak_archive.h"
#include "level/wall_file.h"
#include "temp_dir.h"

namespace {

std::unique_ptr<GameState> Game_In(const std::string& folder) {
  auto g = std::make_unique<GameState>();
  g->ProgramFolder = folder;
  return g;
}

// A program folder holding a copy of the built model archive.
class LevelLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.File("data"));
    std::filesystem::copy_file(std::string(PRISMEL_BUILD_DIR) + "/data/models.pak", dir.File("data/models.pak"));
    g = Game_In(dir.path());
    ASSERT_TRUE(Load_Play_Field_Templates(*g));
  }
  TempDir dir;
  std::unique_ptr<GameState> g;
};

std::string Field_Print(const GameState& g) {
  std::string s;
  for (int i = 0; i < g.BrickCount; ++i) s += std::to_string(g.Bricks[static_cast<size_t>(i)].points[0].x) + ",";
  for (int i = 0; i < g.WallCount; ++i) s += std::to_string(g.Walls[static_cast<size_t>(i)].points[0].y) + ";";
  for (int i = 0; i < g.DiscCount; ++i) s += std::to_string(g.Discs[static_cast<size_t>(i)].position.x) + "/";
  s += std::to_string(g.ForceFieldCount) + std::string(Color_Name(g.Shooter.NextColor)) +
       std::to_string(g.ShooterGun.points[0].y) + std::to_string(g.CollisionModel.Triangle_Count());
  return s;
}

}  // namespace

TEST_F(LevelLoad, TwiceGivesTheSameField) {
  Load_Level(*g, 2);
  const std::string once = Field_Print(*g);
  const int walls = g->WallCount;
  EXPECT_GT(walls, 0);
  EXPECT_GT(g->CollisionModel.Triangle_Count(), 0);
  Load_Level(*g, 2);
  EXPECT_EQ(Field_Print(*g), once);
  EXPECT_EQ(g->WallCount, walls) << "pieces do not accumulate";
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING);
  EXPECT_TRUE(g->Paused);
  EXPECT_EQ(g->Shooter.ShownColor, colors::kBlue);
  EXPECT_EQ(g->Shooter.PreviousColor, colors::kBlue);
  EXPECT_EQ(g->Shooter.NextColor, colors::kBlue);
  EXPECT_EQ(g->ShooterGun.points[0].Color(), colors::kBlue);
  EXPECT_EQ(g->ShooterGun.pivot, Vec3(0, -43.5f, 0));

  g->TutorialActive = true;
  Load_Level(*g, 0);
  EXPECT_EQ(g->LevelStatus, LEVEL_PLAYING);
  EXPECT_FALSE(g->Paused);

  g->TutorialActive = false;
  Load_Level(*g, 61);  // no level file, no built-in text: an empty field
  EXPECT_EQ(g->BrickCount + g->DiscCount + g->ForceFieldCount, 0);
  EXPECT_EQ(g->Goals.GoalBricks, -1);
}

TEST_F(LevelLoad, LevelFileBesideTheProgramReplacesTheBuiltinText) {
  dir.Write("data/levels/level_005.dat", "ColorSet 1 1 GREEN\nDisc 1 0 0 0 0 GREEN\n");
  Load_Level(*g, 5);
  EXPECT_EQ(g->DiscCount, 1);
  EXPECT_EQ(g->BrickCount, 0);
  EXPECT_EQ(g->Shooter.NextColor, colors::kGreen);
}

TEST_F(LevelLoad, APlayersOwnLevelFileComesFirst) {
  // The player's folder (no write access to the installation needed) wins
  // over the file beside the program, which wins over the built-in text.
  dir.Write("data/levels/level_005.dat", "ColorSet 1 1 GREEN\nDisc 1 0 0 0 0 GREEN\n");
  dir.Write("mine/level_005.dat", "ColorSet 1 1 RED\nBrick 0 0 0 0\nBrick 0 9 9 0\n");
  g->UserLevelsFolder = dir.File("mine");
  Load_Level(*g, 5);
  EXPECT_EQ(g->BrickCount, 2);
  EXPECT_EQ(g->DiscCount, 0);
  EXPECT_EQ(g->Shooter.NextColor, colors::kRed);
  Load_Level(*g, 6);  // none of the player's own: the built-in level 6
  EXPECT_EQ(g->BrickCount, 4);
}

TEST_F(LevelLoad, WallFiles) {
  // A loose wall file comes before the packed one and is left in place.
  dir.Write("wall_001.dat", "Walls\n0 1.0 2.0 0.0 Piece\n1 -5.0 7.0 90.0 Piece\n");
  g->WallCount = 0;
  ASSERT_TRUE(Parse_Wall(*g, 1));
  EXPECT_EQ(g->WallCount, 2);
  EXPECT_EQ(g->Walls[1].position, Vec3(-5, 7, 0));
  EXPECT_TRUE(std::filesystem::exists(dir.File("wall_001.dat")));
  // A second call appends.
  ASSERT_TRUE(Parse_Wall(*g, 1));
  EXPECT_EQ(g->WallCount, 4);

  struct Case {
    const char* text;
    int pieces;
  } cases[] = {
      {"OnlyTheFirstWord", 0},
      {"W 0 1 2 0 P 1 3 4 0 P 2 5", 2},      // ends in the middle of a record
      {"W 0 1 2 0 P 1 x 4 0 P 2 5 6 0", 1},  // a word where a number belongs
      {"W 0 1 2 0", 1},                      // no word after the last record
      {"", 0},
  };
  for (const Case& c : cases) {
    g->WallCount = 0;
    Parse_Wall_Text(*g, c.text);
    EXPECT_EQ(g->WallCount, c.pieces) << c.text;
  }
  std::string many = "W";
  for (int i = 0; i < 150; ++i) many += " 0 1 1 0 P";
  g->WallCount = 0;
  Parse_Wall_Text(*g, many);
  EXPECT_EQ(g->WallCount, kMaxWalls);

  // Without a loose file the archive's entry is used; with neither, a logged failure.
  std::filesystem::remove(dir.File("wall_001.dat"));
  g->WallCount = 0;
  ASSERT_TRUE(Parse_Wall(*g, 1));
  EXPECT_GT(g->WallCount, 10);
  const std::string log_path = dir.File("log.rtf");
  g_log_stream = Log_Open(log_path.c_str(), true);
  EXPECT_FALSE(Parse_Wall(*g, 2));
  Log_Close(g_log_stream);
  EXPECT_NE(Slurp(log_path).find("Parse_Wall() :: [wall_002.dat] :: failed (could not find file)"), std::string::npos);
}

TEST(LevelLoadMissing, MissingModelsAreLoggedAndLoadingGoesOn) {
  TempDir dir;
  auto g = Game_In(dir.path());
  EXPECT_FALSE(Load_Play_Field_Templates(*g));
  Load_Level(*g, 1);  // no archive at all: the level text still loads
  EXPECT_EQ(g->BrickCount, 3);
  EXPECT_EQ(g->WallCount, 0);
}
