// Scenario tests of the rules of play on small fields, stepped headless at a
// fixed frame time.
#include <gtest/gtest.h>

#include <cmath>

#include "field_fixture.h"
#include "game/goals.h"
#include "game/shooter.h"
#include "game/simulation.h"

namespace {

// Two discs 4 units apart on the x axis, closing at 10 units per second: they
// touch (3 units apart) after 0.1 s.
std::unique_ptr<GameState> Two_Discs(const Color& a, int ring_a, const Color& b, int ring_b) {
  auto g = Make_Field();
  Add_Disc(*g, {-2, 0, 0}, {5, 1, 0}, a, -1, ring_a);
  Add_Disc(*g, {2, 0, 0}, {-5, 3, 0}, b, 3, ring_b);
  g->PointsRingSameColor = 1;
  g->PointsRingDifferentColor = 10;
  g->PointsRingSpecial = 100;
  return g;
}

}  // namespace

TEST(Rules, DiscContactsMergeOrBounce) {
  using namespace colors;
  struct Case {
    const char* what;
    Color a;
    int ring_a;
    Color b;
    int ring_b;
    bool merges;
    Color result;
    int score;
  } cases[] = {
      {"equal colours merge", kRed, 0, kRed, 0, true, kRed, 1},
      {"red and blue make purple", kRed, 0, kBlue, 0, true, kPurple, 10},
      {"ring with a disc of its colour", kRed, 1, kRed, 0, true, kRed, 100},
      {"disc with a ring of its colour", kBlue, 0, kBlue, 1, true, kBlue, 100},
      {"ring with another colour bounces despite the rule", kRed, 1, kBlue, 0, false, {}, 0},
      {"two rings never merge", kRed, 1, kRed, 1, false, {}, 0},
      {"no rule: green and red bounce", kGreen, 0, kRed, 0, false, {}, 0},
      {"gray never mixes", kGray, 0, kGray, 0, false, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto g = Two_Discs(c.a, c.ring_a, c.b, c.ring_b);
    EventRecorder rec;
    g->Events = &rec;
    Step(*g, 7);  // 0.1167 s: the discs met in the last frame
    if (c.merges) {
      ASSERT_EQ(g->DiscCount, 1);
      const Disc& d = g->Discs[0];
      EXPECT_EQ(d.IsRing, 0);
      EXPECT_EQ(d.Disc_Color(), c.result);
      EXPECT_EQ(d.velocity, Vec3(0, 2, 0)) << "the mean velocity";
      EXPECT_NEAR(d.position.x, 0.0f, 1e-4f) << "the midpoint";
      EXPECT_EQ(d.FieldIndex, 3) << "the first disc had no field, so the second's is kept";
      EXPECT_EQ(g->Shooter.Score, c.score);
      EXPECT_EQ(rec.sounds.back(), SOUND_DISC_COMBINE);
      EXPECT_EQ(rec.effects.size(), 1u);
    } else {
      ASSERT_EQ(g->DiscCount, 2);
      EXPECT_LT(g->Discs[0].velocity.x, 0.0f) << "the discs exchanged their x motion";
      EXPECT_GT(g->Discs[1].velocity.x, 0.0f);
      EXPECT_EQ(rec.Count(EVENT_DISC_STATE), 2);
      EXPECT_EQ(rec.sounds.back(), SOUND_DISC_DISC);
    }
  }
}

TEST(Rules, PurpleAgainstHollowBricks) {
  for (int ring : {0, 1}) {
    SCOPED_TRACE(ring ? "purple ring" : "plain purple disc");
    auto g = Make_Field();
    g->PointsBrickRemove = 5;
    Add_Brick(*g, {0, 10, 0}, 0, 1, 1);
    Add_Disc(*g, {0, 0, 0}, {0, 20, 0}, colors::kPurple, -1, ring);
    Step(*g, 30);
    if (ring) {
      EXPECT_EQ(g->BrickCount, 1);
      ASSERT_EQ(g->DiscCount, 1);
      EXPECT_LT(g->Discs[0].velocity.y, 0.0f) << "the ring bounced";
    } else {
      EXPECT_EQ(g->BrickCount, 0);
      EXPECT_EQ(g->DiscCount, 0) << "the disc is used up";
      EXPECT_EQ(g->Shooter.Score, 5);
    }
  }
  // A plain red disc only bounces off a hollow brick.
  auto g = Make_Field();
  Add_Brick(*g, {0, 10, 0}, 0, 1, 1);
  Add_Disc(*g, {0, 0, 0}, {0, 20, 0}, colors::kRed, -1, 0);
  Step(*g, 30);
  EXPECT_EQ(g->BrickCount, 1);
  EXPECT_LT(g->Discs[0].velocity.y, 0.0f);
}

TEST(Rules, ForceFieldPassesOneWayOnly) {
  struct Case {
    const char* what;
    Color color;
    float vy;
    bool passes;
  } cases[] = {
      {"own colour, allowed direction (down)", colors::kRed, -20, true},
      {"own colour, other direction", colors::kRed, 20, false},
      {"other colour", colors::kBlue, -20, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto g = Make_Field();
    // From right to left: lets through discs moving downwards.
    Add_Force_Field(*g, {10, 0, 0}, {-10, 0, 0}, colors::kRed);
    Add_Disc(*g, {0, c.vy < 0 ? 5.0f : -5.0f, 0}, {0, c.vy, 0}, c.color, -1, 0);
    Step(*g, 30);
    const Disc& d = g->Discs[0];
    if (c.passes) {
      EXPECT_LT(d.position.y, -3.0f);
      EXPECT_EQ(d.FieldIndex, 0);
    } else {
      EXPECT_EQ(d.velocity.y, -c.vy) << "bounced back";
      EXPECT_EQ(d.FieldIndex, -1);
    }
  }
}

TEST(Rules, WallsKeepDiscsInsideAndMirrorTheirMotion) {
  auto g = Make_Field();
  Add_Disc(*g, {30, 0, 0}, {20, 10, 0}, colors::kRed, -1, 0);
  Step(*g, 30);
  const Disc& d = g->Discs[0];
  EXPECT_LT(d.velocity.x, 0.0f);
  EXPECT_NEAR(d.velocity.y, 10.0f, 1e-3f);
  EXPECT_NEAR(d.velocity.Length(), std::sqrt(500.0f), 1e-3f) << "speed is kept";
  EXPECT_LE(d.position.x, 37.5f - 1.5f + 1e-3f);
}

TEST(Rules, LongFramesNeverCarryADiscThroughAWall) {
  auto g = Make_Field();
  for (int i = 0; i < 8; ++i) {
    Add_Disc(*g, {-30.0f + 8 * i, 10, 0}, {20.0f * std::cos(i * 0.7f), 20.0f * std::sin(i * 0.7f), 0}, colors::kGray,
             -1, 0);
  }
  for (int frame = 0; frame < 2000; ++frame) {
    g->Timer.Set_Frame_Time(frame % 3 == 0 ? 5.0f : 0.3f);  // stalls of seconds
    EXPECT_LE(g->Timer.Frame_Time(), FrameTimer::kMaxFrameTime);
    Game_Step(*g);
  }
  for (int i = 0; i < g->DiscCount; ++i) {
    const Vec3& p = g->Discs[static_cast<size_t>(i)].position;
    EXPECT_LT(std::fabs(p.x), 37.5f) << i;
    EXPECT_LT(std::fabs(p.y), 45.0f) << i;
  }
}

TEST(Shooter, FiringRateCapAndAim) {
  auto g = Make_Field();
  g->Palette[0] = colors::kBlue;
  g->Palette[1] = colors::kRed;
  g->PaletteCount = 2;
  g->Shooter.CycleColors = 1;
  g->PointsRingNew = 1;
  Next_Color(*g);
  g->Shooter.Angle = 159.7f;

  Fire(*g);  // ShotClock starts at 1.0: not yet more than a second
  EXPECT_EQ(g->DiscCount, 0);
  g->Shooter.ShotClock = 1.01f;
  Fire(*g);
  ASSERT_EQ(g->DiscCount, 1);
  const Disc& d = g->Discs[0];
  const float a = 159.0f * 3.14159265f / 180.0f;  // the aim is truncated to whole degrees
  EXPECT_NEAR(d.velocity.x, 20 * std::cos(a), 1e-4f);
  EXPECT_NEAR(d.position.y, -43.5f + 5 * std::sin(a), 1e-4f);
  EXPECT_EQ(d.Disc_Color(), colors::kBlue);
  EXPECT_EQ(g->Shooter.NextColor, colors::kRed) << "dealt in turn";
  EXPECT_EQ(g->Shooter.Score, 1);

  // Holding space: one disc a second at most.
  g->Shooter.Angle = 90;
  int fired = 1;
  for (int frame = 0; frame < 60 * 3; ++frame) {
    Step(*g, 1);
    const int before = g->DiscCount;
    Fire(*g);
    fired += g->DiscCount - before;
  }
  EXPECT_EQ(fired, 3);
  EXPECT_EQ(g->Discs[1].Disc_Color(), colors::kRed);
  EXPECT_EQ(g->Discs[2].Disc_Color(), colors::kBlue);

  // With 40 discs on the field nothing is fired and nothing is scored.
  while (g->DiscCount < kMaxDiscs) Add_Disc(*g, {0, 0, 0}, {}, colors::kGray, -1, 0);
  const int score = g->Shooter.Score;
  g->Shooter.ShotClock = 5;
  Fire(*g);
  EXPECT_EQ(g->DiscCount, kMaxDiscs);
  EXPECT_EQ(g->Shooter.Score, score);
  EXPECT_EQ(g->Shooter.ShotClock, 5.0f);
}

TEST(Shooter, TurnsWithinLimitsAndGlidesItsColour) {
  auto g = Make_Field();
  g->Keys[VK_LEFT] = 1;
  Step(*g, 60 * 3);  // 150 degrees of turning asked
  EXPECT_GE(g->Shooter.Angle, 160.0f);
  EXPECT_LT(g->Shooter.Angle, 161.0f);
  Step(*g, 1);
  EXPECT_EQ(g->Shooter.Angle, 160.0f) << "pulled back to the limit, not turned";
  g->Keys[VK_LEFT] = 0;
  g->Keys[VK_RIGHT] = 1;
  Step(*g, 1);
  EXPECT_NEAR(g->Shooter.Angle, 160.0f - 50.0f / 60.0f, 1e-3f);

  g->Shooter.PreviousColor = colors::kRed;
  g->Shooter.NextColor = colors::kBlue;
  g->Shooter.ShotClock = 0.0f;
  Step(*g, 30);  // half a second of glide
  EXPECT_NEAR(g->Shooter.ShownColor.x, 0.5f, 0.02f);
}

TEST(Shooter, PaletteCountOutsideTheTableIsLimited) {
  auto g = Make_Field();
  g->Palette.fill(colors::kGreen);
  for (int count : {0, -5, 11, 1000000}) {
    g->PaletteCount = count;
    for (int cycle : {0, 1}) {
      g->Shooter.CycleColors = cycle;
      for (int i = 0; i < 30; ++i) Next_Color(*g);
      EXPECT_EQ(g->Shooter.NextColor, colors::kGreen) << count;
    }
  }
}

TEST(Goals, TestedBeforeMotionAndTimeRules) {
  auto g = Make_Field();
  g->LevelStatus = LEVEL_PLAYING;
  g->Goals.GoalRings = 0;
  Add_Disc(*g, {-2, 0, 0}, {5, 0, 0}, colors::kRed, -1, 1);
  Add_Disc(*g, {2, 0, 0}, {-5, 0, 0}, colors::kRed, -1, 0);
  Step(*g, 6);
  ASSERT_EQ(g->DiscCount, 1) << "merged in the sixth frame";
  EXPECT_EQ(g->LevelStatus, LEVEL_PLAYING) << "seen only at the start of the next frame";
  Step(*g, 1);
  EXPECT_EQ(g->LevelStatus, LEVEL_COMPLETE);
  EXPECT_NEAR(g->LevelTime, 7.0f / 60.0f, 1e-5f) << "the time includes that frame";
  Step(*g, 10);
  EXPECT_NEAR(g->LevelTime, 7.0f / 60.0f, 1e-5f) << "the clock stops";

  struct Case {
    int mode;
    float goal, time;
    bool met;
  } rules[] = {{1, 30, 30.0f, true}, {1, 30, 30.1f, false}, {-1, 30, 30.0f, false}, {-1, 30, 30.1f, true},
               {0, 30, 99.0f, true}, {2, 30, 1.0f, false}};
  for (const Case& c : rules) {
    auto t = Make_Field();
    t->Goals.GoalTimeMode = c.mode;
    t->Goals.GoalTime = c.goal;
    t->LevelTime = c.time;
    EXPECT_EQ(Level_Goals_Met(*t), c.met) << c.mode << " " << c.time;
    EXPECT_EQ(Level_Can_Finish(*t), !(c.mode == 1 && c.time > c.goal));
  }
}

TEST(Goals, CanFinish) {
  using namespace colors;
  auto g = Make_Field();
  g->Goals.GoalBricks = 3;
  Add_Brick(*g, {0, 0, 0}, 0, 1, 1);
  Add_Brick(*g, {8, 0, 0}, 0, 1, 1);
  EXPECT_FALSE(Level_Can_Finish(*g)) << "hollow bricks only vanish";
  g->Goals.GoalBricks = -1;

  g->Goals.CheckDiscMatchRing = 1;
  Add_Disc(*g, {0, 10, 0}, {}, kBlue, -1, 1);
  EXPECT_FALSE(Level_Can_Finish(*g)) << "a blue ring with no plain blue disc";
  Add_Disc(*g, {0, 20, 0}, {}, kBlue, -1, 0);
  EXPECT_TRUE(Level_Can_Finish(*g));
  Add_Disc(*g, {0, 30, 0}, {}, kGreen, -1, 1);
  EXPECT_TRUE(Level_Can_Finish(*g)) << "green rings are not checked";

  g->Goals.CheckDiscMatchForceField = 1;
  Add_Force_Field(*g, {0, -10, 0}, {5, -10, 0}, kBlue);
  Add_Force_Field(*g, {0, -20, 0}, {5, -20, 0}, kBlue);
  g->Goals.GoalForceField[0] = 1;
  EXPECT_TRUE(Level_Can_Finish(*g));
  g->Goals.GoalForceField[1] = 1;
  EXPECT_FALSE(Level_Can_Finish(*g)) << "two blue goal fields, one plain blue disc";
  g->Goals.GoalForceField[1] = -1;

  g->Shooter.Score = -1;
  EXPECT_FALSE(Level_Can_Finish(*g)) << "no points goal and a negative score";
  g->Goals.GoalPoints = -1;
  EXPECT_TRUE(Level_Can_Finish(*g));
}

TEST(Goals, TwentyShotsWithoutBreakingABrick) {
  auto g = Make_Field();
  g->Goals.GoalBricks = 3;
  g->Goals.GoalPoints = 20;
  g->PointsRingNew = 1;
  for (int i = 0; i < 3; ++i) Add_Brick(*g, {-20.0f + 20 * i, 40, 0}, 0, 1, 1);
  g->Palette[0] = colors::kGray;
  g->PaletteCount = 1;
  g->Shooter.CycleColors = 1;
  Next_Color(*g);
  g->Shooter.Angle = 45;
  int shots = 0;
  while (g->LevelStatus != LEVEL_COMPLETE && shots < 25) {
    Step(*g, 61);
    if (g->LevelStatus == LEVEL_COMPLETE) break;  // no shot once the level is won
    const int before = g->Shooter.Score;
    Fire(*g);
    shots += g->Shooter.Score - before;
  }
  EXPECT_EQ(shots, 20);
}
