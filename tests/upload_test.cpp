// The upload without a network: Base64, the exchange against a fake client
// (which requests, in which order, what is logged, the copy always gone),
// and the thread wrapper's start and bounded stop.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "engine/base64.h"
#include "engine/thread.h"
#include "scores/upload_protocol.h"
#include "temp_dir.h"

namespace {

struct Request {
  std::string method, url, body;
};

class FakeHttp : public HttpClient {
 public:
  explicit FakeHttp(std::string answer) : answer_(std::move(answer)) {}
  std::string Get(const std::string& url) override {
    requests.push_back({"GET", url, ""});
    return requests.size() == 1 ? answer_ : "ignored";
  }
  bool Post(const std::string& url, const std::string& body) override {
    requests.push_back({"POST", url, body});
    return true;
  }
  std::vector<Request> requests;

 private:
  std::string answer_;
};

struct Logged {
  std::vector<std::pair<int, std::string>> lines;
  UploadLog Log() {
    return [this](int level, const std::string& line) { lines.emplace_back(level, line); };
  }
};

}  // namespace

TEST(Base64, GroupsPaddingAndLength) {
  struct Case {
    std::string in, out;
  } cases[] = {{"", ""}, {"a", "YQ=="}, {"ab", "YWI="}, {"abc", "YWJj"}, {"abcd", "YWJjZA=="},
               {std::string("\xfb\xff\xbf", 3), "+/+/"}};
  for (const Case& c : cases) {
    char out[16] = {};
    EXPECT_EQ(CKorvidBase64::Encode(out, reinterpret_cast<const unsigned char*>(c.in.data()), c.in.size()),
              c.out.size());
    EXPECT_EQ(std::string(out), c.out) << c.in;
  }
  EXPECT_EQ(CKorvidBase64::Encode(nullptr, reinterpret_cast<const unsigned char*>("a"), 1), 0u);
  EXPECT_EQ(Base64_Length(0), 0u);
  EXPECT_EQ(Base64_Length(1), 4u);
  EXPECT_EQ(Base64_Length(3), 4u);
  EXPECT_EQ(Base64_Length(4), 8u);
}

TEST(UploadProtocol, RequestsFollowTheAnswer) {
  const std::string info =
      "http://scores.test/accessPrismel.php?access=replay_upload_information&level=7&highscore=12.500000"
      "&username=Ann&os=Linux_6&version=1.03";
  struct Case {
    const char* answer;
    std::vector<std::string> urls;  // after the information request
    const char* log;                // the one line written, or nothing
  } cases[] = {
      {"0", {}, nullptr},
      {"", {}, "High score upload failed [Level 7][Ann][12.500000]"},
      {"2,4242,http://up.test", {}, nullptr},
      {"1,4242,http://up.test",
       {"http://up.test/upload_file.php",
        "http://scores.test/accessPrismel.php?access=replay_upload_confirmation&username=Ann&timestamp_gmt=4242"},
       "High score upload completed [Level 7][Ann][12.500000]"},
      {",1,,4242,,http://up.test,",  // empty fields are skipped
       {"http://up.test/upload_file.php",
        "http://scores.test/accessPrismel.php?access=replay_upload_confirmation&username=Ann&timestamp_gmt=4242"},
       "High score upload completed [Level 7][Ann][12.500000]"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    UploadRequest r{dir.Write("007_12.500000_Ann.tmp", "1.03 Ann 12.500000 0.000 4 6 "), "Ann", 12.5f, 7,
                    "http://scores.test/", "Linux_6"};
    FakeHttp http(c.answer);
    Logged logged;
    Run_Upload(r, http, logged.Log());
    ASSERT_EQ(http.requests.size(), 1 + c.urls.size()) << c.answer;
    EXPECT_EQ(http.requests[0].url, info);
    for (size_t i = 0; i < c.urls.size(); ++i) EXPECT_EQ(http.requests[i + 1].url, c.urls[i]) << c.answer;
    if (c.log == nullptr) {
      EXPECT_TRUE(logged.lines.empty()) << c.answer;
    } else {
      ASSERT_EQ(logged.lines.size(), 1u) << c.answer;
      EXPECT_EQ(logged.lines[0].second, c.log);
      EXPECT_EQ(logged.lines[0].first, c.urls.empty() ? 1 : 0);
    }
    EXPECT_FALSE(std::filesystem::exists(r.copy_path)) << "the copy goes in every case";
  }
}

TEST(UploadProtocol, BodyIsTheUploadNameAndTheFileInBase64) {
  TempDir dir;
  const std::string file = "1.03 Ann 12.500000 0.000 4 6 12.500000 6 ";
  UploadRequest r{dir.Write("copy.tmp", file), "Ann", 12.5f, 7, "http://scores.test", "Linux"};
  FakeHttp http("1,4242,http://up.test");
  Logged logged;
  Run_Upload(r, http, logged.Log());
  ASSERT_EQ(http.requests.size(), 3u);
  EXPECT_EQ(http.requests[1].method, "POST");
  EXPECT_EQ(http.requests[1].body, "007_12.500000_Ann " + CKorvidBase64::Encode(file));
}

TEST(UploadProtocol, NoCopyNoExchange) {
  TempDir dir;
  UploadRequest r{dir.File("gone.tmp"), "Ann", 12.5f, 7, "http://scores.test", "Linux"};
  FakeHttp http("1,1,http://up.test");
  Logged logged;
  Run_Upload(r, http, logged.Log());
  EXPECT_TRUE(http.requests.empty());
  EXPECT_TRUE(logged.lines.empty());
}

namespace {

// A CThread whose bodies wait for a go-ahead or for their cancel flag.
class Waiter : public CThread {
 public:
  ~Waiter() override { Stop(kThreadStopSeconds); }
  bool Start(int value, std::atomic<int>& seen, std::atomic<bool>& go) {
    return Start_Body([value, &seen, &go](Gate& gate) {
      while (!go && !gate.Cancel()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      seen += value;
    });
  }
};

}  // namespace

TEST(Thread, EachStartKeepsItsOwnDataAndStoppingCancelsWhatStillRuns) {
  std::atomic<int> seen{0};
  std::atomic<bool> go{false};
  {
    Waiter never_started;  // goes without a thread and without a word
  }
  auto w = std::make_unique<Waiter>();
  ASSERT_TRUE(w->Start(1, seen, go));
  ASSERT_TRUE(w->Start(10, seen, go));  // while the first still waits
  EXPECT_EQ(w->Running(), 2);
  go = true;
  ASSERT_TRUE(w->Wait(5.0f));
  EXPECT_EQ(seen, 11) << "both ran, each with its own value";

  go = false;
  ASSERT_TRUE(w->Start(100, seen, go));
  const auto before = std::chrono::steady_clock::now();
  w.reset();  // cancels the waiting body instead of waiting for go
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
  for (int i = 0; i < 500 && seen != 111; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(seen, 111);
}
