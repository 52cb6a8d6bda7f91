// Drawing tests: a real window and OpenGL context under Xvfb with Mesa's
// software renderer. They read pixels back and check what a player would
// see; the play-field pictures are kept under build/screens/ to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "engine/gl.h"
#include "engine/log.h"
#include "frontend/game.h"
#include "frontend/resources.h"
#include "frontend/scene.h"
#include "engine/view_transform.h"
#include "frontend/screen_flow.h"
#include "frontend/screen_menu.h"
#include "frontend/screen_startup.h"
#include "level/load_level.h"
#include "png_write.h"
#include "temp_dir.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 600;

class GlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    state = new GameState();
    state->ProgramFolder = PRISMEL_BUILD_DIR;
    game = new Game(*state, nullptr, 0);
    game->window.width = kWidth;
    game->window.height = kHeight;
    ASSERT_TRUE(game->window.GL_Create_Window("Prismel test", kWidth, kHeight, 24, false, false, true, true));
    ASSERT_EQ(Init_Resources(*game), "");
    std::filesystem::create_directories(std::string(PRISMEL_BUILD_DIR) + "/screens");
  }
  static void TearDownTestSuite() {
    delete game;
    delete state;
  }
  void SetUp() override {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
  }
  static std::string Screen(const std::string& name) { return std::string(PRISMEL_BUILD_DIR) + "/screens/" + name; }

  static GameState* state;
  static Game* game;
};

GameState* GlTest::state = nullptr;
Game* GlTest::game = nullptr;

bool Near_Black(Pixel p) { return p.r < 16 && p.g < 16 && p.b < 16; }

}  // namespace

TEST_F(GlTest, EveryResourceHasItsTableIndexAndGlName) {
  ASSERT_GE(game->window.Texture_Count(), 22);
  for (int i = 0; i < 22; ++i) EXPECT_EQ(game->window.Texture_Get_Data(i), static_cast<unsigned>(i + 1)) << i;
  EXPECT_EQ(game->window.Texture_Get_Data(99), 0u);
  EXPECT_GT(state->DiscTemplate.Triangle_Count(), 0);
  EXPECT_GT(state->GroundModel.Triangle_Count(), 0);
  EXPECT_FLOAT_EQ(state->GroundModel.triangles[0].transparency, 0.15f);
  EXPECT_FLOAT_EQ(state->BrickTemplate.Mass(), 50.0f);
}

TEST_F(GlTest, StartupPictureAppears) {
  Canvas c = game->canvas();
  Startup_Draw(game->front, c);
  Save_Frame_Png(Screen("startup.png"), kWidth, kHeight);
  EXPECT_TRUE(Near_Black(Read_Pixel(10, 10))) << "outside the picture the screen stays black";
  // The picture covers the middle 40 % of the overlay; its lower part holds
  // the bright lettering of the name.
  int bright = 0;
  for (int x = kWidth * 35 / 100; x < kWidth * 65 / 100; x += 4) {
    const Pixel p = Read_Pixel(x, kHeight * 37 / 100);
    bright += p.r + p.g + p.b > 450;
  }
  EXPECT_GT(bright, 5) << "the lettering of the start-up picture";
  const Pixel top = Read_Pixel(kWidth / 2, kHeight * 60 / 100);
  EXPECT_FALSE(Near_Black(top)) << "the picture itself";
}

TEST_F(GlTest, TextureTableRules) {
  CKorvidWindow& w = game->window;
  const int count = w.Texture_Count();
  EXPECT_EQ(w.Texture_Load("brick.png", -1), 2) << "a loaded name is reused";
  EXPECT_EQ(w.Texture_Count(), count);
  EXPECT_EQ(w.Texture_Load("brick.png", count + 2), -1) << "beyond the end";
  EXPECT_EQ(w.Texture_Count(), count);

  TempDir dir;
  const std::string old_folder = w.program_folder;
  w.program_folder = dir.path();
  dir.Write("not_a_picture.png", "this is text");
  const std::string log_path = dir.File("log.rtf");
  g_log_stream = Log_Open(log_path.c_str(), true);
  EXPECT_EQ(w.Texture_Load("not_a_picture.png", -1), -1);
  EXPECT_EQ(w.Texture_Load("missing.png", -1), -1);
  Log_Close(g_log_stream);
  w.program_folder = old_folder;
  EXPECT_EQ(w.Texture_Count(), count) << "a failed load takes its entry back";
  const std::string log = Slurp(log_path);
  EXPECT_NE(log.find("failed ([" + std::to_string(count) + "][not_a_picture.png] no PNG signature)"), std::string::npos);
  EXPECT_NE(log.find("failed (could not find file [-1][missing.png])"), std::string::npos);

  // A removal moves the later entries down with their GL names.
  const int a = w.Texture_Load("symbol_red.png", count);
  const int b = w.Texture_Load("symbol_blue.png", count + 1);
  ASSERT_EQ(a, count);
  ASSERT_EQ(b, count + 1);
  const unsigned blue = w.Texture_Get_Data(b);
  w.Texture_Remove(a);
  EXPECT_EQ(w.Texture_Get_Data(count), blue);
  w.Texture_Remove(count);
  EXPECT_EQ(w.Texture_Count(), count);
}

TEST_F(GlTest, TextIsDrawnWhereAsked) {
  CKorvidWindow& w = game->window;
  w.GL_Begin_2D(1);
  w.Draw_Text(50, 50, 4, 1, 1, 1, 1, 0, "PRISMEL");
  w.Draw_Text(50, 20, 4, 1, 1, 1, 1, 0, "%s", "");
  w.GL_End_2D();
  int lit_middle = 0, lit_low = 0;
  for (int x = 0; x < kWidth; x += 2) {
    for (int dy = -8; dy <= 8; dy += 2) {
      lit_middle += Read_Pixel(x, kHeight / 2 + dy).r > 128;
      lit_low += Read_Pixel(x, kHeight / 5 + dy).r > 128;
    }
  }
  EXPECT_GT(lit_middle, 40) << "the glyphs show";
  EXPECT_EQ(lit_low, 0) << "an empty text draws nothing";
  EXPECT_LT(Read_Pixel(kWidth / 2, kHeight / 2 + 40).r, 10) << "glyph cells are not solid blocks";
}

TEST_F(GlTest, PlayFieldFromBothCamerasShowsDiscsInTheirColours) {
  Load_Level(*state, 13);  // a plain yellow disc at (0, 10), yellow rings at (+-15, -25)
  for (int view : {0, 1}) {
    SCOPED_TRACE(view == 0 ? "top view" : "side view");
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Camera_Snap(state->Camera, view);
    state->CameraView = view;
    state->Timer.Set_Frame_Time(0.0f);
    Canvas c = game->canvas();
    Draw_Scene(*state, c, SceneKind::PREVIEW);
    Save_Frame_Png(Screen(view == 0 ? "level_013_top.png" : "level_013_side.png"), kWidth, kHeight);

    double mv[16], pr[16], wx, wy, wz;
    int vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    ASSERT_TRUE(gluProject(0, 10, 0.75, mv, pr, vp, &wx, &wy, &wz));
    const Pixel disc = Read_Pixel(static_cast<int>(wx), static_cast<int>(wy));
    EXPECT_GT(disc.r, 120);
    EXPECT_GT(disc.g, 120);
    EXPECT_LT(disc.b, disc.r / 2) << "yellow: red and green, little blue";
    ASSERT_TRUE(gluProject(-20, 30, 0, mv, pr, vp, &wx, &wy, &wz));
    const Pixel ground = Read_Pixel(static_cast<int>(wx), static_cast<int>(wy));
    EXPECT_GT(ground.b, 60) << "the see-through ground is drawn";
  }
  state->CameraView = 0;
}

TEST_F(GlTest, FadeSwitchesTheScreenAtHalfTimeThroughBlack) {
  state->Mode = MODE_QUIT;
  Start_Fade(*game, 0, MODE_STARTUP, 2.0f, -1);
  // Frames of 0.05 s (the longest frame the clock hands out).
  auto frames = [](int n) {
    int brightness = 0;
    for (int i = 0; i < n; ++i) {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      state->Timer.Set_Frame_Time(0.05f);
      Canvas c = game->canvas();
      if (state->Mode == MODE_STARTUP) Startup_Draw(game->front, c);
      Update_Fade(*game);
      Draw_Fade(game->front, c);
      const Pixel p = Read_Pixel(kWidth / 2, kHeight * 60 / 100);
      brightness = p.r + p.g + p.b;
    }
    return brightness;
  };
  frames(19);
  EXPECT_EQ(state->Mode, MODE_QUIT) << "the first half darkens what was there";
  frames(1);
  EXPECT_EQ(state->Mode, MODE_STARTUP) << "the switch happens at half time";
  EXPECT_EQ(game->front.fade.Phase, FADE_IN);
  const int dark = frames(1);
  const int half = frames(9);
  const int full = frames(9);
  EXPECT_LT(dark, half);
  EXPECT_LT(half, full);
  frames(1);
  EXPECT_EQ(game->front.fade.Phase, FADE_IDLE);
  game->front.title_hold = -1.0f;
}

namespace {

// The window pixel under an overlay point.
Pixel Overlay_Pixel(float x, float y) {
  double wx = 0, wy = 0;
  Project(Overlay_View(kWidth, kHeight), x, y, 0, wx, wy);
  return Read_Pixel(static_cast<int>(wx), static_cast<int>(wy));
}

// The brightest pixel of an overlay rectangle, sampled.
int Brightest(float x1, float y1, float x2, float y2) {
  int best = 0;
  for (float x = x1; x < x2; x += 0.25f) {
    for (float y = y1; y < y2; y += 0.25f) {
      const Pixel p = Overlay_Pixel(x, y);
      best = std::max(best, p.r + p.g + p.b);
    }
  }
  return best;
}

}  // namespace

TEST_F(GlTest, MenuHighlightsTheButtonUnderThePointerAndGreysContinue) {
  state->Mode = MODE_MENU;
  state->TutorialActive = false;
  state->Level = 1;
  Load_Level(*state, 1);  // waiting, not in progress: Continue is not offered
  Overlay_To_Pointer(kWidth, kHeight, 20, 16.8f, state->Pointer.x, state->Pointer.y);  // on New Game
  state->Timer.Set_Frame_Time(1.0f / 60.0f);
  for (int i = 0; i < 30; ++i) Menu_Update(*game);
  EXPECT_FLOAT_EQ(game->front.buttons[BUTTON_NEW_GAME].Highlight, 1.0f);
  EXPECT_FLOAT_EQ(game->front.buttons[BUTTON_WEBSITE].Highlight, 0.0f);
  Canvas c = game->canvas();
  Menu_Draw(*state, game->front, c);
  Save_Frame_Png(Screen("menu_hover.png"), kWidth, kHeight);

  // The end of New Game's bar, right of its letters: half-transparent green.
  const Pixel bar = Overlay_Pixel(27.8f, 17.0f);
  EXPECT_GT(bar.g, 90);
  EXPECT_LT(bar.r, 40);
  EXPECT_LT(bar.b, 40);
  const Pixel website_bar = Overlay_Pixel(61.3f, 17.0f);  // between its strip and its letters
  EXPECT_LT(website_bar.b, 40) << "no bar where the pointer is not";

  const int new_game = Brightest(12.1f, 15.2f, 26.0f, 18.0f);
  const int greyed = Brightest(38.0f, 15.2f, 52.0f, 18.0f);
  EXPECT_GT(new_game, 500) << "the lettering of New Game";
  EXPECT_LT(greyed, new_game / 3) << "Continue is drawn faint while it is not offered";
}
