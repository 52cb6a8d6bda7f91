#include "service/rate_limiter.h"

#include <algorithm>

namespace {
constexpr size_t kBucketsBeforeSweep = 10000;  // addresses remembered before the full ones are dropped
}

bool RateLimiter::Allow(const std::string& address, double now) {
  if (per_minute_ <= 0) return true;
  const double capacity = per_minute_;
  std::lock_guard<std::mutex> lock(mutex_);
  if (buckets_.size() >= kBucketsBeforeSweep) Forget_Full_Buckets(now);
  auto [it, fresh] = buckets_.try_emplace(address, Bucket{capacity, now});
  Bucket& b = it->second;
  if (!fresh) {
    b.tokens = std::min(capacity, b.tokens + (now - b.at) * capacity / 60.0);
    b.at = now;
  }
  if (b.tokens < 1.0) return false;
  b.tokens -= 1.0;
  return true;
}

void RateLimiter::Forget_Full_Buckets(double now) {
  // A full bucket is the same as no bucket: the address starts afresh.
  const double capacity = per_minute_;
  std::erase_if(buckets_, [&](const auto& entry) {
    const Bucket& b = entry.second;
    return b.tokens + (now - b.at) * capacity / 60.0 >= capacity;
  });
}
