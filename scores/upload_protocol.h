// The high-score upload exchange with the game's web service, on any HTTP
// client: ask whether the service takes the score, send the score file,
// confirm. It runs on the upload thread and never waits for the player;
// its outcome reaches only the log.
//
//   GET  <service>/accessPrismel.php?access=replay_upload_information&level=..
//        answer "1,<timestamp>,<upload base>" (anything else: no upload)
//   POST <upload base>/upload_file.php   "LLL_TIME_NAME <score file in Base64>"
//   GET  <service>/accessPrismel.php?access=replay_upload_confirmation&..
//
// The requests are built and the answers read here; the transport (libcurl
// in the game, a fake in the tests) is the HttpClient's.
#pragma once

#include <functional>
#include <string>
#include <vector>

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // The body of the answer to a GET; empty on any failure.
  virtual std::string Get(const std::string& url) = 0;
  // Sends body as a form-encoded POST; false when it could not be sent.
  // The answer is not examined.
  virtual bool Post(const std::string& url, const std::string& body) = 0;
};

struct UploadRequest {
  std::string copy_path;  // the score file's copy; deleted when the exchange is over
  std::string name;       // letters and digits, as typed
  float time = 0.0f;      // seconds
  int level = 0;
  std::string service;    // the service's address, e.g. https://host
  std::string os;         // the operating-system name, one word
};

// Where the exchange's log lines go (level 0 information, 1 failure).
using UploadLog = std::function<void(int level, const std::string& line)>;

inline constexpr float kUploadVersion = 1.03f;

std::string Information_Url(const UploadRequest& r);
std::string Confirmation_Url(const std::string& service, const std::string& name, int timestamp);
// "LLL_TIME_NAME": how the service knows the file.
std::string Upload_Name(int level, float time, const std::string& name);
// The answer's comma-separated fields, empty ones left out.
std::vector<std::string> Split_Answer(const std::string& answer);

// Posts "<upload name> <file in Base64>" to base + "/upload_file.php"; a
// file that cannot be read sends nothing.
void Upload_File(HttpClient& http, const std::string& path, const std::string& base, const std::string& upload_name);

// The whole exchange for one new top-five time, then the copy is deleted.
void Run_Upload(const UploadRequest& r, HttpClient& http, const UploadLog& log);
