// Pak archives: the flat files that carry the game's textures, models,
// wall files and sounds ("data/textures.pak", "data/models.pak",
// "data/audio.pak").
//
// Layout (little-endian): a 28-byte plain header whose bytes 12..15 hold the
// entry count; then count entry records of 44 bytes (32-byte NUL-terminated
// name, size, absolute data offset, 4 unused bytes); then the entry data.
// Every byte of the entry table and of the data is stored plus kPakKey
// (mod 256); the header is stored plain.
//
// The reader loads an entry into memory: loaders parse bytes, so nothing is
// ever written beside the program (whose folder may be read-only). Every
// table read is checked against the real file size, so a damaged archive
// fails cleanly instead of allocating or reading past its end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint8_t kPakKey = 0x5B;
inline constexpr size_t kPakHeaderSize = 28;
inline constexpr size_t kPakEntrySize = 44;
inline constexpr size_t kPakNameSize = 32;  // bytes, NUL included: 31 characters at most

struct PakEntry {
  std::string name;
  uint32_t size = 0;
  uint32_t offset = 0;
};

class PakArchive {
 public:
  // Reads the header and the entry table. False for an empty path, a file
  // that does not open or is no regular file, a table shorter than its
  // count promises or an entry name with no terminator. Entries whose name
  // is not a plain file name are left out, with a log line.
  bool Open_Archive(const std::string& path);

  // Reads an entry into memory. When two entries share a name the later one
  // in the table wins. False when no archive is open, the name is empty or
  // unknown, or the entry's data reaches past the end of the file.
  bool Read_Entry(const std::string& name, std::string& out) const;

  // Writes an entry to a file called name in the folder dir.
  bool Extract_Entry(const std::string& name, const std::string& dir = ".") const;

  // Forgets the table; the object can be opened again.
  void Close_Archive();

  const std::vector<PakEntry>& Entries() const { return entries_; }  // file order
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::vector<PakEntry> entries_;
};

struct PakInput {
  std::string name;  // the entry name (no folder part)
  std::string data;
};

// Writes an archive of the given entries in order. On failure returns false
// and puts the reason in error.
bool Pak_Write(const std::string& path, const std::vector<PakInput>& entries, std::string& error);

// Reads a whole regular file into memory; false when it cannot be opened
// or read, and (with a log line) when the path names a folder or a device.
bool Read_File(const std::string& path, std::string& out);

// A name an archive entry may have: 1..31 characters, no folder part ('/'
// or '\\'), not "." or "..", no control characters.
bool Plain_Entry_Name(const std::string& name);
