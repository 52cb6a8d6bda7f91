// Game scripts: what each command line becomes, and a clear error with the
// line number for every kind of bad line.
#include <gtest/gtest.h>

#include "frontend/script.h"
#include "game/game_state.h"

TEST(ScriptParse, CommandsAndTheirArguments) {
  const std::string text =
      "# a comment line\n"
      "\n"
      "until mode menu 30   # names in any case\n"
      "click 70 59.2\n"
      "click\n"
      "press SPACE\n"
      "key down left\n"
      "type Ab12\n"
      "expect Sound 1\n"
      "expect status COMPLETE\n"
      "play levels/solutions/level_001.txt\n"
      "wait 0.5\n";
  std::vector<ScriptCommand> c;
  std::string error;
  ASSERT_TRUE(Parse_Script(text, c, error)) << error;
  ASSERT_EQ(c.size(), 10u);
  EXPECT_EQ(c[0].op, ScriptOp::UNTIL);
  EXPECT_EQ(c[0].line, 3);
  EXPECT_EQ(c[0].value, MODE_MENU);
  EXPECT_FLOAT_EQ(c[0].seconds, 30.0f);
  EXPECT_TRUE(c[1].has_position);
  EXPECT_FLOAT_EQ(c[1].y, 59.2f);
  EXPECT_FALSE(c[2].has_position) << "a click where the pointer is";
  EXPECT_EQ(c[3].key, VK_SPACE);
  EXPECT_EQ(c[4].op, ScriptOp::KEY_DOWN);
  EXPECT_EQ(c[4].key, VK_LEFT);
  EXPECT_EQ(c[5].text, "Ab12");
  EXPECT_EQ(c[6].what, "Sound");
  EXPECT_EQ(c[7].value, LEVEL_COMPLETE);
  EXPECT_EQ(c[8].text, "levels/solutions/level_001.txt");
  EXPECT_FLOAT_EQ(c[9].seconds, 0.5f);
}

TEST(ScriptParse, ABadLineIsNamedWithItsNumber) {
  const struct {
    const char* line;
    const char* says;
  } cases[] = {
      {"wait", "wait needs a number of seconds"},
      {"wait soon", "wait needs a number of seconds"},
      {"wait nan", "wait needs a number of seconds"},
      {"press NOSUCHKEY", "unknown key [NOSUCHKEY]"},
      {"key sideways A", "key needs down or up"},
      {"click 10", "click needs X Y"},
      {"move", "move needs X Y"},
      {"type a-b", "letters and digits only"},
      {"until mode NOWHERE", "unknown mode [NOWHERE]"},
      {"until sunrise", "until needs mode NAME"},
      {"until idle -1", "time limit of until must be a positive number"},
      {"expect level two", "expect level needs a whole number"},
      {"expect colour 1", "not [colour]"},
      {"screenshot", "screenshot needs a file name"},
      {"wait 1 2", "unexpected [2] after wait"},
      {"jump", "unknown command [jump]"},
  };
  for (const auto& c : cases) {
    std::vector<ScriptCommand> out;
    std::string error;
    EXPECT_FALSE(Parse_Script(std::string("wait 1\n# fine so far\n") + c.line + "\nwait 1\n", out, error)) << c.line;
    EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << error;
    EXPECT_NE(error.find(c.says), std::string::npos) << c.line << " -> " << error;
  }
}
