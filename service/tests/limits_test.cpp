// The request limit per address and the command line's options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/command_line.h"
#include "service/rate_limiter.h"

namespace {

TEST(RateLimiter, PassesABurstThenHoldsToTheRate) {
  RateLimiter limit(3);  // three a minute: one more every 20 s
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(limit.Allow("10.0.0.1", 100.0)) << i;
  EXPECT_FALSE(limit.Allow("10.0.0.1", 100.0));
  EXPECT_TRUE(limit.Allow("10.0.0.2", 100.0)) << "each address has its own bucket";
  EXPECT_FALSE(limit.Allow("10.0.0.1", 119.0));
  EXPECT_TRUE(limit.Allow("10.0.0.1", 120.5));
  EXPECT_FALSE(limit.Allow("10.0.0.1", 120.5));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(limit.Allow("10.0.0.1", 1000.0)) << "refilled to a burst, no further";
  EXPECT_FALSE(limit.Allow("10.0.0.1", 1000.0));
}

TEST(RateLimiter, NoLimitWhenOff) {
  RateLimiter off(0);
  for (int i = 0; i < 10000; ++i) ASSERT_TRUE(off.Allow("10.0.0.1", 0.0));
}

TEST(CommandLine, ReadsEveryOption) {
  CommandLine c;
  std::string why;
  ASSERT_TRUE(Parse_Command_Line({"--listen", "0.0.0.0:9090", "--db", "/var/lib/x.db", "--public-url",
                                  "https://scores.example", "--data", "/opt/prismel", "--rate", "0"},
                                 c, why))
      << why;
  EXPECT_EQ(c.host, "0.0.0.0");
  EXPECT_EQ(c.port, 9090);
  EXPECT_EQ(c.db, "/var/lib/x.db");
  EXPECT_EQ(c.public_url, "https://scores.example");
  EXPECT_EQ(c.data, "/opt/prismel");
  EXPECT_EQ(c.rate_per_minute, 0);
  CommandLine v6;
  ASSERT_TRUE(Parse_Command_Line({"--listen", "[::1]:0", "--db", "x", "--public-url", "http://h"}, v6, why));
  EXPECT_EQ(v6.host, "::1");
  EXPECT_EQ(v6.port, 0);
  EXPECT_EQ(v6.rate_per_minute, 600) << "generous by default";
}

TEST(CommandLine, RefusesWhatItCannotUse) {
  const std::vector<std::vector<std::string>> bad = {
      {"--public-url", "http://h"},                                           // no database
      {"--db", "x"},                                                          // no public address
      {"--db", "x", "--public-url", "scores.example"},                        // not a URL
      {"--db", "x", "--public-url", "http://h", "--listen", "8080"},          // no host
      {"--db", "x", "--public-url", "http://h", "--listen", "h:70000"},       // no such port
      {"--db", "x", "--public-url", "http://h", "--rate", "-1"},
      {"--db", "x", "--public-url", "http://h", "--verbose"},
      {"--db", "x", "--public-url"},
  };
  for (const auto& args : bad) {
    CommandLine c;
    std::string why;
    std::string line;
    for (const std::string& a : args) line += a + " ";
    EXPECT_FALSE(Parse_Command_Line(args, c, why)) << line;
    EXPECT_FALSE(why.empty()) << line;
  }
}

}  // namespace
