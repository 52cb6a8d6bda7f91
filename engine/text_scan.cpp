#include "engine/text_scan.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

// The conversions follow the C library's scanf step by step: characters are
// taken while they can still belong to the number (so "1e" is taken whole
// and read as 1, and "0x" alone is no number for "%f" but 0 for "%i"), the
// taken characters are converted with strtol / strtof, and "%i" keeps the
// low 32 bits of the long result as scanf does. A number may be as long as
// the text; it is never cut into two.

namespace {

bool Is_Space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }
bool Is_Hex_Digit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

void TextCursor::Skip_Space() {
  size_t i = 0;
  while (i < rest_.size() && Is_Space(rest_[i])) ++i;
  rest_.remove_prefix(i);
}

bool TextCursor::At_End() const {
  for (char c : rest_) {
    if (!Is_Space(c)) return false;
  }
  return true;
}

ScanResult TextCursor::Integer(int& out, int base) {
  Skip_Space();
  if (rest_.empty()) return ScanResult::End;
  const std::string_view s = rest_;
  size_t i = 0;
  std::string digits;  // what scanf collects: the sign and the digits, not the "0x"
  if (s[i] == '-' || s[i] == '+') digits += s[i++];
  if (i < s.size() && s[i] == '0') {
    digits += s[i++];
    if (i < s.size() && Lower(s[i]) == 'x' && (base == 0 || base == 16)) {
      base = 16;
      ++i;
    } else if (base == 0) {
      base = 8;
    }
  }
  if (base == 0) base = 10;
  while (i < s.size()) {
    const char c = s[i];
    const bool fits = base == 16 ? Is_Hex_Digit(c) : Is_Digit(c) && c - '0' < base;
    if (!fits) break;
    digits += c;
    ++i;
  }
  if (digits.empty() || digits == "-" || digits == "+") {
    // scanf has taken the sign; it cannot give it back.
    rest_.remove_prefix(i);
    return ScanResult::Mismatch;
  }
  errno = 0;
  const long v = std::strtol(digits.c_str(), nullptr, base);
  out = static_cast<int>(static_cast<unsigned long>(v));  // the low 32 bits, as scanf stores into an int
  rest_.remove_prefix(i);
  return ScanResult::Ok;
}

ScanResult TextCursor::Int(int& out) { return Integer(out, 0); }
ScanResult TextCursor::Decimal(int& out) { return Integer(out, 10); }

ScanResult TextCursor::Float(float& out) {
  Skip_Space();
  if (rest_.empty()) return ScanResult::End;
  const std::string_view s = rest_;
  size_t i = 0;
  std::string sign;
  if (s[i] == '-' || s[i] == '+') sign = s[i++];
  auto mismatch = [&] {
    rest_.remove_prefix(i);
    return ScanResult::Mismatch;
  };
  // "nan", "inf" and "infinity", in any letter case.
  auto take_word = [&](const char* word) {
    size_t k = 0;
    while (word[k] != '\0') {
      if (i >= s.size() || Lower(s[i]) != word[k]) return false;
      ++i;
      ++k;
    }
    return true;
  };
  if (i < s.size() && (Lower(s[i]) == 'n' || Lower(s[i]) == 'i')) {
    const bool nan = Lower(s[i]) == 'n';
    if (!take_word(nan ? "nan" : "inf")) return mismatch();
    if (!nan && i < s.size() && Lower(s[i]) == 'i' && !take_word("inity")) return mismatch();
    out = std::strtof((sign + (nan ? "nan" : "inf")).c_str(), nullptr);
    rest_.remove_prefix(i);
    return ScanResult::Ok;
  }
  std::string number;
  bool hex = false, got_digit = false, got_dot = false, got_e = false;
  char exp_char = 'e';
  if (i < s.size() && s[i] == '0') {
    number += s[i++];
    if (i < s.size() && Lower(s[i]) == 'x') {
      number += s[i++];
      hex = true;
      exp_char = 'p';
    } else {
      got_digit = true;
    }
  }
  while (i < s.size()) {
    const char c = s[i];
    if (Is_Digit(c) || (!got_e && hex && Is_Hex_Digit(c))) {
      got_digit = true;
    } else if (got_e && Lower(number.back()) == exp_char && (c == '-' || c == '+')) {
      // the exponent's sign
    } else if (got_digit && !got_e && Lower(c) == exp_char) {
      got_e = got_dot = true;
    } else if (!got_dot && c == '.') {
      got_dot = true;
    } else {
      break;
    }
    number += c;
    ++i;
  }
  if (number.empty() || (hex && number.size() == 2)) return mismatch();
  const std::string text = sign + number;
  char* end = nullptr;
  const float v = std::strtof(text.c_str(), &end);
  if (end == text.c_str() + sign.size() || end == text.c_str()) return mismatch();
  out = v;
  rest_.remove_prefix(i);
  return ScanResult::Ok;
}

ScanResult TextCursor::Word(std::string& out, size_t max_chars) {
  Skip_Space();
  if (rest_.empty()) return ScanResult::End;
  size_t n = 0;
  while (n < rest_.size() && n < max_chars && !Is_Space(rest_[n])) ++n;
  out.assign(rest_.data(), n);
  rest_.remove_prefix(n);
  return ScanResult::Ok;
}
