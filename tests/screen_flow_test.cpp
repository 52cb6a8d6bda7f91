// The screens without a window: the fader's timing, the in-game keys and
// their guards, the tutorial's ways out, Continue's condition, the menu's
// hit tests and clicks, and the ranking done after the step. A Game is built
// without opening its window; nothing here may call OpenGL.
#include <gtest/gtest.h>

#include <memory>

#include "engine/view_transform.h"
#include "frontend/fader.h"
#include "frontend/game.h"
#include "frontend/menu_layout.h"
#include "frontend/screen_flow.h"
#include "frontend/screen_menu.h"
#include "frontend/screen_play.h"
#include "frontend/screen_replay.h"
#include "frontend/window_keys.h"
#include "frontend/widgets.h"
#include "game/goals.h"
#include "game/play_frame.h"
#include "level/load_level.h"
#include "temp_dir.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class ScreenFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    g = std::make_unique<GameState>();
    g->ProgramFolder = PRISMEL_BUILD_DIR;
    g->ScoresFolder = scores.path();
    game = std::make_unique<Game>(*g, nullptr, 0);
    g->Textures = nullptr;  // no GL context: model textures get no slot
    game->window.width = 1035;
    game->window.height = 971;
    ASSERT_TRUE(Load_Play_Field_Templates(*g));
    g->Timer.Set_Fixed_Step(kFrame);
    g->Timer.Tick();
  }
  // One frame of the screen in front, with the fader after it.
  void Frame() {
    g->Timer.Tick();
    if (g->Mode == MODE_MENU) Menu_Update(*game);
    if (g->Mode == MODE_GAME) Play_Update(*game);
    if (g->Mode == MODE_REPLAY) Replay_Update(*game);
    Update_Fade(*game);
  }
  void Frames(float seconds) {
    for (int i = 0; i < static_cast<int>(seconds / kFrame + 0.5f); ++i) Frame();
  }
  void Press(int key) {
    g->Keys[static_cast<size_t>(key)] = 1;
    Frame();
    g->Keys[static_cast<size_t>(key)] = 0;
  }
  // Arrives on a level as the fade from the menu does.
  void Play_Level(int level) {
    g->Level = level;
    g->Mode = MODE_GAME;
    Start_Fade(*game, FADE_BY_MENU, MODE_GAME, kFadeSeconds, 1);
    game->front.fade.Phase = FADE_IDLE;
    Play_Arrive(*game);
    g->InputClock = 1.0f;
  }
  void Win_Now() {
    g->LevelStatus = LEVEL_PLAYING;
    g->Paused = false;
    g->LevelTime = 12.5f;
    Complete_Level(*g);
    Frame();  // the frame drains the ranking
  }
  // Where the pointer must be to rest on an overlay point.
  void Point_At(float x, float y) {
    Overlay_To_Pointer(game->window.width, game->window.height, x, y, g->Pointer.x, g->Pointer.y);
  }
  void Click_At(float x, float y) {
    Point_At(x, y);
    g->Pointer.held[MOUSE_LEFT] = true;
    Frame();
    g->Pointer.held[MOUSE_LEFT] = false;
    Frame();
  }

  TempDir scores;
  std::unique_ptr<GameState> g;
  std::unique_ptr<Game> game;
};

}  // namespace

TEST(Fader, HalfOutThenSwitchThenHalfIn) {
  ScreenFade f;
  Fade_Start(f, FADE_BY_MENU, MODE_QUIT, 1.0f, -1);
  EXPECT_FLOAT_EQ(Fade_Transparency(f), 1.0f) << "a fade-out starts from the full picture";
  int frames = 0;
  FadeStep step = FadeStep::NONE;
  float last = 2.0f;
  while ((step = Fade_Advance(f, 0.05f)) == FadeStep::NONE) {
    EXPECT_LT(Fade_Transparency(f), last) << "darkening";
    last = Fade_Transparency(f);
    ++frames;
  }
  EXPECT_EQ(step, FadeStep::SWITCHED);
  EXPECT_EQ(frames + 1, 10) << "0.5 s of 0.05 s frames";
  EXPECT_FLOAT_EQ(Fade_Transparency(f), 0.0f) << "black at the switch";
  frames = 0;
  while ((step = Fade_Advance(f, 0.05f)) == FadeStep::NONE) ++frames;
  EXPECT_EQ(step, FadeStep::FINISHED);
  EXPECT_EQ(frames + 1, 10);
  EXPECT_EQ(f.Phase, FADE_IDLE);
  EXPECT_EQ(Fade_Advance(f, 0.05f), FadeStep::NONE) << "idle stays idle";
}

TEST_F(ScreenFlow, ExitFadesToBlackThenQuitsHalfASecondLater) {
  g->Mode = MODE_MENU;
  Start_Fade(*game, FADE_BY_MENU, MODE_QUIT, kFadeSeconds, -1);
  Frames(0.5f);
  EXPECT_EQ(g->Mode, MODE_QUIT);
  EXPECT_FALSE(game->window.quit_requested) << "the black half follows";
  Frames(0.5f);
  EXPECT_TRUE(game->window.quit_requested);
}

TEST_F(ScreenFlow, EnterAfterACompletedLevelGoesOnAndLevelSixtyWrapsToOne) {
  Play_Level(7);
  g->Keys[VK_RETURN] = 1;  // held as the level is won: the placeholder name must not leave with it
  Win_Now();
  g->Keys[VK_RETURN] = 0;
  ASSERT_EQ(g->LevelStatus, LEVEL_COMPLETE);
  EXPECT_EQ(g->Level, 7);
  EXPECT_EQ(g->Scores.entries[static_cast<size_t>(g->Scores.rank)].name, "");
  Press(VK_RETURN);  // a top-five time with no name yet: the level cannot be left
  EXPECT_EQ(g->Level, 7);
  g->Keys['A'] = 1;
  Frame();  // the name entry of the complete panel takes it
  EXPECT_EQ(g->Scores.typed_name, "a");
  Press(VK_RETURN);
  EXPECT_EQ(g->Level, 8);
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING);

  // The name typed once is offered again, so the next win leaves at once.
  Play_Level(60);
  Win_Now();
  Press(VK_RETURN);
  EXPECT_EQ(g->Level, 1) << "after 60 comes 1, not the tutorial";
  EXPECT_FALSE(g->TutorialActive);
}

TEST_F(ScreenFlow, TheTutorialStartsAtOnceAndEnterOrEscapeEndIt) {
  g->TutorialActive = true;
  Play_Level(0);
  EXPECT_EQ(g->LevelStatus, LEVEL_PLAYING) << "no Space needed in the tutorial";
  EXPECT_FALSE(g->Paused);
  Press(VK_RETURN);
  EXPECT_EQ(g->Level, 1);
  EXPECT_FALSE(g->TutorialActive);
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING);

  g->TutorialActive = true;
  Play_Level(0);
  Press(VK_ESCAPE);
  Frames(0.5f);
  ASSERT_EQ(g->Mode, MODE_MENU);
  EXPECT_FALSE(g->TutorialActive);
  EXPECT_EQ(g->Level, 0);
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING) << "the tutorial level is loaded afresh for the menu";
}

TEST_F(ScreenFlow, ContinueKeepsALevelInProgressAndALostOneIsReloaded) {
  Play_Level(13);
  Press(VK_SPACE);
  ASSERT_EQ(g->LevelStatus, LEVEL_PLAYING);
  g->Keys[VK_SPACE] = 1;
  Frame();
  g->Keys[VK_SPACE] = 0;
  const int discs = g->DiscCount;
  Frames(1.0f);
  Press(VK_ESCAPE);
  Frames(0.5f);
  ASSERT_EQ(g->Mode, MODE_MENU);
  EXPECT_EQ(g->DiscCount, discs) << "the level in progress survives the menu";
  EXPECT_TRUE(Continue_Offered(*g));

  // Out of time: the level can no longer finish, and the menu starts it afresh.
  g->Goals.GoalTimeMode = 1;
  g->Goals.GoalTime = 1.0f;
  EXPECT_FALSE(Continue_Offered(*g));
  Start_Fade(*game, FADE_BY_MENU, MODE_MENU, kFadeSeconds, -1);
  Frames(0.5f);
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING);
  EXPECT_EQ(g->LevelTime, 0.0f);
}

TEST_F(ScreenFlow, FiveEnterAndPAreIgnoredWithinHalfASecondOfTheLastOne) {
  Play_Level(13);
  Press(VK_SPACE);
  Frames(2.0f);
  Press(VK_F5);
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING) << "restarted";
  Press(VK_SPACE);
  Frames(0.2f);
  Press(VK_F5);
  EXPECT_EQ(g->LevelStatus, LEVEL_PLAYING) << "too soon after the last restart";
  EXPECT_GT(g->LevelTime, 0.0f);
  Press(VK_P);
  EXPECT_FALSE(g->Paused) << "P is guarded by the same clock";
  Frames(0.4f);
  Press(VK_P);
  EXPECT_TRUE(g->Paused);

  // Space on a paused level resumes it and does not also fire.
  const int discs = g->DiscCount;
  g->Keys[VK_SPACE] = 1;
  Frame();
  EXPECT_FALSE(g->Paused);
  EXPECT_EQ(g->Keys[VK_SPACE], 0) << "the press is used up";
  EXPECT_EQ(g->DiscCount, discs);
}

TEST_F(ScreenFlow, RankingWaitsForTheDrainAfterTheStep) {
  scores.Write("007.001", "1.03 ann 10.000000 0.000 4 6 ");
  scores.Write("007.002", "1.03 bob 20.000000 0.000 4 6 ");
  Play_Level(7);
  g->LevelStatus = LEVEL_PLAYING;
  g->Paused = false;
  g->LevelTime = 15.0f;
  Complete_Level(*g);
  EXPECT_EQ(g->Scores.rank, kScorePlaces) << "the step itself reads no score file";
  EXPECT_FALSE(game->events.Empty());
  Frame();
  EXPECT_EQ(g->Scores.rank, 1) << "15 s lands between 10 and 20";
  EXPECT_EQ(g->Scores.entries[2].name, "bob");
}

TEST(MenuWidgets, HighlightGrowsAndShrinksInAThirdOfASecond) {
  MenuButton b = Make_Button(12.1f, 15, 17, 3.7f);
  EXPECT_FLOAT_EQ(b.X, 11.2f);
  for (int i = 0; i < 10; ++i) Button_Update(b, true, 1.0f / 60.0f);
  EXPECT_NEAR(b.Highlight, 0.5f, 1e-5f);
  EXPECT_NEAR(b.X2, 11.2f + 8.5f, 1e-4f);
  for (int i = 0; i < 10; ++i) Button_Update(b, true, 1.0f / 60.0f);
  EXPECT_FLOAT_EQ(b.Highlight, 1.0f) << "full after 1/3 s";
  Button_Update(b, true, 1.0f / 60.0f);
  EXPECT_FLOAT_EQ(b.Highlight, 1.0f) << "and no further";
  for (int i = 0; i < 5; ++i) Button_Update(b, false, 1.0f / 60.0f);
  EXPECT_NEAR(b.Highlight, 0.75f, 1e-5f) << "left halfway it keeps its part";
  for (int i = 0; i < 30; ++i) Button_Update(b, false, 1.0f / 60.0f);
  EXPECT_FLOAT_EQ(b.Highlight, 0.0f);
}

TEST(MenuWidgets, HitTestsHoldForWindowsOfAnyAspect) {
  const MenuButton exit = Make_Button(kButtonLayout[BUTTON_EXIT].anchor_x, kButtonLayout[BUTTON_EXIT].anchor_y,
                                      kButtonLayout[BUTTON_EXIT].width, kButtonLayout[BUTTON_EXIT].height);
  for (const auto& size : {std::pair{1035, 971}, std::pair{1280, 720}, std::pair{600, 1000}}) {
    SCOPED_TRACE(std::to_string(size.first) + "x" + std::to_string(size.second));
    InputController in;
    auto at = [&](float x, float y) {
      Overlay_To_Pointer(size.first, size.second, x, y, in.x, in.y);
      return Make_Overlay_Pointer(size.first, size.second, in);
    };
    EXPECT_TRUE(Button_Hover(at(86, 16.8f), exit));
    EXPECT_FALSE(Button_Hover(at(70, 16.8f), exit)) << "beside it";
    EXPECT_FALSE(Button_Hover(at(86, 20), exit)) << "above it";
    // Row 2 of the score list and nothing else.
    const OverlayPointer row2 = at(70, kScorePanel.y - kRowsTop - 1.5f * kRowPitch);
    EXPECT_FALSE(Row_Hover(row2, kScorePanel.x + 2, kScorePanel.y - kRowsTop, 1, kRowPitch, kRowWidth));
    EXPECT_TRUE(Row_Hover(row2, kScorePanel.x + 2, kScorePanel.y - kRowsTop, 2, kRowPitch, kRowWidth));
    EXPECT_FALSE(Row_Hover(row2, kScorePanel.x + 2, kScorePanel.y - kRowsTop, 3, kRowPitch, kRowWidth));
  }
}

TEST_F(ScreenFlow, MenuClicksToggleOptionsChangeLevelsAndAreConsumed) {
  g->Mode = MODE_MENU;
  g->Sound = 0;
  g->Level = 0;
  Load_Level(*g, 0);
  const float row_y = kOptionsPanel.y - kRowsTop - 0.5f * kRowPitch;
  Click_At(70, row_y);  // Sound
  EXPECT_EQ(g->Sound, 1);
  Click_At(70, row_y - kRowPitch);  // Camera View
  EXPECT_EQ(g->CameraView, 0);
  EXPECT_EQ(g->InputController.signal[MOUSE_LEFT], 0.0f) << "the click is used up";

  const float arrow_y = kLevelPanel.y - kRowsTop - 0.5f * kRowPitch;
  Click_At(kLevelPanel.x + 5, arrow_y);  // left arrow on the tutorial
  EXPECT_EQ(g->Level, 60);
  Click_At(kLevelPanel.x + 27, arrow_y);  // and right again
  EXPECT_EQ(g->Level, 0);
  Click_At(kLevelPanel.x + 27, arrow_y);
  EXPECT_EQ(g->Level, 1);
  EXPECT_EQ(g->Goals.GoalText[0], "Remove all the bricks") << "the level shown is loaded";

  Click_At(50, 40);  // over nothing
  EXPECT_EQ(g->Level, 1);
  EXPECT_EQ(game->front.fade.Phase, FADE_IDLE);

  Click_At(kButtonLayout[BUTTON_NEW_GAME].anchor_x + 5, 16.8f);
  EXPECT_EQ(game->front.fade.Target, MODE_GAME);
  Frames(0.5f);
  EXPECT_EQ(g->Mode, MODE_GAME);
  EXPECT_EQ(g->LevelStatus, LEVEL_WAITING);
  EXPECT_FALSE(g->TutorialActive);
}

// A replay of level 1 with a shot at 0.5 s and another at 1.1 s, ending at 3 s.
constexpr const char* kTwoShots =
    "1.03 ann 3.000000 0.000 4 6 0.500 1 0 0.00 -38.50 0.00 20.00 6 "
    "1.100 1 0 0.00 -38.50 0.00 20.00 1 3.000000 6 0 0 0 0 0 3 113 0 0 0 0 0 0";

TEST_F(ScreenFlow, EscapeStopsAReplayAndItsEndReturnsToTheMenu) {
  for (const bool escape : {true, false}) {
    scores.Write("001.001", kTwoShots);
    g->Level = 1;
    g->Mode = MODE_REPLAY;
    game->front.replay_file = scores.path() + "/001.001";
    Start_Fade(*game, FADE_BY_MENU, MODE_REPLAY, kFadeSeconds, -1);
    game->front.fade.Phase = FADE_IDLE;
    Replay_Arrive(*game);
    const int at_start = g->DiscCount;  // the level's own discs
    Frames(1.0f);
    ASSERT_EQ(g->DiscCount, at_start + 1) << "the first shot is out, the second not yet";
    if (escape) {
      Press(VK_ESCAPE);
      Frames(0.4f);  // still fading out: the replay screen is on
      EXPECT_EQ(g->Mode, MODE_REPLAY);
      EXPECT_EQ(g->DiscCount, at_start + 1) << "no event after Escape";
      Frames(1.0f);
      EXPECT_EQ(g->Mode, MODE_MENU);
    } else {
      Frames(1.0f);
      EXPECT_EQ(g->DiscCount, at_start + 2);
      Frames(2.5f);  // past the end event, then half a fade
      EXPECT_EQ(g->Mode, MODE_MENU);
    }
    Frames(1.0f);
  }
}

TEST_F(ScreenFlow, ClosingTheWindowGoesThroughTheQuitFade) {
  g->Mode = MODE_MENU;
  game->window.close_requested = true;
  Handle_Window_Keys(*game);
  EXPECT_FALSE(game->window.close_requested);
  EXPECT_EQ(game->front.fade.Target, MODE_QUIT);
  EXPECT_FALSE(game->window.quit_requested) << "not at once: the picture fades first";
  game->window.close_requested = true;  // a second request changes nothing
  Handle_Window_Keys(*game);
  Frames(0.6f);
  EXPECT_EQ(g->Mode, MODE_QUIT);
  Frames(0.6f);
  EXPECT_TRUE(game->window.quit_requested);
}

TEST_F(ScreenFlow, TheKeysAndAControllerWorkTheMenuWithoutAMouse) {
  g->Mode = MODE_MENU;
  g->Level = 0;
  Frame();
  Press(VK_RIGHT);  // shows the highlight on the first item, the left arrow
  Press(VK_RIGHT);  // the right arrow
  Press(VK_SPACE);
  EXPECT_EQ(g->Level, 1);
  Press(VK_LEFT);
  Press(VK_RETURN);
  EXPECT_EQ(g->Level, 0) << "back on the left arrow";
  const int sound = g->Sound;
  Press(VK_DOWN);  // the right arrow again (no score rows to visit)
  Press(VK_DOWN);  // the first option row: Sound
  Press(VK_SPACE);
  EXPECT_EQ(g->Sound, 1 - sound);
  EXPECT_EQ(g->Level, 0) << "Space on an option is no arrow";
  for (int i = 0; i < 4; ++i) Press(VK_DOWN);  // past the other options to New Game
  Press(VK_SPACE);
  EXPECT_EQ(game->front.fade.Target, MODE_GAME);
}
