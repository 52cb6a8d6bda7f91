#include "engine/text_scan.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool Is_Space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// Numbers are converted from a bounded copy of the next run of non-blank
// characters, so a huge run cannot make strtol/strtof read past the text.
constexpr size_t kMaxNumberChars = 127;

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
  char buf[kMaxNumberChars + 1];
  size_t n = 0;
  while (n < rest_.size() && n < kMaxNumberChars && !Is_Space(rest_[n])) {
    buf[n] = rest_[n];
    ++n;
  }
  buf[n] = '\0';
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(buf, &end, base);
  if (end == buf) return ScanResult::Mismatch;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  out = static_cast<int>(v);
  rest_.remove_prefix(static_cast<size_t>(end - buf));
  return ScanResult::Ok;
}

ScanResult TextCursor::Int(int& out) { return Integer(out, 0); }
ScanResult TextCursor::Decimal(int& out) { return Integer(out, 10); }

ScanResult TextCursor::Float(float& out) {
  Skip_Space();
  if (rest_.empty()) return ScanResult::End;
  char buf[kMaxNumberChars + 1];
  size_t n = 0;
  while (n < rest_.size() && n < kMaxNumberChars && !Is_Space(rest_[n])) {
    buf[n] = rest_[n];
    ++n;
  }
  buf[n] = '\0';
  char* end = nullptr;
  const float v = std::strtof(buf, &end);
  if (end == buf) return ScanResult::Mismatch;
  out = v;
  rest_.remove_prefix(static_cast<size_t>(end - buf));
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
