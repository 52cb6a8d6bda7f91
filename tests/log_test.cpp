#include <gtest/gtest.h>

#include <regex>

#include "engine/log.h"
#include "temp_dir.h"

namespace {

std::tm At(int year, int month, int day, int h, int m, int s) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = h;
  t.tm_min = m;
  t.tm_sec = s;
  return t;
}

}  // namespace

TEST(Log, HeaderIsByteExactWithMonthFirst) {
  EXPECT_EQ(Log_Header(At(2026, 3, 7, 9, 5, 3)),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier "
            "New;}{\\f1\\fnil\\fcharset0 Courier New;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
            "{\\*\\generator Msftedit 5.41.15.1503;}\\viewkind4\\uc1\\pard\\fs20"
            "--------------------------------------\\par Logging started: 03/07/2026 - 09:05:03\\par"
            "---------------------------------------\\par\\par");
}

TEST(Log, EntryPerLevel) {
  const std::tm t = At(2026, 3, 7, 23, 0, 9);
  struct Case {
    int level;
    const char* expected;
  } cases[] = {
      {0, " \\cf1\\f0 23:00:09 :: hello\\cf0\\f1\\par"},
      {1, " \\cf2\\f0 23:00:09 :: hello\\cf0\\f1\\par"},
      {2, " \\cf3\\f0 23:00:09 :: hello\\cf0\\f1\\par"},
      {3, " \\cf4\\f0 23:00:09 :: hello\\cf0\\f1\\par"},
      {4, ""},
      {-1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Log_Entry(c.level, t, "hello"), c.expected) << c.level;
}

TEST(Log, BackslashesBecomeSlashesAndBracesStay) {
  EXPECT_EQ(Log_Entry(0, At(2026, 1, 1, 0, 0, 0), "C:\\data\\a.pak {x}"),
            " \\cf1\\f0 00:00:00 :: C:/data/a.pak {x}\\cf0\\f1\\par");
}

TEST(Log, FileHoldsHeaderThenEntriesCutAt1023) {
  TempDir dir;
  const std::string path = dir.File("log.rtf");
  std::FILE* f = Log_Open(path.c_str(), true);
  ASSERT_NE(f, nullptr);
  Log_Write(f, 1, "CKorvidAudio::Load() :: failed (could not find file [%s])", "a\\b.ogg");
  Log_Write(f, 5, "never written");
  Log_Write(f, 0, "%s", std::string(2000, 'x').c_str());
  // Everything is on disk before the stream is closed: each entry is flushed.
  const std::string text = Slurp(path);
  Log_Close(f);

  EXPECT_TRUE(std::regex_search(text, std::regex("Logging started: \\d\\d/\\d\\d/\\d{4} - \\d\\d:\\d\\d:\\d\\d")));
  EXPECT_NE(text.find(":: CKorvidAudio::Load() :: failed (could not find file [a/b.ogg])\\cf0\\f1\\par"),
            std::string::npos);
  EXPECT_EQ(text.find("never written"), std::string::npos);
  EXPECT_NE(text.find(":: " + std::string(1023, 'x') + "\\cf0"), std::string::npos);
  EXPECT_EQ(text.back(), 'r');  // the outer group is never closed
}

TEST(Log, NoPathMeansNoStreamAndSilentCalls) {
  EXPECT_EQ(Log_Open("", true), nullptr);
  EXPECT_EQ(Log_Open(nullptr, true), nullptr);
  Log_Write(nullptr, 1, "nothing %d", 1);  // must not crash
}

TEST(Log, AppendModeWritesNoHeader) {
  TempDir dir;
  const std::string path = dir.Write("log.rtf", "old");
  std::FILE* f = Log_Open(path.c_str(), false);
  ASSERT_NE(f, nullptr);
  Log_Close(f);
  EXPECT_EQ(Slurp(path), "old");
}
