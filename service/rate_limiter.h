// A request limit per client address: a token bucket that holds a minute's
// worth of requests and refills at the configured rate, so a burst up to
// that size passes and a steady flood is held to the rate.
//
// It only counts and answers; refusing the request (429) and logging it is
// the server's. Safe to call from many threads. It must not grow without
// bound: buckets that have filled up again are forgotten.
#pragma once

#include <mutex>
#include <string>
#include <unordered_map>

class RateLimiter {
 public:
  // per_minute 0 (or less): no limit.
  explicit RateLimiter(int per_minute) : per_minute_(per_minute) {}

  // Takes one request from address's bucket at `now` (seconds on any steady
  // clock); false when the bucket is empty.
  bool Allow(const std::string& address, double now);

 private:
  struct Bucket {
    double tokens = 0.0;
    double at = 0.0;  // when tokens was last brought up to date
  };
  void Forget_Full_Buckets(double now);

  const int per_minute_;
  std::mutex mutex_;
  std::unordered_map<std::string, Bucket> buckets_;
};
