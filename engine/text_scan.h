// Formatted reading from text in memory, with the rules of the C library's
// scanf family: "%i" takes a sign and decimal, 0x-hexadecimal or 0-octal
// digits; "%f" takes a decimal number with optional fraction and exponent;
// "%Ns" takes a run of at most N non-blank characters.
//
// Every reader of a data file (levels, models, walls, fonts, configuration,
// scores) works on bytes already in memory through this cursor, so the same
// code serves a loose file and an archive entry, and can be tested on a
// string. It never allocates more than the text it is given. The results
// agree with glibc's sscanf on the same bytes (a test compares them).
#pragma once

#include <string>
#include <string_view>

enum class ScanResult {
  Ok,        // converted
  Mismatch,  // text remains but does not convert (scanf returns the count so far)
  End,       // only white space or nothing remains (scanf's input failure)
};

class TextCursor {
 public:
  explicit TextCursor(std::string_view text) : rest_(text) {}

  ScanResult Int(int& out);            // "%i"
  ScanResult Decimal(int& out);        // "%d"
  ScanResult Float(float& out);        // "%f"
  ScanResult Word(std::string& out, size_t max_chars);  // "%Ns"

  bool At_End() const;  // only white space remains
  std::string_view Rest() const { return rest_; }

 private:
  void Skip_Space();
  ScanResult Integer(int& out, int base);
  std::string_view rest_;
};
