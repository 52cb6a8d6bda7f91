// Playing a score file back on a small hand-made field: when events take
// effect, in what order, the shooter's colour glide, and files that are
// damaged or hostile.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "field_fixture.h"
#include "scores/replay_player.h"
#include "scores/score_file.h"

namespace {

// A score file for a run of `seconds` whose recording is the first colour
// event (code first_code) followed by `events`.
std::string Score_Text(const std::string& events, float seconds = 2.0f, int first_code = 6) {
  return Score_File_Text("0.000 4 " + std::to_string(first_code) + " " + events, "Tester", seconds);
}

// Three bricks side by side at x = -20, 0, 20 and no discs.
std::unique_ptr<GameState> Replay_Field() {
  auto g = Make_Field();
  for (float x : {-20.0f, 0.0f, 20.0f}) Add_Brick(*g, {x, 10, 0}, 0, 0, 1);
  return g;
}

// Steps as the replay screen does until the player ends; the number of
// frames it took, or -1 when it was still playing after max_frames.
int Play_To_End(ReplayPlayer& player, GameState& g, float dt, int max_frames) {
  for (int frame = 1; frame <= max_frames; ++frame) {
    if (player.Step(g, dt) == ReplayStep::ENDED) return frame;
    ReplayPlayer::Move_Discs(g, dt);
  }
  return -1;
}

void Expect_Color_Near(const Color& got, const Color& want, const char* when) {
  EXPECT_NEAR(got.x, want.x, 1e-6f) << when;
  EXPECT_NEAR(got.y, want.y, 1e-6f) << when;
  EXPECT_NEAR(got.z, want.z, 1e-6f) << when;
}

}  // namespace

TEST(ReplayPlayer, EventAtExactlyTheClockWaitsForTheNextFrame) {
  auto g = Replay_Field();
  ReplayPlayer player;
  ASSERT_TRUE(player.Open_Text(Score_Text("0.500 5 45 0.500 0 1 "), *g));
  const float dt = 0.25f;  // the clock hits 0.5 exactly
  player.Step(*g, dt);
  player.Step(*g, dt);
  ASSERT_EQ(g->LevelTime, 0.5f);
  EXPECT_EQ(g->Shooter.Angle, 90.0f) << "due, but not yet passed";
  EXPECT_EQ(g->BrickCount, 3);
  player.Step(*g, dt);
  EXPECT_EQ(g->Shooter.Angle, 45.0f);
  EXPECT_EQ(g->BrickCount, 2);
}

TEST(ReplayPlayer, EventsDueInOneFrameAreAppliedInFileOrder) {
  auto g = Replay_Field();
  ReplayPlayer player;
  const std::string events =
      "0.100 1 0 0.00 0.00 10.00 0.00 6 "   // red disc
      "0.200 1 1 5.00 5.00 0.00 -4.00 1 "   // blue ring
      "0.300 2 0 "                          // the disc goes: the ring is disc 0
      "0.350 3 0 1.00 2.00 0.00 8.00 "      // and turns
      "0.400 0 2 0.400 0 0 "                // the right brick, then the left
      "0.450 5 30 0.450 5 120 ";
  ASSERT_TRUE(player.Open_Text(Score_Text(events), *g));
  const float dt = 0.5f;
  ASSERT_EQ(player.Step(*g, dt), ReplayStep::PLAYING);
  ReplayPlayer::Move_Discs(*g, dt);

  EXPECT_TRUE(player.Problems().empty()) << player.Problems().front();
  ASSERT_EQ(g->DiscCount, 1);
  const Disc& ring = g->Discs[0];
  EXPECT_EQ(ring.IsRing, 1);
  EXPECT_EQ(ring.Disc_Color(), colors::kBlue);
  // Where its last event and free flight since put it at the clock.
  EXPECT_NEAR(ring.position.x, 1.0f, 1e-4f);
  EXPECT_NEAR(ring.position.y, 2.0f + 8.0f * (0.5f - 0.35f), 1e-4f);
  EXPECT_EQ(ring.velocity, Vec3(0, 8, 0));
  EXPECT_FLOAT_EQ(player.Last_Set(0), 0.35f);
  ASSERT_EQ(g->BrickCount, 1);
  EXPECT_EQ(g->Bricks[0].position.x, 0.0f) << "the middle brick stays";
  EXPECT_EQ(g->Shooter.Angle, 120.0f);
}

TEST(ReplayPlayer, SecondColourWithinTheGlideStartsFromThePreviousTarget) {
  using namespace colors;
  auto g = Replay_Field();
  ReplayPlayer player;
  ASSERT_TRUE(player.Open_Text(Score_Text("0.200 4 1 0.500 4 7 ", 2.0f, 6), *g));
  Expect_Color_Near(g->Shooter.ShownColor, kRed, "opened");
  const float dt = 0.25f;
  auto blend = [](const Color& a, const Color& b, float k) { return a + (b - a) * k; };

  player.Step(*g, dt);  // 0.25: blue arrives; the glide starts this frame
  Expect_Color_Near(g->Shooter.ShownColor, kRed, "0.25 s");
  player.Step(*g, dt);
  Expect_Color_Near(g->Shooter.ShownColor, blend(kRed, kBlue, 0.25f), "0.5 s");
  player.Step(*g, dt);  // 0.75: yellow arrives a quarter of the way to blue
  Expect_Color_Near(g->Shooter.ShownColor, kBlue, "0.75 s: from blue, not from the colour on show");
  player.Step(*g, dt);
  Expect_Color_Near(g->Shooter.ShownColor, blend(kBlue, kYellow, 0.25f), "1.0 s");
  for (int i = 0; i < 3; ++i) player.Step(*g, dt);
  Expect_Color_Near(g->Shooter.ShownColor, kYellow, "1.75 s: a whole second on, the glide is over");
  player.Step(*g, dt);
  Expect_Color_Near(g->Shooter.ShownColor, kYellow, "2.0 s: and stays");
}

TEST(ReplayPlayer, DamagedFilesAreRefusedOrEndWithTheirProblemsListed) {
  const std::string good_events =
      "0.100 5 60 0.200 1 0 0.00 -38.00 0.00 40.00 6 0.500 3 0 0.00 -20.00 10.00 30.00 "
      "0.700 0 1 0.900 2 0 1.000 4 7 ";
  std::string many_discs;
  for (int i = 0; i < kMaxDiscs + 5; ++i) many_discs += "0.300 1 0 0.00 0.00 1.00 1.00 3 ";
  many_discs += "0.400 2 " + std::to_string(kMaxDiscs) + " 0.400 2 0 ";
  const std::string header = "1.03 Tester 2.000000 0.000 4 6 ";

  const struct {
    const char* what;
    std::string text;
    bool opens;
    bool reaches_end;  // when it opens
    bool damaged;
  } cases[] = {
      {"a good file", Score_Text(good_events), true, true, false},
      {"kMaxDiscs discs and more", Score_Text(many_discs), true, true, true},
      {"an empty file", "", false, false, true},
      {"only blanks", "  \n ", false, false, true},
      {"a truncated header", "1.03 Tester", false, false, true},
      {"a header without its first event", "1.03 Tester 2.000000 ", false, false, true},
      {"a first event that is no colour", "1.03 Tester 2.000000 0.000 5 45 2.000000 6 ", false, false, true},
      {"a header time that is no number", "1.03 Tester nan 0.000 4 6 2.000000 6 ", false, false, true},
      {"a negative header time", "1.03 Tester -2.0 0.000 4 6 2.000000 6 ", false, false, true},
      {"a 1000-character name", "1.03 " + std::string(1000, 'x') + " 2.000000 0.000 4 6 2.000000 6 ", false, false,
       true},
      {"a first colour code out of range", Score_Text("", 2.0f, 99), true, true, true},
      {"a colour code out of range", Score_Text("0.500 4 12 "), true, true, true},
      {"a disc colour code out of range", Score_Text("0.500 1 0 0.00 0.00 0.00 0.00 -1 "), true, true, true},
      {"a brick index out of range", Score_Text("0.500 0 3 "), true, true, true},
      {"a negative brick index", Score_Text("0.500 0 -1 "), true, true, true},
      {"a disc index out of range", Score_Text("0.500 2 0 "), true, true, true},
      {"a disc state for a missing disc", Score_Text("0.500 3 4 1.00 1.00 1.00 1.00 "), true, true, true},
      {"a disc far outside the field", Score_Text("0.500 1 0 1e20 0.00 0.00 0.00 6 "), true, true, true},
      {"a disc speed that is no number", Score_Text("0.200 1 0 0.00 0.00 1.00 1.00 6 0.500 3 0 0.00 0.00 nan 0.00 "),
       true, true, true},
      {"a shooter angle out of range", Score_Text("0.500 5 400 "), true, true, true},
      {"an unknown event type", Score_Text("0.500 9 1 "), true, false, true},
      {"a negative event type", Score_Text("0.500 -1 1 "), true, false, true},
      {"an event type that is no number", Score_Text("0.500 x 1 "), true, false, true},
      {"an event cut short at the end of the file", header + "0.500 1 0 1.00", true, false, true},
      {"no end event", header + "0.500 5 45 1.000 5 50 ", true, false, true},
      {"an event time that is no number", Score_Text("nan 5 45 "), true, false, true},
      {"an event time far beyond the run", Score_Text("1e30 5 45 "), true, false, true},
      {"an event time beyond the run", Score_Text("60.000 5 45 "), true, false, true},
  };
  const float dt = 1.0f / 60.0f;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto g = Replay_Field();
    ReplayPlayer player;
    ASSERT_EQ(player.Open_Text(c.text, *g), c.opens);
    if (!c.opens) {
      EXPECT_FALSE(player.Problems().empty()) << "says why";
      EXPECT_FALSE(player.Is_Open());
      EXPECT_EQ(player.Step(*g, dt), ReplayStep::ENDED);
      continue;
    }
    const int frames = Play_To_End(player, *g, dt, static_cast<int>((player.Time() + 2.0f) / dt));
    EXPECT_GT(frames, 0) << "ends within the run's time and a little";
    EXPECT_EQ(player.Reached_End_Event(), c.reaches_end);
    EXPECT_EQ(!player.Problems().empty(), c.damaged)
        << (player.Problems().empty() ? std::string("no problems") : player.Problems().front());
    EXPECT_LE(g->DiscCount, kMaxDiscs);
    EXPECT_EQ(player.Step(*g, dt), ReplayStep::ENDED) << "and stays ended";
  }
}

TEST(ReplayPlayer, RandomTextNeverCrashesNorPlaysOn) {
  // Score-file-like noise: a readable header, then tokens that are mostly
  // plausible numbers; and plain random bytes.
  const char* tokens[] = {"0",  "1",   "2",   "3",    "4",    "5",   "6",   "7",   "9",     "-1",  "40",
                          "0.5", "1.9", "-3.25", "1e30", "-1e30", "nan", "inf", "x",   "0x10",  "2.5e-3", "99999999999"};
  const float dt = 1.0f / 60.0f;
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    std::string text;
    if (seed % 3 == 0) {
      const size_t n = rng() % 400;
      for (size_t i = 0; i < n; ++i) text += static_cast<char>(rng() % 256);
    } else {
      text = "1.03 Noise 2.000000 0.000 4 " + std::to_string(rng() % 12) + " ";
      float clock = 0.0f;
      const size_t n = rng() % 300;
      for (size_t i = 0; i < n; ++i) {
        if (rng() % 6 == 0) {  // a time that moves on, so that events keep coming
          clock += 0.01f * static_cast<float>(rng() % 10);
          text += std::to_string(clock) + " ";
        } else {
          text += std::string(tokens[rng() % std::size(tokens)]) + " ";
        }
      }
    }
    auto g = Replay_Field();
    ReplayPlayer player;
    if (!player.Open_Text(text, *g)) continue;
    ASSERT_LT(player.Time(), 100.0f);
    EXPECT_GT(Play_To_End(player, *g, dt, static_cast<int>((player.Time() + 2.0f) / dt)), 0);
    EXPECT_GE(g->DiscCount, 0);
    EXPECT_LE(g->DiscCount, kMaxDiscs);
    EXPECT_GE(g->BrickCount, 0);
  }
}
