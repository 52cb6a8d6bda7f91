// The command line as a table: what each good line sets, and the reason a
// bad one gives.
#include <gtest/gtest.h>

#include <vector>

#include "frontend/command_line.h"

namespace {

CommandLine Parse(std::vector<const char*> words, GameOptions& o, std::string& error) {
  words.insert(words.begin(), "prismel");
  return Parse_Command_Line(static_cast<int>(words.size()), words.data(), o, error);
}

}  // namespace

TEST(CommandLine, GoodLinesSetTheirOptions) {
  GameOptions o;
  std::string error;
  ASSERT_EQ(Parse({"--level", "0", "--fullscreen", "--log", "l.rtf", "--data", "/d", "--service", "http://s",
                   "--replay", "001.001", "--script", "s.txt"},
                  o, error),
            CommandLine::RUN)
      << error;
  EXPECT_EQ(o.level, 0);
  EXPECT_EQ(o.fullscreen, 1);
  EXPECT_EQ(o.log, "l.rtf");
  EXPECT_EQ(o.data, "/d");
  EXPECT_EQ(o.service, "http://s");
  EXPECT_EQ(o.replay, "001.001");
  EXPECT_EQ(o.script, "s.txt");
  GameOptions later;
  EXPECT_EQ(Parse({"--fullscreen", "--windowed", "--level", "60"}, later, error), CommandLine::RUN);
  EXPECT_EQ(later.fullscreen, 0) << "the last word wins";
  EXPECT_EQ(later.level, 60);
  EXPECT_EQ(Parse({}, later, error), CommandLine::RUN);
  EXPECT_EQ(Parse({"--level", "3", "--help", "--bogus"}, later, error), CommandLine::HELP);
  EXPECT_EQ(Parse({"--version"}, later, error), CommandLine::VERSION);
}

TEST(CommandLine, BadLinesSayWhy) {
  struct Case {
    std::vector<const char*> words;
    const char* reason;
  } cases[] = {
      {{"--level", "99"}, "--level takes a level number from 0 (the tutorial) to 60, not [99]"},
      {{"--level", "-1"}, "--level takes a level number from 0 (the tutorial) to 60, not [-1]"},
      {{"--level", "7x"}, "--level takes a level number from 0 (the tutorial) to 60, not [7x]"},
      {{"--level"}, "--level takes a level number from 0 (the tutorial) to 60"},
      {{"--log"}, "--log needs a value"},
      {{"--data", ""}, "--data needs a value"},
      {{"--fast"}, "unknown option [--fast]"},
      {{"level"}, "unknown option [level]"},
  };
  for (const Case& c : cases) {
    GameOptions o;
    std::string error;
    EXPECT_EQ(Parse(c.words, o, error), CommandLine::BAD) << c.reason;
    EXPECT_EQ(error, c.reason);
  }
}
