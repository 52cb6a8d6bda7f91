// The scanner against glibc's sscanf on the same bytes: every reader of the
// game's files relies on scanf's rules, so what "%i", "%f" and "%Ns" take,
// what they give and how many characters they use must agree exactly, for
// chosen edge cases and for random texts over the characters numbers are
// made of.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "engine/text_scan.h"

namespace {

enum class Conversion { INT, FLOAT, WORD };

// Both scanners on text; empty when they agree, else what differs.
std::string Compare(const std::string& text, Conversion what) {
  TextCursor cursor(text);
  int n = -1, r = 0;
  std::string got, want;
  char buf[64];
  ScanResult result = ScanResult::End;
  if (what == Conversion::INT) {
    int mine = 0, theirs = 0;
    result = cursor.Int(mine);
    r = std::sscanf(text.c_str(), "%i%n", &theirs, &n);
    if (result == ScanResult::Ok) got = std::to_string(mine);
    if (r == 1) want = std::to_string(theirs);
  } else if (what == Conversion::FLOAT) {
    float mine = 0, theirs = 0;
    result = cursor.Float(mine);
    r = std::sscanf(text.c_str(), "%f%n", &theirs, &n);
    std::snprintf(buf, sizeof buf, "%a", mine);
    if (result == ScanResult::Ok) got = std::isnan(mine) ? (std::signbit(mine) ? "-nan" : "nan") : buf;
    std::snprintf(buf, sizeof buf, "%a", theirs);
    if (r == 1) want = std::isnan(theirs) ? (std::signbit(theirs) ? "-nan" : "nan") : buf;
  } else {
    std::string mine;
    char theirs[16] = {};
    result = cursor.Word(mine, 15);
    r = std::sscanf(text.c_str(), "%15s%n", theirs, &n);
    if (result == ScanResult::Ok) got = mine;
    if (r == 1) want = theirs;
  }
  const int expected_r = result == ScanResult::Ok ? 1 : result == ScanResult::Mismatch ? 0 : EOF;
  if (expected_r != r) return "result " + std::to_string(expected_r) + " vs sscanf " + std::to_string(r);
  if (got != want) return "value " + got + " vs sscanf " + want;
  const int used = static_cast<int>(text.size() - cursor.Rest().size());
  if (r == 1 && used != n) return "used " + std::to_string(used) + " vs sscanf " + std::to_string(n);
  return "";
}

const char* Name(Conversion c) { return c == Conversion::INT ? "%i" : c == Conversion::FLOAT ? "%f" : "%15s"; }

}  // namespace

TEST(TextScan, AgreesWithSscanfOnEdgeCases) {
  const std::string long_number(300, '7');
  const char* cases[] = {
      "0x", "0X", "0x1g", "0xg", "-0x", "0x-1", "00x1", "08", "012", "0x7fffffff", "4294967296",
      "99999999999999999999", "-2147483649", "1e", "1e+", "1e-x", "1e5", "1e5e5", "1ee", "1.5e", "1.5.5", ".5",
      ".", "-.", "+.5", ".e1", "0.e", "1.e3", "0x1p3", "0x1P-2", "0x1p", "0x.8", "0x.", "0x1.", "0xp1", "0x1e",
      "nan", "NaN", "-nan(123)", "nanx", "inf", "INF", "infinity", "infinit", "infx", "-in", "9e99", "1e39",
      "1e-50", "-", "+", "- 5", "  7x", "", "   ", "\t\n12", "abc", "-abc", "3.25 rest",
  };
  for (const Conversion what : {Conversion::INT, Conversion::FLOAT, Conversion::WORD}) {
    for (const char* c : cases) EXPECT_EQ(Compare(c, what), "") << Name(what) << " on [" << c << "]";
    EXPECT_EQ(Compare(long_number + " 5", what), "") << Name(what) << " on a 300-digit number";
    EXPECT_EQ(Compare("-" + long_number + ".5e-400", what), "") << Name(what) << " on a long fraction";
  }
}

TEST(TextScan, AgreesWithSscanfOnRandomTexts) {
  const std::string alphabet = "0123456789xXeEpP+-.naifNIty \t";
  std::mt19937 random(20261210);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  int differences = 0;
  for (int t = 0; t < 20000 && differences < 10; ++t) {
    std::string text;
    for (int k = length(random); k > 0; --k) text += alphabet[pick(random)];
    for (const Conversion what : {Conversion::INT, Conversion::FLOAT, Conversion::WORD}) {
      const std::string d = Compare(text, what);
      if (!d.empty()) {
        ++differences;
        ADD_FAILURE() << Name(what) << " on [" << text << "]: " << d;
      }
    }
  }
}
