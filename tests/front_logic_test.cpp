// The front end's portable logic: the settings file, the medal summary and
// starting the web page opener.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <thread>

#include "engine/log.h"
#include "frontend/config.h"
#include "frontend/medals.h"
#include "frontend/web_page.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Points the game's log at a file for the life of the object.
class LogCapture {
 public:
  explicit LogCapture(const TempDir& dir) : path_(dir.File("log.rtf")), saved_(g_log_stream) {
    g_log_stream = Log_Open(path_.c_str(), true);
  }
  ~LogCapture() {
    Log_Close(g_log_stream);
    g_log_stream = saved_;
  }
  std::string Text() const { return Slurp(path_); }

 private:
  std::string path_;
  std::FILE* saved_;
};

std::string Fields(const Settings& s) {
  std::ostringstream out;
  out << "CameraView " << s.CameraView << " ColorBlindSymbols " << s.ColorBlindSymbols << " Level " << s.Level
      << " Music " << s.Music << " ShowReplayFPS " << s.ShowReplayFPS << " Sound " << s.Sound
      << " UploadHighScores " << s.UploadHighScores;
  return out.str();
}

// Not a single default among them, so a key that is not applied shows.
Settings Junk() { return Settings{7, 7, 7, 7, 7, 7, 7}; }

template <typename Pred>
bool Wait_For(Pred done, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// ---------------------------------------------------------------- config.dat

TEST(ConfigReadValue, ScansWordsAndTakesTheRestOfTheLine) {
  const std::string x249(249, 'x');
  const std::string x300(300, 'x');
  struct Case {
    const char* what;
    std::string text;
    const char* key;
    std::string expected;
  };
  const Case cases[] = {
      {"as written", "1.03\n\nCameraView\t\t\t0\nLevel\t\t\t\t12\n", "Level", "12"},
      {"key in any case", "cAMERAvIEW\t\t\t0\n", "CameraView", "0"},
      {"tabs and \" = \" removed", "Sound\t\t = \t1\n", "Sound", "1"},
      {"a blank is kept for the conversion", "Level 5\n", "Level", " 5"},
      {"nothing after the key", "Level\nSound 1\n", "Level", ""},
      {"first occurrence wins", "Level 3\nLevel 4\n", "Level", " 3"},
      {"any word is a candidate", "Music Level\nLevel 5\n", "Level", ""},
      {"last line without a line feed", "Sound 1\nLevel 3", "Level", "D"},
      {"key at the very end", "Sound 1\nLevel", "Level", "D"},
      {"rest of 250 characters is whole", "Level " + x249 + "\n", "Level", " " + x249},
      {"longer rest is dropped, scan goes on", "Level " + x300 + "\nLevel 9\n", "Level", " 9"},
      {"a long word splits at 250", std::string(250, 'x') + "Level 6\n", "Level", " 6"},
      {"absent key", "Sound 1\n", "Level", "D"},
      {"empty text", "", "Level", "D"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Config_Read_Value(c.text, c.key, "D"), c.expected) << c.what;
  }
}

TEST(ConfigLoad, ConvertsEveryValueAndClampsTheLevel) {
  struct Case {
    const char* line;
    int Settings::*field;
    int expected;
  };
  const Case cases[] = {
      {"Level\t\t\t\t75\n", &Settings::Level, 60},
      {"Level\t\t\t\t-3\n", &Settings::Level, 0},
      {"Level = 60\n", &Settings::Level, 60},
      {"sound 1\n", &Settings::Sound, 1},
      {"ColorBlindSymbols\tyes\n", &Settings::ColorBlindSymbols, 0},
      {"UploadHighScores\n", &Settings::UploadHighScores, 0},  // present but empty: 0, not the default
      {"UploadHighScores\t0", &Settings::UploadHighScores, 1},  // no line feed: the default
      {"CameraView\t\t\t+4 apples\n", &Settings::CameraView, 4},
      {"CameraView\t\t\t0x10\n", &Settings::CameraView, 0},
      {"Music 99999999999999999999\n", &Settings::Music, INT_MAX},
      {"Music -99999999999999999999\n", &Settings::Music, INT_MIN},
      {"ShowReplayFPS\t\t1\r\n", &Settings::ShowReplayFPS, 1},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.Write("config.dat", c.line);
    Settings s = Junk();
    Config_Load(s, path);
    EXPECT_EQ(s.*c.field, c.expected) << c.line;
  }
}

TEST(ConfigLoad, NoReadableFileGivesEveryDefault) {
  TempDir dir;
  fs::create_directory(dir.File("folder.dat"));
  LogCapture log(dir);
  for (const std::string& path : {dir.File("missing.dat"), dir.File("folder.dat")}) {
    Settings s = Junk();
    Config_Load(s, path);
    EXPECT_EQ(Fields(s),
              "CameraView 1 ColorBlindSymbols 0 Level 0 Music 0 ShowReplayFPS 0 Sound 0 UploadHighScores 1")
        << path;
  }
  EXPECT_NE(log.Text().find("Config_Load() :: failed (could not read [" + dir.File("folder.dat") + "])"),
            std::string::npos);
}

TEST(ConfigText, WritesTheFixedLayout) {
  EXPECT_EQ(Config_Text(Settings{}),
            "1.03\n\n"
            "CameraView\t\t\t1\n"
            "ColorBlindSymbols\t0\n"
            "Level\t\t\t\t0\n"
            "Music\t\t\t\t0\n"
            "Sound\t\t\t\t0\n"
            "UploadHighScores\t1\n");
  EXPECT_EQ(Config_Text(Settings{0, 1, 42, 1, 1, 1, 0}),
            "1.03\n\n"
            "CameraView\t\t\t0\n"
            "ColorBlindSymbols\t1\n"
            "Level\t\t\t\t42\n"
            "Music\t\t\t\t1\n"
            "Sound\t\t\t\t1\n"
            "UploadHighScores\t0\n"
            "\n"
            "ShowReplayFPS\t\t1\n");
}

TEST(ConfigSave, ReadsBackWhatWasSavedAndReplacesTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("config.dat");
  // The second save turns the FPS report off: its line goes, and the
  // next run reads the default 0 again.
  for (const Settings& saved : {Settings{0, 1, 42, 1, 1, 1, 0}, Settings{1, 0, 60, 0, 0, 0, 1}}) {
    ASSERT_TRUE(Config_Save(saved, path));
    EXPECT_EQ(Slurp(path), Config_Text(saved));
    Settings loaded = Junk();
    Config_Load(loaded, path);
    EXPECT_EQ(Fields(loaded), Fields(saved));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
      << "a temporary was left behind";
}

TEST(ConfigSave, FailureKeepsTheOldStateAndIsLogged) {
  TempDir dir;
  LogCapture log(dir);
  const std::string nowhere = dir.File("no-such-folder/config.dat");
  EXPECT_FALSE(Config_Save(Settings{}, nowhere));
  EXPECT_FALSE(fs::exists(dir.File("no-such-folder")));
  EXPECT_NE(log.Text().find("Config_Save() :: failed (could not write [" + nowhere + "])"), std::string::npos);

  // The temporary's name is taken by a folder: the old file stays as it was.
  const std::string path = dir.Write("config.dat", "old contents\n");
  fs::create_directory(path + ".tmp");
  EXPECT_FALSE(Config_Save(Settings{}, path));
  EXPECT_EQ(Slurp(path), "old contents\n");
  EXPECT_TRUE(fs::is_directory(path + ".tmp")) << "removed something it had not made";

  // The temporary is written but cannot be renamed over a folder: it goes.
  const std::string folder = dir.File("settings");
  dir.Write("settings/keep", "kept");
  EXPECT_FALSE(Config_Save(Settings{}, folder));
  EXPECT_FALSE(fs::exists(folder + ".tmp"));
  EXPECT_EQ(Slurp(folder + "/keep"), "kept");
}

// ---------------------------------------------------------------- medals

TEST(MedalSummary, StatusMarksAndTexts) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float total;
    bool all;
    MedalStatus status;
    const char* status_text;
    MedalQuarter quarter;
    bool mark_a, mark_b;
    const char* total_text;
  };
  const MedalQuarter bronze{0.0f, 0.0f, 0.5f, 0.5f};
  const MedalQuarter silver{0.5f, 0.5f, 1.0f, 1.0f};
  const MedalQuarter gold{0.0f, 0.5f, 0.5f, 1.0f};
  const Case cases[] = {
      {0.0f, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "0 minutes and 0 seconds"},
      {61.2f, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "1 minute and 2 seconds"},
      {120.0f, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "2 minutes and 0 seconds"},
      // Under the time limit is not enough without every level.
      {1000.0f, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "16 minutes and 40 seconds"},
      {2100.0f, true, MedalStatus::Gold, "Gold status", gold, true, true, "35 minutes and 0 seconds"},
      {2100.5f, true, MedalStatus::Silver, "Silver status", silver, true, false, "35 minutes and 1 seconds"},
      // Rounded up into the next minute rather than "1 minute and 60 seconds".
      {119.9f, true, MedalStatus::Gold, "Gold status", gold, true, true, "2 minutes and 0 seconds"},
      {-5.0f, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "0 minutes and 0 seconds"},
      {nan, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "0 minutes and 0 seconds"},
      {inf, false, MedalStatus::Bronze, "Bronze status", bronze, false, false, "0 minutes and 0 seconds"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "total " << c.total << (c.all ? ", all completed" : ""));
    const MedalSummary m = Medal_Summary(c.total, c.all);
    EXPECT_EQ(m.status, c.status);
    EXPECT_EQ(m.status_text, c.status_text);
    EXPECT_EQ(m.quarter.s0, c.quarter.s0);
    EXPECT_EQ(m.quarter.t0, c.quarter.t0);
    EXPECT_EQ(m.quarter.s1, c.quarter.s1);
    EXPECT_EQ(m.quarter.t1, c.quarter.t1);
    EXPECT_EQ(m.mark_a_green, c.mark_a);
    EXPECT_EQ(m.mark_b_green, c.mark_b);
    EXPECT_EQ(m.time_limit_text, "Total time under 35 minutes");
    EXPECT_EQ(m.total_text, c.total_text);
  }
  const MedalSummary huge = Medal_Summary(std::numeric_limits<float>::max(), true);
  EXPECT_EQ(huge.status, MedalStatus::Silver);
  EXPECT_EQ(huge.total_text.find('-'), std::string::npos) << huge.total_text;
}

// ---------------------------------------------------------------- web page

TEST(WebPage, GamePageUrl) {
  EXPECT_EQ(Game_Page_Url(kDefaultServiceAddress), "https://quillmoor.example/prismel/");
  EXPECT_EQ(Game_Page_Url("https://quillmoor.example/"), "https://quillmoor.example/prismel/");
  EXPECT_EQ(Game_Page_Url("http://host:8080/base"), "http://host:8080/base/prismel/");
}

TEST(WebPage, MissingOpenerFailsAndIsLogged) {
  TempDir dir;
  LogCapture log(dir);
  EXPECT_FALSE(Open_Web_Page("https://quillmoor.example/prismel/", "prismel-no-such-opener"));
  EXPECT_NE(log.Text().find("Open_Web_Page() :: failed (could not start [prismel-no-such-opener]"),
            std::string::npos)
      << log.Text();
}

TEST(WebPage, OpenerGetsTheUrlAsItsOneArgumentWithoutBeingAwaited) {
  TempDir dir;
  const std::string got = dir.File("got");
  // Reports its pid (to check that it is reaped), its argument count and
  // its first argument; the file appears whole through the rename.
  const std::string script =
      dir.Write("opener.sh", "#!/bin/sh\nsleep 1\nprintf '%s\\n%s\\n%s' \"$$\" \"$#\" \"$1\" > \"" + got +
                                 ".part\" && mv \"" + got + ".part\" \"" + got + "\"\n");
  fs::permissions(script, fs::perms::owner_all);
  // Characters a shell would act on must reach the opener untouched.
  const std::string url = "https://quillmoor.example/prismel/?a=1&b=$HOME 'x' ;true";

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Open_Web_Page(url, script));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(800)) << "waited for the opener";

  ASSERT_TRUE(Wait_For([&] { return fs::exists(got); })) << "the opener never ran";
  std::istringstream report(Slurp(got));
  std::string pid, argc, arg;
  std::getline(report, pid);
  std::getline(report, argc);
  std::getline(report, arg);
  EXPECT_EQ(argc, "1");
  EXPECT_EQ(arg, url);
  // A zombie keeps its /proc entry until someone waits for it.
  EXPECT_TRUE(Wait_For([&] { return !fs::exists("/proc/" + pid); })) << "the opener was not reaped";
}

}  // namespace
