#include "level/resource_file.h"

#include "level/pak_archive.h"

namespace {

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder + "/" + name;
}

bool From_Archive(const std::string& folder, const std::string& archive, const std::string& name,
                  std::string& out) {
  PakArchive pak;
  if (!pak.Open_Archive(Join(folder, archive))) return false;
  return pak.Read_Entry(name, out);
}

}  // namespace

bool Load_Resource_Archive_First(const std::string& folder, const std::string& archive,
                                 const std::string& name, std::string& out) {
  if (name.empty()) return false;
  return From_Archive(folder, archive, name, out) || Read_File(Join(folder, name), out);
}

bool Load_Resource_Loose_First(const std::string& folder, const std::string& archive,
                               const std::string& name, std::string& out) {
  if (name.empty()) return false;
  return Read_File(Join(folder, name), out) || From_Archive(folder, archive, name, out);
}
