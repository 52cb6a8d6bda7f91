// Check_Score_File, the service's judgement of an uploaded score file: the
// runs the game really records must pass, on every level, and each kind of
// file the game could never have written must be refused with its reason.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "scores/score_check.h"
#include "scores/score_file.h"
#include "service/testing/recorded_run.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\n";
  return out;
}

std::string Stamp(float t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", t);
  return buf;
}

std::string Printed(float t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%f", t);
  return buf;
}

// The blank-separated tokens of a score file.
std::vector<std::string> Tokens(const std::string& text) {
  std::vector<std::string> out;
  size_t at = 0;
  while (at < text.size()) {
    size_t blank = text.find(' ', at);
    if (blank == std::string::npos) blank = text.size();
    out.push_back(text.substr(at, blank - at));
    at = blank + 1;
  }
  return out;
}

// The times of the events of one type, in file order (the first colour
// event included).
std::vector<float> Times_Of(const std::string& text, int type) {
  static const int kPayload[] = {1, 6, 1, 5, 1, 1};
  const std::vector<std::string> t = Tokens(text);
  std::vector<float> out;
  for (size_t i = 3; i + 1 < t.size() && t[i + 1] != "6"; i += 2 + static_cast<size_t>(kPayload[std::stoi(t[i + 1])])) {
    if (std::stoi(t[i + 1]) == type) out.push_back(std::stof(t[i]));
  }
  return out;
}

// Puts an event ("TIME TYPE PAYLOAD") into a score file after every event
// of its time or earlier, so that the order stays right.
std::string Insert_Event(const std::string& text, const std::string& event) {
  static const int kPayload[] = {1, 6, 1, 5, 1, 1};
  const float at = std::stof(event);
  const std::vector<std::string> t = Tokens(text);
  size_t i = 3, offset = 0;
  for (size_t k = 0; k < i; ++k) offset += t[k].size() + 1;
  while (t[i + 1] != "6" && std::stof(t[i]) <= at) {
    const size_t next = i + 2 + static_cast<size_t>(kPayload[std::stoi(t[i + 1])]);
    for (size_t k = i; k < next; ++k) offset += t[k].size() + 1;
    i = next;
  }
  return text.substr(0, offset) + event + " " + text.substr(offset);
}

std::string Replace_First(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class ScoreCheck : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    state_ = std::make_unique<GameState>();
    ASSERT_TRUE(Prepare_Check_State(*state_, PRISMEL_BUILD_DIR)) << "no data/models.pak in the build folder";
    level_one_ = Record_Solution_Run(*state_, 1, PRISMEL_SOLUTIONS_DIR, "Tester");
    ASSERT_TRUE(level_one_.completed);
  }
  static void TearDownTestSuite() { state_.reset(); }

  static std::vector<std::string> Check(const std::string& text, int level, const std::string& name,
                                        const std::string& time_text) {
    return Check_Score_File(text, level, name, time_text, *state_);
  }

  // A short hand-made run on level 1: the first colour, then `events`.
  static constexpr float kHandTime = 5.0f;
  static std::string Hand_Made(const std::string& events) {
    return Score_File_Text("0.000 4 1 " + events, "Tester", kHandTime);
  }
  static std::vector<std::string> Check_Hand_Made(const std::string& events) {
    return Check(Hand_Made(events), 1, "Tester", Printed(kHandTime));
  }

  static std::unique_ptr<GameState> state_;
  static RecordedRun level_one_;
};

std::unique_ptr<GameState> ScoreCheck::state_;
RecordedRun ScoreCheck::level_one_;

TEST_F(ScoreCheck, AcceptsTheRecordedRunOfEveryLevel) {
  for (int level = 1; level <= 60; ++level) {
    const RecordedRun run = Record_Solution_Run(*state_, level, PRISMEL_SOLUTIONS_DIR, "Player" + std::to_string(level));
    ASSERT_TRUE(run.completed) << "level " << level;
    EXPECT_EQ(Joined(Check(run.score_file, level, "Player" + std::to_string(level), run.time_text)), "")
        << "level " << level << ", " << run.time_text << " s";
  }
}

// Below 16 s two floats can print as the same "%f" text; the trailer was made
// from whichever the game held, and both must pass.
TEST_F(ScoreCheck, AcceptsEveryFloatThatPrintsAsTheUploadedTime) {
  const float printed_alike[] = {11.449999f, std::nextafter(11.449999f, 0.0f), std::nextafter(11.449999f, 20.0f)};
  for (const float t : printed_alike) {
    if (Printed(t) != Printed(printed_alike[0])) continue;
    const std::string text = Score_File_Text("0.000 4 1 ", "Tester", t);
    EXPECT_EQ(Joined(Check(text, 1, "Tester", Printed(printed_alike[0]))), "") << "time held as " << t;
  }
}

// The float level clock falls behind the frames it counts on a run of
// hours; the replay must still reach the end event.
TEST_F(ScoreCheck, PlaysTheLongestRunToItsEnd) {
  const float longest = 9999.0f;
  EXPECT_EQ(Joined(Check(Score_File_Text("0.000 4 1 ", "Tester", longest), 1, "Tester", Printed(longest))), "");
}

TEST_F(ScoreCheck, ShotAndTurnLimitsAllowForMillisecondStamps) {
  struct Case {
    const char* what;
    std::string events;
    bool good;
  };
  const Case cases[] = {
      {"shots 0.998 s apart", "1.000 4 2 1.998 4 1 ", true},
      {"shots 0.997 s apart", "1.000 4 2 1.997 4 1 ", false},
      {"a colour at 0.500 s, then a shot at 1.000 s", "0.500 4 2 1.000 4 1 ", false},
      // 50 degrees a second for 0.1 s, one for truncation, 0.05 for the stamps.
      {"6 degrees in 0.1 s", "1.000 5 90 1.100 5 96 ", true},
      {"7 degrees in 0.1 s", "1.000 5 90 1.100 5 83 ", false},
      {"back and forth at full speed", "1.000 5 90 1.100 5 96 1.200 5 90 ", true},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> problems = Check_Hand_Made(c.events);
    EXPECT_EQ(problems.empty(), c.good) << c.what << ":\n" << Joined(problems);
  }
}

TEST_F(ScoreCheck, RefusesWhatTheGameCouldNeverHaveWritten) {
  const RecordedRun& run = level_one_;
  const std::string good = run.score_file;
  const std::string time = run.time_text;
  const float first_shot = Times_Of(good, 4).at(1);
  const float first_angle = Times_Of(good, 5).at(0);
  using Mutation = std::function<std::string(const std::string&)>;
  struct Case {
    const char* what;
    Mutation change;
    int level;
    std::string name, time;
    const char* reason;  // a piece of the first problem's text
  };
  const Mutation same = [](const std::string& s) { return s; };
  const std::string end_event = time + " 6 ";
  const Case cases[] = {
      {"another level's number", same, 61, "Tester", time, "has no scores"},
      {"the tutorial", same, 0, "Tester", time, "has no scores"},
      {"uploaded under another name", same, 1, "Someone", time, "uploaded as"},
      {"uploaded with another time", same, 1, "Tester", "12.000000", "not the upload's"},
      {"a time the game cannot print", same, 1, "Tester", "11.45", "no time the game prints"},
      {"empty", [](const std::string&) { return std::string(); }, 1, "Tester", time, "not one line"},
      {"two lines", [](const std::string& s) { return s + "\n"; }, 1, "Tester", time, "not one line"},
      {"a double blank", [](const std::string& s) { return Replace_First(s, "0.000 4", "0.000  4"); }, 1, "Tester",
       time, "not one line"},
      {"no header", [](const std::string& s) { return "x" + s.substr(s.find(' ')); }, 1, "Tester", time,
       "no header"},
      {"another version", [](const std::string& s) { return "1.02" + s.substr(4); }, 1, "Tester", time, "version"},
      {"first event not at 0", [](const std::string& s) { return Replace_First(s, "0.000 4", "0.001 4"); }, 1,
       "Tester", time, "first event"},
      {"end event at another time",
       [&](const std::string& s) { return Replace_First(s, end_event, "12.000000 6 "); }, 1, "Tester", time,
       "end event"},
      {"an unknown event type", [&](const std::string& s) { return Replace_First(s, end_event, "1.000 9 "); }, 1,
       "Tester", time, "unknown type"},
      {"no end event", [&](const std::string& s) { return s.substr(0, s.find(end_event) - 1); }, 1, "Tester", time,
       "no end event"},
      {"a changed trailer digit",
       [](const std::string& s) {
         std::string t = s;
         t[t.size() - 1] = t.back() == '1' ? '2' : '1';
         return t;
       },
       1, "Tester", time, "trailer does not belong"},
      {"a number cut off the trailer", [](const std::string& s) { return s.substr(0, s.rfind(' ')); }, 1, "Tester",
       time, "not 13"},
      {"the trailer of another name",
       [&](const std::string& s) {
         return s.substr(0, s.find(end_event) + end_event.size()) + Score_Trailer("Tester2", run.seconds);
       },
       1, "Tester", time, "trailer does not belong"},
      {"cut off inside an event",
       [&](const std::string& s) { return s.substr(0, s.find(end_event)) + Stamp(run.seconds - 0.5f) + " 3 0 1.00"; },
       1, "Tester", time, "truncated"},
      {"a word for a number", [](const std::string& s) { return Insert_Event(s, "0.000 3 0 1.00 x 0.00 0.00"); }, 1,
       "Tester", time, "unreadable number"},
      {"an event time that is no millisecond stamp",
       [](const std::string& s) { return Insert_Event(s, "0.5 5 90"); }, 1, "Tester", time, "to the millisecond"},
      {"an event after the end",
       [&](const std::string& s) { return Insert_Event(s, Stamp(run.seconds + 0.5f) + " 5 90"); }, 1, "Tester", time,
       "after the end of the run"},
      {"events out of order",
       [&](const std::string& s) {
         return Replace_First(s, Stamp(first_angle) + " 5 ", Stamp(first_shot + 0.5f) + " 5 ");
       },
       1, "Tester", time, "before the event ahead of it"},
      {"a second shot within the second",
       [&](const std::string& s) { return Insert_Event(s, Stamp(first_shot + 0.5f) + " 4 1"); }, 1, "Tester", time,
       "less than a second apart"},
      {"a turn faster than the shooter",
       [&](const std::string& s) { return Insert_Event(s, Stamp(first_angle) + " 5 160"); }, 1, "Tester", time,
       "faster than it can"},
      {"a ring flag of 2",
       [](const std::string& s) { return Insert_Event(s, "0.000 1 2 0.00 -30.00 0.00 30.00 1"); }, 1, "Tester", time,
       "ring flag"},
      {"a brick that is not there", [](const std::string& s) { return Insert_Event(s, "0.000 0 3"); }, 1, "Tester",
       time, "brick index [3] out of range"},
      {"a disc that is not there", [](const std::string& s) { return Insert_Event(s, "0.000 2 7"); }, 1, "Tester",
       time, "disc index [7] out of range"},
      {"a colour code past the table", [](const std::string& s) { return Insert_Event(s, "0.000 4 9"); }, 1,
       "Tester", time, "colour code [9]"},
      {"a new disc of no colour",
       [](const std::string& s) { return Insert_Event(s, "0.000 1 0 0.00 -30.00 0.00 30.00 -1"); }, 1, "Tester", time,
       "colour code [-1]"},
      {"an angle past the circle", [](const std::string& s) { return Insert_Event(s, "0.000 5 400"); }, 1, "Tester",
       time, "faster than it can"},
  };
  ASSERT_TRUE(Check(good, 1, "Tester", time).empty()) << Joined(Check(good, 1, "Tester", time));
  for (const Case& c : cases) {
    const std::string text = c.change(good);
    const std::vector<std::string> problems = Check(text, c.level, c.name, c.time);
    ASSERT_FALSE(problems.empty()) << c.what;
    EXPECT_NE(Joined(problems).find(c.reason), std::string::npos) << c.what << ":\n" << Joined(problems);
  }
}

// The player judges indexes by the field as it is at each moment: a disc
// that was removed cannot be removed again.
TEST_F(ScoreCheck, JudgesIndexesByTheFieldAtThatMoment) {
  const std::string new_disc = "0.500 1 0 0.00 -30.00 0.00 30.00 1 ";
  EXPECT_EQ(Joined(Check_Hand_Made(new_disc + "1.000 2 1 ")), "") << "level 1 has one disc; the new one is the second";
  EXPECT_NE(Joined(Check_Hand_Made("1.000 2 1 ")).find("disc index [1] out of range"), std::string::npos)
      << "without the new disc there is no second";
  const std::vector<std::string> twice = Check_Hand_Made(new_disc + "1.000 2 1 1.500 2 1 ");
  ASSERT_EQ(twice.size(), 1u) << Joined(twice);
  EXPECT_NE(twice.front().find("disc index [1] out of range"), std::string::npos) << Joined(twice);
}

}  // namespace
