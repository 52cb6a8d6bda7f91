// Score file text and the replay event format, as written byte for byte:
// the web service and older readers parse them with fixed formats.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "scores/replay_format.h"
#include "scores/replay_recorder.h"
#include "scores/score_file.h"
#include "score_file_check.h"
#include "temp_dir.h"

namespace {

std::string Printed(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%f", v);
  return buf;
}

ReplayEvent Event(ReplayEventType type, float time, int arg = 0, Vec3 p = {}, Vec3 v = {}, Color c = {}) {
  ReplayEvent e;
  e.type = type;
  e.time = time;
  e.arg = arg;
  e.position = p;
  e.velocity = v;
  e.color = c;
  return e;
}

}  // namespace

TEST(ScoreFile, HeaderRecordingEndEventAndTrailerOnOneLine) {
  const std::string text = Score_File_Text("0.000 4 6 1.500 5 45 ", "Abc", 12.5f);
  EXPECT_EQ(text.rfind("1.03 Abc 12.500000 0.000 4 6 1.500 5 45 12.500000 6 ", 0), 0u) << text;
  EXPECT_EQ(text, "1.03 Abc 12.500000 0.000 4 6 1.500 5 45 12.500000 6 " + Score_Trailer("Abc", 12.5f));
  const ScoreFileParts p = Split_Score_File(text);
  ASSERT_EQ(p.why, "") << text;
  EXPECT_EQ(p.name, "Abc");
  EXPECT_EQ(p.events, (std::vector<std::string>{"0.000", "4", "6", "1.500", "5", "45"}));
  EXPECT_EQ(p.trailer.size(), 13u);
}

TEST(ScoreFile, RecordingIsRewrittenAsTokensOfAtMostTwentyCharacters) {
  // Line breaks, tabs and runs of blanks in the recording become single
  // blanks; a longer token is cut into pieces of twenty characters.
  const std::string recording = "0.000  4\t6\n1.250 5 ABCDEFGHIJKLMNOPQRSTUVWXY   ";
  const std::string text = Score_File_Text(recording, "Zed", 2.0f);
  EXPECT_EQ(text.rfind("1.03 Zed 2.000000 0.000 4 6 1.250 5 ABCDEFGHIJKLMNOPQRST UVWXY 2.000000 6 ", 0), 0u)
      << text;
  EXPECT_EQ(Split_Score_File(text).why, "");
}

TEST(ScoreFile, TrailerIsSingleProductsNameLengthAndCheckCode) {
  const auto& m = Trailer_Multipliers();
  const struct {
    const char* name;
    float seconds;
    int length, check;  // check: last character's code + length
  } cases[] = {
      {"Abc", 12.5f, 3, 102},
      {"a", 12.5f, 1, 98},
      {"", 12.5f, 0, 0},
      {"Zed9", 123.456f, 4, '9' + 4},
      {"ABCDEFGHIJKLMNO", 37.817f, 15, 'O' + 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("name [") + c.name + "] " + Printed(c.seconds));
    const std::string trailer = Score_Trailer(c.name, c.seconds);
    EXPECT_NE(trailer.back(), ' ');
    std::istringstream in(trailer);
    const std::vector<std::string> got{std::istream_iterator<std::string>(in), {}};
    std::vector<std::string> want;
    for (int i = 0; i < 5; ++i) want.push_back(Printed(m[static_cast<size_t>(i)] * c.seconds));
    want.push_back(std::to_string(c.length));
    want.push_back(std::to_string(c.check));
    for (int i = 5; i < kTrailerMultiplierCount; ++i) want.push_back(Printed(m[static_cast<size_t>(i)] * c.seconds));
    EXPECT_EQ(got, want);
  }
  // The products are single precision: for this time a double product
  // prints differently, so the case above tells the two apart.
  int differing = 0;
  for (float k : m) differing += Printed(k * 123.456f) != Printed(static_cast<double>(k) * 123.456f);
  EXPECT_GT(differing, 0);
}

TEST(ReplayFormat, EventsInTheirExactText) {
  using namespace colors;
  const struct {
    ReplayEvent e;
    const char* text;
  } cases[] = {
      {Event(EVENT_BRICK_REMOVED, 1.5f, 12), "1.500 0 12 "},
      {Event(EVENT_DISC_REMOVED, 0.25f, 3), "0.250 2 3 "},
      {Event(EVENT_SHOOTER_ANGLE, 7.375f, 135), "7.375 5 135 "},
      {Event(EVENT_DISC_CREATED, 2.0f, 1, {-3.5f, 40.25f, 0}, {12, -7.75f, 0}, kRed),
       "2.000 1 1 -3.50 40.25 12.00 -7.75 6 "},
      {Event(EVENT_DISC_CREATED, 0.125f, 0, {0, -38.5f, 0}, {0.3f, 50, 0}, kHollowBrick),
       "0.125 1 0 0.00 -38.50 0.30 50.00 8 "},
      {Event(EVENT_DISC_STATE, 3.75f, 2, {1.0f, -2.25f, 9}, {-0.5f, 0.75f, 9}), "3.750 3 2 1.00 -2.25 -0.50 0.75 "},
      {Event(EVENT_SHOOTER_COLOR, 4.5f, 0, {}, {}, kPurple), "4.500 4 5 "},
  };
  for (const auto& c : cases) EXPECT_EQ(Format_Replay_Event(c.e), c.text) << "type " << c.e.type;
}

TEST(ReplayFormat, ColourCodesBothWays) {
  using namespace colors;
  const struct {
    Color c;
    int code;
  } cases[] = {
      {kBlack, 0},  {kBlue, 1}, {kGray, 2},    {kGreen, 3},         {kOrange, 4},         {kPurple, 5},
      {kRed, 6},    {kYellow, 7}, {kWhite, 8}, {kUnknown, 8},       {kHollowBrick, 8},    {{1.0f, 0.0f, 0.001f}, 8},
  };
  for (const auto& c : cases) {
    const std::string code = std::to_string(c.code);
    EXPECT_EQ(Format_Replay_Event(Event(EVENT_SHOOTER_COLOR, 1.0f, 0, {}, {}, c.c)), "1.000 4 " + code + " ");
    EXPECT_EQ(First_Replay_Event(c.c), "0.000 4 " + code + " ");
  }
  for (int code = 0; code <= 8; ++code) {
    Color back(9, 9, 9);
    ASSERT_TRUE(Code_Color(code, back)) << code;
    EXPECT_EQ(Color_Code(back), code);
  }
  for (int code : {-1, 9, 1000}) {
    Color kept = kOrange;
    EXPECT_FALSE(Code_Color(code, kept)) << code;
    EXPECT_EQ(kept, kOrange) << "left unchanged";
  }
}

TEST(ReplayRecorder, WritesTheFirstColourThenEveryEventInOrder) {
  TempDir dir;
  const std::string path = dir.File("replay_1.tmp");
  ReplayRecorder r;
  r.Record(Event(EVENT_SHOOTER_ANGLE, 0.5f, 60));  // nothing open: dropped
  ASSERT_TRUE(r.Open(path, colors::kGreen));
  r.Record(Event(EVENT_SHOOTER_ANGLE, 0.5f, 60));
  // Two events of one frame carry the same clock value; the file keeps
  // them in the order they happened.
  r.Record(Event(EVENT_DISC_REMOVED, 1.25f, 4));
  r.Record(Event(EVENT_DISC_REMOVED, 1.25f, 1));
  r.Record(Event(EVENT_SHOOTER_COLOR, 1.25f, 0, {}, {}, colors::kYellow));
  EXPECT_TRUE(r.Close());
  r.Record(Event(EVENT_BRICK_REMOVED, 2.0f, 0));  // closed: dropped
  EXPECT_EQ(Slurp(path), "0.000 4 3 0.500 5 60 1.250 2 4 1.250 2 1 1.250 4 7 ");

  ASSERT_TRUE(r.Open(path, colors::kBlue));  // a new attempt starts afresh
  r.Record(Event(EVENT_BRICK_REMOVED, 0.75f, 2));
  ASSERT_TRUE(r.Open(path, colors::kRed)) << "a second Open closes the first";
  EXPECT_TRUE(r.Close());
  EXPECT_EQ(Slurp(path), "0.000 4 6 ");

  EXPECT_FALSE(r.Open(dir.File("no/such/folder/replay_1.tmp"), colors::kRed));
  EXPECT_FALSE(r.Is_Open());
  r.Record(Event(EVENT_BRICK_REMOVED, 0.75f, 2));
}
