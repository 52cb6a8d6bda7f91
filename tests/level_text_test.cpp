#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "field_fixture.h"
#include "game/goals.h"
#include "level/builtin_levels.h"
#include "level/level_table.h"
#include "level/level_text.h"
#include "temp_dir.h"

namespace {

void Parse_All(GameState& g, const std::string& text) {
  Parse_Objects_Text(g, text);
  Parse_Goals_Text(g, text);
  Parse_Points_Text(g, text);
}

// A compact print of everything the passes set, for comparing two parses.
std::string Summary(const GameState& g) {
  std::string s = std::to_string(g.Shooter.CycleColors) + "/" + std::to_string(g.PaletteCount) + ":";
  for (const Color& c : g.Palette) s += std::string(Color_Name(c)) + ",";
  for (int i = 0; i < g.BrickCount; ++i) {
    const Brick& b = g.Bricks[static_cast<size_t>(i)];
    s += "B" + std::to_string(b.IsHollow) + "@" + std::to_string(b.position.x) + "," + std::to_string(b.position.y);
  }
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    s += "D" + std::to_string(d.IsRing) + std::string(Color_Name(d.Disc_Color())) + std::to_string(d.velocity.y);
  }
  s += "F" + std::to_string(g.ForceFieldCount);
  const LevelGoals& q = g.Goals;
  s += "|" + q.GoalText[0] + "|" + q.GoalText[1] + "|" + std::to_string(q.GoalBricks) + std::to_string(q.GoalDiscs) +
       std::to_string(q.GoalRings) + std::to_string(q.GoalPoints) + std::to_string(q.GoalTimeMode) +
       std::to_string(q.GoalTime) + std::to_string(q.CheckDiscMatchRing) + std::to_string(q.CheckDiscMatchForceField);
  for (int v : q.GoalForceField) s += "," + std::to_string(v);
  s += "|" + std::to_string(g.PointsRingNew) + std::to_string(g.PointsBrickRemove);
  return s;
}

}  // namespace

TEST(LevelText, FileFoldingMatchesSingleBlanks) {
  TempDir dir;
  dir.Write("data/levels/level_007.dat",
            "ColorSet\t1 2 BLUE   RED\r\nGoalBricks 0\r\n\r\n  Brick 1 -6.0 -1.0 0.0\tDisc 0 0.0 -3.0 0.0 2.5 RED\r\n"
            "GoalText Remove_all_the_bricks _");
  const std::string text = Read_Level_Text(dir.path(), "data/levels/level_007.dat");
  EXPECT_EQ(text,
            "ColorSet 1 2 BLUE RED GoalBricks 0 Brick 1 -6.0 -1.0 0.0 Disc 0 0.0 -3.0 0.0 2.5 RED GoalText "
            "Remove_all_the_bricks _ ");
  auto a = Make_Field();
  auto b = Make_Field();
  Parse_All(*a, text);
  Parse_All(*b, "ColorSet 1 2 BLUE RED GoalBricks 0 Brick 1 -6.0 -1.0 0.0 Disc 0 0.0 -3.0 0.0 2.5 RED GoalText "
                "Remove_all_the_bricks _ ");
  EXPECT_EQ(Summary(*a), Summary(*b));
}

TEST(LevelText, FilePresentButEmptyReplacesTheBuiltinText) {
  TempDir dir;
  dir.Write("data/levels/level_001.dat", "");
  EXPECT_EQ(Read_Level_Text(dir.path(), "data/levels/level_001.dat"), " ");
  EXPECT_EQ(Read_Level_Text(dir.path(), "data/levels/level_002.dat"), Builtin_Level_Text("data/levels/level_002.dat"));
  auto g = Make_Field();
  Parse_All(*g, " ");
  EXPECT_EQ(g->BrickCount + g->DiscCount + g->ForceFieldCount, 0);
  // A folder where a level file belongs is no file: the built-in text stays.
  std::filesystem::create_directories(dir.File("data/levels/level_003.dat"));
  EXPECT_EQ(Read_Level_Text(dir.path(), "data/levels/level_003.dat"), Builtin_Level_Text("data/levels/level_003.dat"));
}

TEST(LevelText, KeywordCases) {
  struct Case {
    const char* text;
    const char* what;
    std::function<void(const GameState&)> check;
  };
  const Case cases[] = {
      {"GoalText Remove_all_the_rings _ ", "underscores become blanks, lone _ is empty",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.GoalText[0], "Remove all the rings");
         EXPECT_EQ(g.Goals.GoalText[1], "");
       }},
      {"GoalText Get_one_disc_into each_force_field_area _ ", "two lines and the extra _",
       [](const GameState& g) { EXPECT_EQ(g.Goals.GoalText[1], "each force field area"); }},
      {"ColorSet 0 12 RED BLUE RED BLUE RED BLUE RED BLUE RED YELLOW GREEN ORANGE GoalBricks 2 ",
       "ColorSet past ten colours",
       [](const GameState& g) {
         EXPECT_EQ(g.PaletteCount, 12);
         EXPECT_EQ(g.Palette[9], colors::kYellow);
         EXPECT_EQ(g.Goals.GoalBricks, 2) << "the 11th and 12th colour words are skipped";
       }},
      {"GoalBricks 010 GoalRings 0x10 GoalDiscs -3 ", "octal, hex, sign",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.GoalBricks, 8);
         EXPECT_EQ(g.Goals.GoalRings, 16);
         EXPECT_EQ(g.Goals.GoalDiscs, -3);
       }},
      {"GoalTime -30 ", "negative time: hold out",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.GoalTimeMode, -1);
         EXPECT_EQ(g.Goals.GoalTime, 30.0f);
       }},
      {"GoalTime 0 ", "zero time leaves no rule", [](const GameState& g) { EXPECT_EQ(g.Goals.GoalTimeMode, 0); }},
      {"CheckDiscMatch RED GoalRings 1 ", "CheckDiscMatch with a colour sets nothing",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.CheckDiscMatchRing + g.Goals.CheckDiscMatchForceField, 0);
         EXPECT_EQ(g.Goals.GoalRings, 1);
       }},
      {"CheckDiscMatch RING CheckDiscMatch FORCEFIELD ", "both checks",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.CheckDiscMatchRing, 1);
         EXPECT_EQ(g.Goals.CheckDiscMatchForceField, 1);
       }},
      {"GoalText GoalTime 25 _ ", "a goal word that is another pass's keyword",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.GoalText[0], "GoalTime");
         EXPECT_EQ(g.Goals.GoalTimeMode, 1) << "the goals pass reads it as its keyword";
         EXPECT_EQ(g.Goals.GoalTime, 25.0f);
       }},
      {"GoalForceField 12 1 GoalForceField -1 1 GoalForceField 3 2 ", "field goals outside 0..11 are ignored",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.GoalForceField[3], 2);
         EXPECT_EQ(g.Goals.GoalForceField[11], -1);
         EXPECT_EQ(g.Goals.GoalForceField[0], -1);
       }},
      {"ColorSet 1 2 BLUE RED ", "no goals: the defaults",
       [](const GameState& g) {
         EXPECT_EQ(g.Goals.GoalBricks, -1);
         EXPECT_EQ(g.Goals.GoalDiscs, -1);
         EXPECT_EQ(g.Goals.GoalRings, -1);
         EXPECT_EQ(g.Goals.GoalPoints, 0);
         EXPECT_EQ(g.PointsRingNew + g.PointsBrickRemove + g.PointsRingSpecial, 0);
       }},
      {"PointsRingNew 3 PointsBrickRemove x ", "a points number that does not convert stays 0",
       [](const GameState& g) {
         EXPECT_EQ(g.PointsRingNew, 3);
         EXPECT_EQ(g.PointsBrickRemove, 0);
       }},
      {"Brick 1 -6.0 Disc 0 1 2 3 4 RED ", "a partial scan still consumes its words",
       [](const GameState& g) {
         EXPECT_EQ(g.BrickCount, 1) << "Brick reads '1 -6.0' and stops at 'Disc'";
         EXPECT_EQ(g.DiscCount, 0) << "'Disc' was consumed as a Brick argument";
       }},
      {"Disc 1 0 0 0 0 MAUVE ", "an unknown colour word",
       [](const GameState& g) {
         ASSERT_EQ(g.DiscCount, 1);
         EXPECT_EQ(g.Discs[0].Disc_Color(), colors::kUnknown);
       }},
      {"GoalBricks", "a keyword at the end of a text with no blank",
       [](const GameState& g) { EXPECT_EQ(g.Goals.GoalBricks, -1); }},
      {"Disc ", "a keyword whose arguments are missing",
       [](const GameState& g) { EXPECT_EQ(g.DiscCount, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto g = Make_Field();
    Parse_All(*g, c.text);
    c.check(*g);
  }
}

TEST(LevelText, OversizedCountsStopAtCapacity) {
  std::string text = "ColorSet 1 2000000000 RED ";
  for (int i = 0; i < 150; ++i) text += "Disc 0 0 0 0 0 RED Brick 0 0 0 0 ForceField 0 0 1 1 RED ";
  auto g = Make_Field();
  Parse_All(*g, text);
  EXPECT_EQ(g->DiscCount, kMaxDiscs);
  EXPECT_EQ(g->BrickCount, kMaxBricks);
  EXPECT_EQ(g->ForceFieldCount, kMaxForceFields);
}

TEST(LevelText, NumbersThatAreNoPlaceAreRefusedWithTheirObject) {
  auto g = Make_Field();
  g->Goals.GoalTime = 30.0f;
  Parse_All(*g,
            "Brick 1 nan 0 0 Brick 1 0 inf 0 Brick 1 1e39 0 0 Brick 0 5 5 0 Disc 0 0 0 -inf 0 RED "
            "Disc 1 3 4 0 0 BLUE ForceField 0 0 nan 1 RED GoalTime nan GoalTime -inf ");
  EXPECT_EQ(g->BrickCount, 1) << "only the brick at (5, 5)";
  EXPECT_EQ(g->DiscCount, 1) << "only the ring at (3, 4)";
  EXPECT_EQ(g->ForceFieldCount, 0);
  EXPECT_EQ(g->Goals.GoalTimeMode, 0) << "no time rule from a time that is no number";
  EXPECT_EQ(g->Goals.GoalTime, 30.0f);
}

TEST(LevelText, ATextOfTenMegabytesIsWalkedInOnePass) {
  // Megabytes of one keyword: a walk that cut the front off the text for
  // every word would take minutes here.
  std::string text;
  text.reserve(11u << 20);
  while (text.size() < (10u << 20)) text += "GoalTime 1 ";
  text += "GoalTime 42 ";
  auto g = Make_Field();
  Parse_All(*g, text);
  EXPECT_EQ(g->Goals.GoalTime, 42.0f);
  EXPECT_EQ(g->Goals.GoalTimeMode, 1);
}

TEST(LevelText, FirstColourIsDealtAndShownAfterTheObjectsPass) {
  auto g = Make_Field();
  Parse_All(*g, "ColorSet 1 2 BLUE RED ");
  EXPECT_EQ(g->Shooter.NextColor, colors::kBlue);
  EXPECT_EQ(g->Shooter.ShownColor, colors::kBlue);
  EXPECT_EQ(g->Shooter.PreviousColor, colors::kBlue);
}

TEST(BuiltinLevels, NamesAndQuotedTexts) {
  for (int i = 0; i <= 60; ++i) EXPECT_FALSE(Builtin_Level_Text(Level_File_Name(i)).empty()) << i;
  EXPECT_TRUE(Builtin_Level_Text("data/levels/level_061.dat").empty());
  EXPECT_TRUE(Builtin_Level_Text("data\\levels\\level_001.dat").empty());
  EXPECT_TRUE(Builtin_Level_Text("DATA/levels/level_001.dat").empty());
  EXPECT_EQ(Level_File_Name(7), "data/levels/level_007.dat");

  EXPECT_EQ(Builtin_Level_Text(Level_File_Name(1)),
            "ColorSet 1 2 BLUE RED GoalBricks 0 Brick 1 -6.0 -1.0 0.0 Brick 1 0.0 2.0 0.0 Brick 1 6.0 -1.0 0.0 Disc 0 "
            "0.0 -3.0 0.0 0.0 RED GoalText Remove_all_the_bricks _ ");
  EXPECT_EQ(Builtin_Level_Text(Level_File_Name(2)),
            "ColorSet 1 2 BLUE RED Brick 0 -22.5 25.0 90.0 Brick 0 -22.5 19.0 90.0 Brick 0 -22.5 13.0 90.0 Brick 0 "
            "-22.5 7.0 90.0 Brick 0 -22.5 1.0 90.0 ForceField -22.5 22.0 -37.5 22.0 RED GoalForceField 0 1 Brick 0 "
            "22.5 25.0 90.0 Brick 0 22.5 19.0 90.0 Brick 0 22.5 13.0 90.0 Brick 0 22.5 7.0 90.0 Brick 0 22.5 1.0 "
            "90.0 ForceField 37.5 22.0 22.5 22.0 BLUE GoalForceField 1 1 GoalText Get_one_disc_into "
            "each_force_field_area _ ");
  EXPECT_EQ(Builtin_Level_Text(Level_File_Name(13)),
            "ColorSet 0 1 WHITE GoalRings 0 Disc 0 0.0 10.0 0.0 0.0 YELLOW Disc 1 -15.0 -25.0 0.0 0.0 YELLOW Disc 1 "
            "15.0 -25.0 0.0 0.0 YELLOW GoalText Remove_all_the_rings _ ");
  EXPECT_EQ(Builtin_Level_Text(Level_File_Name(14)),
            "ColorSet 0 1 PURPLE GoalBricks 3 GoalRings 0 Brick 1 -11.5 -1.0 0.0 Brick 1 0.0 -1.0 0.0 Brick 1 11.5 "
            "-1.0 0.0 Disc 1 0.0 10.0 0.0 0.0 PURPLE GoalText Only_remove_the_ring _ ");
  EXPECT_EQ(Builtin_Level_Text(Level_File_Name(33)),
            "ColorSet 0 1 PURPLE GoalBricks 0 GoalRings 2 Brick 1 -30.0 35.0 90.0 Brick 1 30.0 35.0 90.0 Disc 1 "
            "-25.0 22.0 0.0 15.0 PURPLE Disc 1 25.0 22.0 0.0 -15.0 PURPLE GoalText Only_remove_the_bricks _ ");
}

TEST(BuiltinLevels, EveryLevelMatchesTheLevelTable) {
  for (const LevelRow& row : Level_Table()) {
    auto g = Make_Field();
    const std::string text(Builtin_Level_Text(Level_File_Name(row.level)));
    Parse_All(*g, text);
    EXPECT_EQ(Check_Level(*g, text, row), "") << "level " << row.level;
  }
}

TEST(BuiltinLevels, TableCheckCatchesADifference) {
  // Level 1 with one brick made solid must be reported.
  const LevelRow& row = Level_Table()[1];
  std::string text(Builtin_Level_Text(Level_File_Name(1)));
  text.replace(text.find("Brick 1 0.0"), 7, "Brick 0");
  auto g = Make_Field();
  Parse_All(*g, text);
  EXPECT_NE(Check_Level(*g, text, row).find("hollow bricks 2"), std::string::npos);
}
