// config.dat: the seven settings that persist between runs (game/settings.h).
//
// The file is read once at start and written once when the program ends.
// Reading is forgiving on purpose, because players edit the file by hand: a
// key matches in any letter case, may be followed by tabs, blanks or " = ",
// and anything missing or unparsable falls back to a number, never to an
// error. Writing always produces the one fixed layout of Config_Text.
//
// This module only converts between Settings and the file; it does not know
// where the per-user folder is, and it never changes a setting on its own
// beyond clamping Level to the levels that exist.
#pragma once

#include <span>
#include <string>

#include "game/settings.h"

inline constexpr int kConfigMaxLevel = 60;

// One setting of the file. The one table of these drives reading (in table
// order) and writing, so a key cannot be read under one name and written
// under another.
struct ConfigKey {
  const char* key;
  int Settings::*field;
  int default_value;
  // Tabs after the key in the written file: every value then starts in
  // column 20 at a tab width of 4, so the file reads as a neat table.
  const char* padding;
  // Written after a blank line at the end of the file, and only when 1, so
  // a file that never had it switched on does not show it.
  bool only_when_on;
};

// Every key in file-table order: CameraView, ColorBlindSymbols, Level,
// Music, ShowReplayFPS, Sound, UploadHighScores.
std::span<const ConfigKey> Config_Keys();

// The value of one key in the text of a config file, or default_text. The
// text is scanned word by word (blank-delimited, at most 250 characters a
// word); the first word equal to the key without regard to case, whose rest
// of line (at most 250 characters) is followed by a line feed, gives that
// rest with every tab and every " = " removed. A key on a last line without
// a line feed is not found. Any word is a candidate, the version number too.
std::string Config_Read_Value(const std::string& text, const std::string& key,
                              const std::string& default_text);

// Loads every key of the file at path into s, in file-table order; a missing
// or unreadable file gives every default. Level ends up within 0..60.
void Config_Load(Settings& s, const std::string& path);

// The exact bytes Config_Save writes for s.
std::string Config_Text(const Settings& s);

// Writes Config_Text(s) to path through a temporary file in the same folder
// that is renamed into place, so an old file is either kept whole or
// replaced whole. On failure: false, one log line, the old file untouched
// and no temporary left behind.
bool Config_Save(const Settings& s, const std::string& path);
