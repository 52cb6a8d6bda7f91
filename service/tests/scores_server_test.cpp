// The service over real HTTP, in this process: the game's three requests
// publish a score that then shows on the page, the API and as a download;
// every kind of bad input is refused with its status, logged once and
// leaves the store as it was; the request limit holds.
#include <httplib.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/base64.h"
#include "game/game_state.h"
#include "scores/score_check.h"
#include "service/score_checker.h"
#include "service/scores_server.h"
#include "service/sqlite_store.h"
#include "service/testing/recorded_run.h"

namespace {

constexpr char kPublicUrl[] = "https://scores.example/";
constexpr int64_t kStart = 1714567890;

std::string Information_Path(int level, const std::string& time, const std::string& name) {
  return "/accessPrismel.php?access=replay_upload_information&level=" + std::to_string(level) + "&highscore=" + time +
         "&username=" + name + "&os=Linux_6.1.0&version=1.03";
}

std::string Confirmation_Path(const std::string& name, const std::string& timestamp) {
  return "/accessPrismel.php?access=replay_upload_confirmation&username=" + name + "&timestamp_gmt=" + timestamp;
}

class ServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string why;
    checker_ = ScoreChecker::Open(PRISMEL_BUILD_DIR, why).release();
    ASSERT_NE(checker_, nullptr) << why;
    auto g = std::make_unique<GameState>();
    ASSERT_TRUE(Prepare_Check_State(*g, PRISMEL_BUILD_DIR));
    run_ = new RecordedRun(Record_Solution_Run(*g, 1, PRISMEL_SOLUTIONS_DIR, "Tester"));
    ASSERT_TRUE(run_->completed);
  }
  static void TearDownTestSuite() {
    delete checker_;
    delete run_;
  }

  void Start(int rate_per_minute = 0, size_t max_body = 8 << 20) {
    std::string pattern = (std::filesystem::temp_directory_path() / "prismel-server-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    std::string why;
    store_ = SqliteStore::Open(folder_ + "/scores.db", why);
    ASSERT_TRUE(store_) << why;
    ServerSettings s;
    s.public_url = kPublicUrl;
    s.rate_per_minute = rate_per_minute;
    s.max_body = max_body;
    s.ticket_seconds = 600;
    s.clock = [this] { return now_.load(); };
    s.log = [this](const std::string& line) {
      std::lock_guard<std::mutex> lock(log_mutex_);
      log_.push_back(line);
    };
    server_ = std::make_unique<ScoresServer>(*store_, *checker_, s);
    const int port = server_->Bind("127.0.0.1", 0);
    ASSERT_GT(port, 0);
    served_ = std::async(std::launch::async, [this] { return server_->Serve(); });
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port);
  }

  void TearDown() override {
    if (server_) {
      do server_->Stop();
      while (served_.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready);
      EXPECT_TRUE(served_.get());
    }
    client_.reset();
    server_.reset();
    store_.reset();
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
  }

  // The log lines so far, once there are at least n: the server writes a
  // line after its answer is out, so the client can be a moment ahead (on
  // a busy machine, more than a moment: up to ten seconds are waited for).
  std::vector<std::string> Log(size_t n) {
    for (int i = 0; i < 2000; ++i) {
      {
        std::lock_guard<std::mutex> lock(log_mutex_);
        if (log_.size() >= n) return log_;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::lock_guard<std::mutex> lock(log_mutex_);
    return log_;
  }

  std::string Joined_Log(size_t n) {
    std::string all;
    for (const std::string& line : Log(n)) all += line + "\n";
    return all;
  }

  httplib::Result Post_Upload(const std::string& body) {
    return client_->Post("/upload_file.php", body, "application/x-www-form-urlencoded");
  }
  std::string Upload_Body(const RecordedRun& run, int level, const std::string& name) {
    return Upload_Name(run, level, name) + " " + CKorvidBase64::Encode(run.score_file);
  }
  // Asks for a ticket; its timestamp, or "" when refused.
  std::string Ticket_For(int level, const std::string& time, const std::string& name) {
    const auto r = client_->Get(Information_Path(level, time, name));
    if (!r || r->status != 200) return "";
    const size_t comma = r->body.find(',', 2);
    return r->body.substr(2, comma - 2);
  }

  static ScoreChecker* checker_;
  static RecordedRun* run_;
  std::atomic<int64_t> now_{kStart};
  std::string folder_;
  std::unique_ptr<SqliteStore> store_;
  std::unique_ptr<ScoresServer> server_;
  std::future<bool> served_;
  std::unique_ptr<httplib::Client> client_;
  std::mutex log_mutex_;
  std::vector<std::string> log_;
};

ScoreChecker* ServerTest::checker_ = nullptr;
RecordedRun* ServerTest::run_ = nullptr;

TEST_F(ServerTest, TheGamesExchangePublishesTheScore) {
  Start();
  const auto info = client_->Get(Information_Path(1, run_->time_text, "Tester"));
  ASSERT_TRUE(info);
  ASSERT_EQ(info->status, 200);
  const std::string expected_start = "1," + std::to_string(kStart) + ",";
  ASSERT_EQ(info->body, expected_start + "https://scores.example") << "the base the game appends /upload_file.php to";

  const auto posted = Post_Upload(Upload_Body(*run_, 1, "Tester"));
  ASSERT_TRUE(posted);
  EXPECT_EQ(posted->status, 200) << Log(2).back();
  EXPECT_EQ(store_->Counts().pending, 1);
  EXPECT_EQ(client_->Get("/prismel/api/latest")->body.find("Tester"), std::string::npos) << "not public yet";

  const auto confirmed = client_->Get(Confirmation_Path("Tester", std::to_string(kStart)));
  ASSERT_TRUE(confirmed);
  EXPECT_EQ(confirmed->status, 200);
  EXPECT_EQ(confirmed->body, "1");
  const StoreCounts counts = store_->Counts();
  EXPECT_EQ(counts.pending, 0);
  EXPECT_EQ(counts.published, 1);

  const auto page = client_->Get("/prismel/");
  ASSERT_EQ(page->status, 200);
  EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
  EXPECT_NE(page->body.find(">Tester<"), std::string::npos);
  EXPECT_NE(page->body.find("href=\"/prismel/file/1\""), std::string::npos);
  EXPECT_NE(client_->Get("/prismel/level/1")->body.find(">Tester<"), std::string::npos);
  for (const char* api : {"/prismel/api/levels", "/prismel/api/level/1", "/prismel/api/latest", "/prismel/api/players"}) {
    const auto r = client_->Get(api);
    ASSERT_EQ(r->status, 200) << api;
    EXPECT_EQ(r->get_header_value("Content-Type"), "application/json") << api;
    EXPECT_NE(r->body.find("\"name\":\"Tester\""), std::string::npos) << api << ": " << r->body;
  }
  EXPECT_NE(client_->Get("/prismel/api/levels")->body.find("\"time\":\"" + run_->time_text + "\""), std::string::npos);

  const auto file = client_->Get("/prismel/file/1");
  ASSERT_EQ(file->status, 200);
  EXPECT_EQ(file->body, run_->score_file);
  EXPECT_EQ(file->get_header_value("Content-Type"), "application/octet-stream");
  EXPECT_EQ(file->get_header_value("Content-Disposition"), "attachment; filename=\"001_Tester_1.score\"")
      << "the game finds the level in the first three digits";

  // Each connection's line is written once its answer is out, so the
  // lines of requests in quick succession may come in either order.
  const std::string log = Joined_Log(4);
  for (const char* line : {"GET /accessPrismel.php 200 ticket", "POST /upload_file.php 200 pending",
                           "GET /accessPrismel.php 200 public"}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
  }
}

TEST_F(ServerTest, EachTicketGetsItsOwnTimestamp) {
  Start();
  EXPECT_EQ(Ticket_For(1, run_->time_text, "Tester"), std::to_string(kStart));
  EXPECT_EQ(Ticket_For(1, run_->time_text, "Tester"), std::to_string(kStart + 1));
  EXPECT_EQ(Ticket_For(2, "20.000000", "Other"), std::to_string(kStart + 2));
}

TEST_F(ServerTest, BadInputIsRefusedLoggedAndNotStored) {
  Start(0, 64 * 1024);
  // A ticket for the one good file, so that only the row's own fault can
  // stop it; and one for a file that fails the check.
  ASSERT_NE(Ticket_For(1, run_->time_text, "Tester"), "");
  std::string damaged = run_->score_file;
  damaged.replace(damaged.rfind(run_->time_text + " 6 "), run_->time_text.size(), "99.000000");  // the end event
  RecordedRun bad_run = *run_;
  bad_run.score_file = damaged;
  const StoreCounts before = store_->Counts();
  const size_t lines_before = Log(1).size();

  struct Case {
    const char* what;
    std::string get;   // a GET of this path, or else
    std::string post;  // a POST of this body to /upload_file.php
    int status;
  };
  const std::string good_time = run_->time_text;
  const Case cases[] = {
      {"no access word", "/accessPrismel.php?level=1", "", 400},
      {"an unknown access word", "/accessPrismel.php?access=replay_delete&username=Tester", "", 400},
      {"information without a name", "/accessPrismel.php?access=replay_upload_information&level=1&highscore=" +
                                         good_time + "&os=Linux&version=1.03", "", 400},
      {"a name with markup", Information_Path(1, good_time, "%3Cb%3EX"), "", 400},
      {"a name of 16", Information_Path(1, good_time, "ABCDEFGHIJKLMNOP"), "", 400},
      {"level 0", Information_Path(0, good_time, "Tester"), "", 400},
      {"level 61", Information_Path(61, good_time, "Tester"), "", 400},
      {"a time of 0", Information_Path(1, "0.000000", "Tester"), "", 400},
      {"a time of 10000", Information_Path(1, "10000.000000", "Tester"), "", 400},
      {"a level given twice", Information_Path(1, good_time, "Tester") + "&level=2", "", 400},
      {"a confirmation with no number", Confirmation_Path("Tester", "soon"), "", 400},
      {"a confirmation of nothing", Confirmation_Path("Tester", "12345"), "", 404},
      {"a confirmation before the upload", Confirmation_Path("Tester", std::to_string(kStart)), "", 404},
      {"an empty upload", "", "", 400},
      {"an upload with no file", "", Upload_Name(*run_, 1, "Tester"), 400},
      {"an upload of another level", "", "061_" + good_time + "_Tester TWFu", 400},
      {"an upload name without a name", "", "001_" + good_time + "_ TWFu", 400},
      {"broken Base64", "", Upload_Name(*run_, 1, "Tester") + " TWF", 400},
      {"a file nobody announced", "", Upload_Body(*run_, 1, "Nobody"), 400},
      {"a file that fails the check", "", Upload_Body(bad_run, 1, "Tester"), 422},
      {"a body over the limit", "", Upload_Name(*run_, 1, "Tester") + " " + std::string(64 * 1024, 'A'), 413},
  };
  size_t requests = 0;
  for (const Case& c : cases) {
    const auto r = c.get.empty() ? Post_Upload(c.post) : client_->Get(c.get);
    ++requests;
    ASSERT_TRUE(r) << c.what;
    EXPECT_EQ(r->status, c.status) << c.what;
    EXPECT_EQ(r->body, "0") << c.what;
    const std::vector<std::string> log = Log(lines_before + requests);
    ASSERT_EQ(log.size(), lines_before + requests) << c.what << ": one line per request";
    EXPECT_NE(log.back().find(" " + std::to_string(c.status) + " "), std::string::npos) << c.what << ": " << log.back();
  }
  const StoreCounts after = store_->Counts();
  EXPECT_EQ(after.tickets, before.tickets);
  EXPECT_EQ(after.pending, 0);
  EXPECT_EQ(after.published, 0);
  // The one ticket is still good for its real file.
  EXPECT_EQ(Post_Upload(Upload_Body(*run_, 1, "Tester"))->status, 200);
}

TEST_F(ServerTest, TicketsRunOut) {
  Start();
  const std::string stamp = Ticket_For(1, run_->time_text, "Tester");
  now_ += 601;
  EXPECT_EQ(Post_Upload(Upload_Body(*run_, 1, "Tester"))->status, 400) << "a file after its ticket ran out";
  now_ -= 601;
  ASSERT_EQ(Post_Upload(Upload_Body(*run_, 1, "Tester"))->status, 200);
  now_ += 601;
  EXPECT_EQ(client_->Get(Confirmation_Path("Tester", stamp))->status, 404) << "a confirmation after it ran out";
  EXPECT_EQ(store_->Counts().published, 0);
}

TEST_F(ServerTest, TheRequestLimitAnswers429) {
  Start(3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(client_->Get("/prismel/api/latest")->status, 200) << i;
  const auto over = client_->Get("/prismel/");
  ASSERT_TRUE(over);
  EXPECT_EQ(over->status, 429);
  EXPECT_NE(Joined_Log(4).find(" 429 over the request limit"), std::string::npos) << Joined_Log(4);
}

TEST_F(ServerTest, UnknownPagesAreNotFound) {
  Start();
  for (const char* path : {"/", "/prismel/level/0", "/prismel/level/61", "/prismel/level/x", "/prismel/file/1",
                           "/prismel/file/0", "/prismel/api/level/99", "/upload_file.php"}) {
    const auto r = client_->Get(path);
    ASSERT_TRUE(r) << path;
    EXPECT_EQ(r->status, 404) << path;
  }
  const auto bare = client_->Get("/prismel");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->status, 302);
  EXPECT_EQ(bare->get_header_value("Location"), "/prismel/");
}

}  // namespace
