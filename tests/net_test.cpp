// The upload over real HTTP on 127.0.0.1: what libcurl puts on the wire,
// a refused connection, a service that accepts and never answers, and the
// whole exchange on the upload thread.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/base64.h"
#include "engine/http_curl.h"
#include "engine/upload_thread.h"
#include "http_test_server.h"
#include "temp_dir.h"

namespace {

struct Lines {
  std::vector<std::string> all;
  UploadLog Log() {
    return [this](int, const std::string& line) { all.push_back(line); };
  }
};

class Net : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Http_Global_Init(); }
  std::atomic<bool> cancel{false};
  Lines lines;
};

// A port nothing listens on: one the kernel just handed out and took back.
int Closed_Port() {
  HttpTestServer s({});
  return s.port();
}

}  // namespace

TEST_F(Net, GetAndPostCarryTheAgentTheFormTypeAndTheBodyAsItIs) {
  HttpTestServer server({"1,4242,http://x", "ok"});
  CurlHttpClient http(cancel, lines.Log());
  EXPECT_EQ(http.Get(server.url() + "/accessPrismel.php?access=a&level=7"), "1,4242,http://x");
  const std::string body = "007_12.500000_Ann " + CKorvidBase64::Encode(std::string("\xfb\xff\xbf\x00", 4));
  EXPECT_TRUE(http.Post(server.url() + "/upload_file.php", body));
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].target, "/accessPrismel.php?access=a&level=7");
  EXPECT_NE(requests[0].head.find("User-Agent: InetURL/1.0"), std::string::npos);
  EXPECT_EQ(requests[1].method, "POST");
  EXPECT_EQ(requests[1].target, "/upload_file.php");
  EXPECT_NE(requests[1].head.find("Content-Type: application/x-www-form-urlencoded"), std::string::npos);
  EXPECT_EQ(requests[1].body, body) << "'+', '/' and '=' travel unescaped";
  EXPECT_TRUE(lines.all.empty());
}

TEST_F(Net, ARefusedConnectionIsAnEmptyAnswerAndALogLine) {
  CurlHttpClient http(cancel, lines.Log());
  EXPECT_EQ(http.Get("http://127.0.0.1:" + std::to_string(Closed_Port()) + "/x"), "");
  ASSERT_EQ(lines.all.size(), 1u);
  EXPECT_NE(lines.all[0].find("CKorvidIO::Retrieve_Data_URL() :: failed"), std::string::npos) << lines.all[0];
}

TEST_F(Net, AServiceThatNeverAnswersIsLeftAtOnceWhenCancelled) {
  HttpTestServer stuck({}, true);
  CurlHttpClient http(cancel, lines.Log());
  std::thread raise([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    cancel = true;
  });
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(http.Get(stuck.url() + "/x"), "");
  // Far below the 20 s a transfer may take before it gives up by itself.
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  raise.join();
}

TEST_F(Net, TheUploadThreadRunsTheExchangeAndGoesPromptlyWhenStuck) {
  TempDir dir;
  {
    HttpTestServer service({}, false);
    HttpTestServer answers({"1,4242," + service.url(), "", "1"});
    CThread_Upload upload;
    upload.service = answers.url();
    upload.os = "Linux_6";
    const std::string copy = dir.Write("007_12.500000_Ann.tmp", "1.03 Ann 12.500000 0.000 4 6 ");
    ASSERT_TRUE(upload.Start({copy, 7, 12.5f, "Ann"}));
    ASSERT_TRUE(upload.Wait(10.0f));
    const auto asked = answers.requests();
    ASSERT_EQ(asked.size(), 2u) << "information, then confirmation";
    EXPECT_NE(asked[1].target.find("timestamp_gmt=4242"), std::string::npos);
    ASSERT_EQ(service.requests().size(), 1u) << "the file went to the base the answer named";
    EXPECT_EQ(service.requests()[0].body.rfind("007_12.500000_Ann ", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(copy));
  }
  HttpTestServer stuck({}, true);
  const std::string copy = dir.Write("001_5.000000_Bo.tmp", "1.03 Bo 5.000000 ");
  auto upload = std::make_unique<CThread_Upload>();
  upload->service = stuck.url();
  ASSERT_TRUE(upload->Start({copy, 1, 5.0f, "Bo"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(upload->Running(), 1) << "still waiting for an answer";
  const auto before = std::chrono::steady_clock::now();
  upload.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
  EXPECT_FALSE(std::filesystem::exists(copy)) << "a cancelled exchange still removes its copy";
}
