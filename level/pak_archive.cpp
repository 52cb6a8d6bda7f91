#include "level/pak_archive.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/log.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

uint32_t Read_U32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void Put_U32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// The size of an open regular file; -1 for anything else. A folder opens
// for reading on Linux and reports a huge size, which must never become an
// allocation.
long File_Size(std::FILE* f) {
  struct stat st{};
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<long>(st.st_size);
}

bool Is_Regular_File(std::FILE* f, const std::string& path) {
  if (File_Size(f) >= 0) return true;
  Log_Write(g_log_stream, 1, "Read_File() :: failed ([%s] is not a file)", path.c_str());
  return false;
}

// The ignored header bytes carry a signature and a format number, so that a
// person looking at a file with a hex viewer knows what it is.
constexpr char kSignature[12] = {'P', 'R', 'I', 'S', 'M', 'E', 'L', 'P', 'A', 'K', 0, 1};

}  // namespace

bool Plain_Entry_Name(const std::string& name) {
  if (name.empty() || name.size() >= kPakNameSize || name == "." || name == "..") return false;
  for (const char c : name) {
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

bool Read_File(const std::string& path, std::string& out) {
  File f(std::fopen(path.c_str(), "rb"));
  if (!f || !Is_Regular_File(f.get(), path)) return false;
  const long size = File_Size(f.get());
  std::string data(static_cast<size_t>(size), '\0');
  if (size > 0 && std::fread(data.data(), 1, data.size(), f.get()) != data.size()) return false;
  out = std::move(data);
  return true;
}

bool PakArchive::Open_Archive(const std::string& path) {
  Close_Archive();
  if (path.empty()) return false;
  File f(std::fopen(path.c_str(), "rb"));
  if (!f || !Is_Regular_File(f.get(), path)) return false;
  const long size = File_Size(f.get());
  unsigned char header[kPakHeaderSize];
  if (size < static_cast<long>(kPakHeaderSize) ||
      std::fread(header, 1, kPakHeaderSize, f.get()) != kPakHeaderSize) {
    return false;
  }
  const uint64_t count = Read_U32(header + 12);
  if (count * kPakEntrySize > static_cast<uint64_t>(size) - kPakHeaderSize) return false;

  std::vector<PakEntry> entries;
  entries.reserve(static_cast<size_t>(count));
  unsigned char raw[kPakEntrySize];
  for (uint64_t i = 0; i < count; ++i) {
    if (std::fread(raw, 1, kPakEntrySize, f.get()) != kPakEntrySize) return false;
    for (unsigned char& b : raw) b = static_cast<unsigned char>(b - kPakKey);
    const void* nul = std::memchr(raw, 0, kPakNameSize);
    if (nul == nullptr) return false;
    PakEntry e;
    e.name.assign(reinterpret_cast<const char*>(raw), static_cast<const unsigned char*>(nul) - raw);
    e.size = Read_U32(raw + 32);
    e.offset = Read_U32(raw + 36);
    if (!Plain_Entry_Name(e.name)) {
      // A name with a folder part could reach outside any folder it is
      // extracted to; such an entry is not part of the archive.
      Log_Write(g_log_stream, 1, "PakArchive::Open_Archive() :: entry [%s] of [%s] skipped (not a plain file name)",
                e.name.c_str(), path.c_str());
      continue;
    }
    entries.push_back(std::move(e));
  }
  path_ = path;
  entries_ = std::move(entries);
  return true;
}

bool PakArchive::Read_Entry(const std::string& name, std::string& out) const {
  if (path_.empty() || name.empty()) return false;
  const PakEntry* found = nullptr;
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->name == name) {
      found = &*it;
      break;
    }
  }
  if (found == nullptr) return false;
  File f(std::fopen(path_.c_str(), "rb"));
  if (!f) return false;
  const long size = File_Size(f.get());
  if (size < 0 || static_cast<uint64_t>(found->offset) + found->size > static_cast<uint64_t>(size)) {
    return false;
  }
  std::string data(found->size, '\0');
  if (std::fseek(f.get(), static_cast<long>(found->offset), SEEK_SET) != 0) return false;
  if (!data.empty() && std::fread(data.data(), 1, data.size(), f.get()) != data.size()) return false;
  for (char& c : data) c = static_cast<char>(static_cast<unsigned char>(c) - kPakKey);
  out = std::move(data);
  return true;
}

bool PakArchive::Extract_Entry(const std::string& name, const std::string& dir) const {
  std::string data;
  if (!Plain_Entry_Name(name) || !Read_Entry(name, data)) return false;
  File out(std::fopen((dir + "/" + name).c_str(), "wb"));
  if (!out) return false;
  return data.empty() || std::fwrite(data.data(), 1, data.size(), out.get()) == data.size();
}

void PakArchive::Close_Archive() {
  path_.clear();
  entries_.clear();
}

bool Pak_Write(const std::string& path, const std::vector<PakInput>& entries, std::string& error) {
  uint64_t offset = kPakHeaderSize + kPakEntrySize * entries.size();
  std::string table;
  for (const PakInput& e : entries) {
    if (e.name.empty() || e.name.size() >= kPakNameSize) {
      error = "entry name [" + e.name + "] must have 1 to 31 characters";
      return false;
    }
    if (!Plain_Entry_Name(e.name)) {
      error = "entry name [" + e.name + "] must be a plain file name";
      return false;
    }
    if (offset + e.data.size() > UINT32_MAX) {
      error = "archive would exceed 4 GiB";
      return false;
    }
    unsigned char raw[kPakEntrySize] = {};
    std::memcpy(raw, e.name.data(), e.name.size());
    Put_U32(raw + 32, static_cast<uint32_t>(e.data.size()));
    Put_U32(raw + 36, static_cast<uint32_t>(offset));
    for (unsigned char& b : raw) b = static_cast<unsigned char>(b + kPakKey);
    table.append(reinterpret_cast<const char*>(raw), kPakEntrySize);
    offset += e.data.size();
  }
  unsigned char header[kPakHeaderSize] = {};
  std::memcpy(header, kSignature, sizeof kSignature);
  Put_U32(header + 12, static_cast<uint32_t>(entries.size()));

  const std::string tmp = path + ".tmp";
  File f(std::fopen(tmp.c_str(), "wb"));
  if (!f) {
    error = "cannot create [" + tmp + "]";
    return false;
  }
  bool ok = std::fwrite(header, 1, kPakHeaderSize, f.get()) == kPakHeaderSize &&
            std::fwrite(table.data(), 1, table.size(), f.get()) == table.size();
  for (const PakInput& e : entries) {
    if (!ok) break;
    std::string shifted = e.data;
    for (char& c : shifted) c = static_cast<char>(static_cast<unsigned char>(c) + kPakKey);
    ok = std::fwrite(shifted.data(), 1, shifted.size(), f.get()) == shifted.size();
  }
  ok = (std::fclose(f.release()) == 0) && ok;
  if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    error = "cannot write [" + path + "]";
    return false;
  }
  return true;
}
