// What the pages and the JSON API write: escaping of anything stored, the
// medals by the game's rule, totals, and a page that holds what it should.
#include <gtest/gtest.h>

#include <string>

#include "service/display_text.h"
#include "service/json_api.h"
#include "service/leaderboard_page.h"
#include "service/player_medal.h"

namespace {

TEST(Display, HtmlEscapeLeavesNoMarkup) {
  EXPECT_EQ(Html_Escape("Alice7"), "Alice7");
  EXPECT_EQ(Html_Escape("<script>alert('x')</script>"), "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;");
  EXPECT_EQ(Html_Escape("\"a\" & b"), "&quot;a&quot; &amp; b");
  EXPECT_EQ(Html_Escape("&amp;"), "&amp;amp;") << "escaped text is escaped again, not trusted";
}

TEST(Display, JsonStringsAreEscaped) {
  EXPECT_EQ(Json_String("Alice7"), "\"Alice7\"");
  EXPECT_EQ(Json_String("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
  EXPECT_EQ(Json_String("</script>"), "\"\\u003c/script\\u003e\"");
}

// Names cannot carry markup through the protocol; a store that someday
// holds one must still not put it on a page.
TEST(Display, PagesEscapeEveryStoredName) {
  const std::string hostile = "<img src=x onerror=alert(1)>";
  ScoreRecord r;
  r.id = 3;
  r.level = 2;
  r.name = hostile;
  r.time_text = "12.500000";
  r.seconds = 12.5;
  Leaderboard board;
  board.best = {r};
  board.latest = {r};
  board.climbing = {{hostile, 1, 12.5}};
  for (const std::string& page : {Leaderboard_Page(board), Level_Page(2, {r})}) {
    EXPECT_EQ(page.find(hostile), std::string::npos);
    EXPECT_NE(page.find(Html_Escape(hostile)), std::string::npos);
  }
  EXPECT_EQ(Levels_Json({r}).find(hostile), std::string::npos) << "nor in the JSON, in case a page embeds it";
}

TEST(Display, LeaderboardShowsEveryLevelAndLinksTheFiles) {
  ScoreRecord r;
  r.id = 41;
  r.level = 60;
  r.name = "Quill";
  r.seconds = 10.800007;
  Leaderboard board;
  board.best = {r};
  board.complete = {{"Quill", 60, 2000.0}};
  const std::string page = Leaderboard_Page(board);
  EXPECT_NE(page.find("href=\"/prismel/level/1\""), std::string::npos);
  EXPECT_NE(page.find("href=\"/prismel/level/60\""), std::string::npos);
  EXPECT_NE(page.find("href=\"/prismel/file/41\""), std::string::npos);
  EXPECT_NE(page.find("10.80"), std::string::npos);
  EXPECT_NE(page.find("33:20.00"), std::string::npos) << "the total";
  EXPECT_NE(page.find(">Gold<"), std::string::npos);
  EXPECT_EQ(page.find("http"), std::string::npos) << "nothing is fetched from elsewhere";
  EXPECT_EQ(page.find("<script"), std::string::npos);
}

TEST(Display, MedalsFollowTheGamesRule) {
  struct Case {
    int levels;
    double total;
    const char* medal;
  };
  const Case cases[] = {
      {60, 1500.0, "Gold"}, {60, 2100.0, "Gold"}, {60, 2100.5, "Silver"}, {59, 100.0, "Bronze"}, {1, 5.0, "Bronze"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Player_Medal({"P", c.levels, c.total}), c.medal) << c.levels << " levels, " << c.total << " s";
  }
}

TEST(Display, TotalsRoundToHundredthsBeforeSplitting) {
  EXPECT_EQ(Total_Text(0.0), "0:00.00");
  EXPECT_EQ(Total_Text(59.999), "1:00.00");
  EXPECT_EQ(Total_Text(2100.0), "35:00.00");
  EXPECT_EQ(Total_Text(3725.5), "1:02:05.50");
  EXPECT_EQ(Date_Text(0), "1970-01-01 00:00 UTC");
  EXPECT_EQ(Iso_Date(1714567890), "2024-05-01T12:51:30Z");
}

}  // namespace
