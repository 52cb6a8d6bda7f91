// A small HTTP/1.0-style server on 127.0.0.1 for the network tests: it
// records every request and answers each with the next canned body, or, in
// hang mode, accepts connections and never answers (a service that is up
// but stuck).
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpTestServer {
 public:
  struct Request {
    std::string method, target, head, body;  // head: the request line and headers
  };

  explicit HttpTestServer(std::vector<std::string> answers, bool hang = false)
      : answers_(std::move(answers)), hang_(hang) {
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t n = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
    port_ = ntohs(a.sin_port);
    listen(fd_, 16);
    thread_ = std::thread([this] { Serve(); });
  }
  ~HttpTestServer() {
    stop_ = true;
    thread_.join();
    for (int c : held_) close(c);
    close(fd_);
  }

  int port() const { return port_; }
  std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<Request> requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) continue;
      const int c = accept(fd_, nullptr, nullptr);
      if (c < 0) continue;
      if (hang_) {
        held_.push_back(c);  // never read, never answered
        continue;
      }
      Request r = Read(c);
      std::string body;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        body = next_ < answers_.size() ? answers_[next_++] : "";
        requests_.push_back(r);
      }
      const std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
      (void)!write(c, reply.data(), reply.size());
      close(c);
    }
  }

  static Request Read(int c) {
    std::string data;
    char buf[4096];
    size_t header_end = std::string::npos;
    size_t length = 0;
    while (true) {
      pollfd p{c, POLLIN, 0};
      if (poll(&p, 1, 2000) <= 0) break;
      const ssize_t n = read(c, buf, sizeof buf);
      if (n <= 0) break;
      data.append(buf, static_cast<size_t>(n));
      if (header_end == std::string::npos && (header_end = data.find("\r\n\r\n")) != std::string::npos) {
        const size_t at = data.find("Content-Length: ");
        if (at != std::string::npos && at < header_end) length = std::stoul(data.substr(at + 16));
      }
      if (header_end != std::string::npos && data.size() >= header_end + 4 + length) break;
    }
    Request r;
    if (header_end == std::string::npos) return r;
    r.head = data.substr(0, header_end);
    r.body = data.substr(header_end + 4);
    const size_t sp1 = r.head.find(' '), sp2 = r.head.find(' ', sp1 + 1);
    r.method = r.head.substr(0, sp1);
    r.target = r.head.substr(sp1 + 1, sp2 - sp1 - 1);
    return r;
  }

  int fd_ = -1;
  int port_ = 0;
  std::vector<std::string> answers_;
  size_t next_ = 0;
  bool hang_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Request> requests_;
  std::vector<int> held_;
  std::thread thread_;
};
