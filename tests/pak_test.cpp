#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "level/pak_archive.h"
#include "level/resource_file.h"
#include "temp_dir.h"

namespace {

std::string Make_Archive(const TempDir& dir, const std::vector<PakInput>& entries) {
  const std::string path = dir.File("test.pak");
  std::string error;
  EXPECT_TRUE(Pak_Write(path, entries, error)) << error;
  return path;
}

int Run_Quiet(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

}  // namespace

TEST(PakArchive, RoundTripEdgeCases) {
  TempDir dir;
  const std::string name31(31, 'n');
  const std::string path = Make_Archive(dir, {{"a.txt", "alpha"},
                                              {name31, "long name"},
                                              {"empty.dat", ""},
                                              {"twice.txt", "first"},
                                              {"twice.txt", "second"},
                                              {"Case.txt", "upper"}});
  PakArchive pak;
  ASSERT_TRUE(pak.Open_Archive(path));
  ASSERT_EQ(pak.Entries().size(), 6u);
  std::string data;
  EXPECT_TRUE(pak.Read_Entry("a.txt", data));
  EXPECT_EQ(data, "alpha");
  EXPECT_TRUE(pak.Read_Entry(name31, data));
  EXPECT_EQ(data, "long name");
  EXPECT_TRUE(pak.Read_Entry("empty.dat", data));
  EXPECT_EQ(data, "");
  EXPECT_TRUE(pak.Read_Entry("twice.txt", data));
  EXPECT_EQ(data, "second") << "the later entry of a name wins";
  EXPECT_FALSE(pak.Read_Entry("case.txt", data)) << "names compare case-sensitively";
  EXPECT_FALSE(pak.Read_Entry("", data));

  // The stored bytes are shifted: the plain text must not be visible.
  EXPECT_EQ(Slurp(path).find("alpha"), std::string::npos);

  pak.Close_Archive();
  EXPECT_FALSE(pak.Read_Entry("a.txt", data)) << "a closed archive reads nothing";
}

TEST(PakArchive, EmptyArchiveOpensAndFindsNothing) {
  TempDir dir;
  PakArchive pak;
  ASSERT_TRUE(pak.Open_Archive(Make_Archive(dir, {})));
  std::string data;
  EXPECT_FALSE(pak.Read_Entry("a.txt", data));
  EXPECT_FALSE(pak.Open_Archive(""));
  EXPECT_FALSE(pak.Open_Archive(dir.File("missing.pak")));
}

TEST(PakArchive, DamagedFilesFailCleanly) {
  TempDir dir;
  const std::string good = Slurp(Make_Archive(dir, {{"a.txt", "alpha"}, {"b.txt", "beta"}}));
  std::string data;
  PakArchive pak;

  // Table shorter than its count promises.
  const std::string truncated_table = dir.Write("t1.pak", good.substr(0, 28 + 44 + 10));
  EXPECT_FALSE(pak.Open_Archive(truncated_table));

  // A count that promises billions of entries must not allocate them.
  std::string huge = good;
  huge[12] = huge[13] = huge[14] = huge[15] = '\xff';
  EXPECT_FALSE(pak.Open_Archive(dir.Write("t2.pak", huge)));

  // Data cut short: the table opens, the entry whose data is gone fails,
  // the entry still whole reads.
  const std::string cut = dir.Write("t3.pak", good.substr(0, good.size() - 2));
  ASSERT_TRUE(pak.Open_Archive(cut));
  EXPECT_TRUE(pak.Read_Entry("a.txt", data));
  EXPECT_FALSE(pak.Read_Entry("b.txt", data));

  // A name with no terminator within its 32 bytes.
  std::string no_nul = good;
  for (size_t i = 28; i < 28 + 32; ++i) no_nul[i] = static_cast<char>('x' + kPakKey);
  EXPECT_FALSE(pak.Open_Archive(dir.Write("t4.pak", no_nul)));

  // Shorter than a header.
  EXPECT_FALSE(pak.Open_Archive(dir.Write("t5.pak", "PRISM")));
}

// An archive whose first entry is renamed in place (the writer itself
// refuses such names, so a hostile file is made by hand).
std::string With_First_Name(const std::string& good, const std::string& name) {
  std::string bytes = good;
  for (size_t i = 0; i < kPakNameSize; ++i) {
    const char c = i < name.size() ? name[i] : '\0';
    bytes[kPakHeaderSize + i] = static_cast<char>(static_cast<unsigned char>(c) + kPakKey);
  }
  return bytes;
}

TEST(PakArchive, OnlyPlainFileNamesAreEntriesAndFoldersAreNoFiles) {
  TempDir dir;
  const std::string good = Slurp(Make_Archive(dir, {{"a.txt", "alpha"}, {"b.txt", "beta"}}));
  std::filesystem::create_directories(dir.File("out"));
  for (const std::string name : {"../escape.txt", "", "..", "sub/a.txt", "back\\slash"}) {
    PakArchive pak;
    ASSERT_TRUE(pak.Open_Archive(dir.Write("bad.pak", With_First_Name(good, name)))) << name;
    ASSERT_EQ(pak.Entries().size(), 1u) << "[" << name << "] is left out";
    EXPECT_EQ(pak.Entries()[0].name, "b.txt");
    EXPECT_FALSE(pak.Extract_Entry(name, dir.File("out")));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("escape.txt")));

  // A folder opens for reading, and claims a size no one can allocate.
  std::filesystem::create_directories(dir.File("folder.pak"));
  std::string data;
  EXPECT_FALSE(Read_File(dir.File("folder.pak"), data));
  EXPECT_FALSE(PakArchive().Open_Archive(dir.File("folder.pak")));
  EXPECT_NE(Run_Quiet(std::string(PRISMEL_PAK_TOOL) + " create " + dir.File("x.pak") + " " + dir.File("folder.pak")),
            0);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.pak")));
}

TEST(PakArchive, WriterRefusesBadNames) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(Pak_Write(dir.File("x.pak"), {{std::string(32, 'n'), "x"}}, error));
  EXPECT_NE(error.find("31"), std::string::npos);
  EXPECT_FALSE(Pak_Write(dir.File("x.pak"), {{"", "x"}}, error));
  EXPECT_FALSE(Pak_Write(dir.File("x.pak"), {{"..", "x"}}, error));
  EXPECT_FALSE(Pak_Write(dir.File("x.pak"), {{"a\\b", "x"}}, error));
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.pak")));
}

TEST(PakArchive, ResourceLookupOrder) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("data"));
  std::string error;
  ASSERT_TRUE(Pak_Write(dir.File("data/models.pak"), {{"m.dat", "packed"}}, error));
  dir.Write("m.dat", "loose");
  dir.Write("only_loose.dat", "loose only");
  std::string out;
  EXPECT_TRUE(Load_Resource_Archive_First(dir.path(), "data/models.pak", "m.dat", out));
  EXPECT_EQ(out, "packed");
  EXPECT_TRUE(Load_Resource_Loose_First(dir.path(), "data/models.pak", "m.dat", out));
  EXPECT_EQ(out, "loose");
  EXPECT_TRUE(Load_Resource_Archive_First(dir.path(), "data/models.pak", "only_loose.dat", out));
  EXPECT_EQ(out, "loose only");
  EXPECT_FALSE(Load_Resource_Archive_First(dir.path(), "data/models.pak", "none.dat", out));
}

TEST(PakTool, CreateListExtract) {
  TempDir dir;
  const std::string tool = PRISMEL_PAK_TOOL;
  dir.Write("in/a.txt", "alpha");
  dir.Write("in/empty.txt", "");
  dir.Write("in/" + std::string(31, 'n'), "31");
  const std::string pak = dir.File("t.pak");
  ASSERT_EQ(Run_Quiet(tool + " create " + pak + " " + dir.File("in/a.txt") + " " + dir.File("in/empty.txt") +
                " " + dir.File("in/" + std::string(31, 'n'))),
            0);
  const std::string listing = dir.File("list.txt");
  ASSERT_EQ(std::system((tool + " list " + pak + " > " + listing).c_str()), 0);
  const std::string text = Slurp(listing);
  EXPECT_NE(text.find("a.txt"), std::string::npos);
  EXPECT_NE(text.find("5"), std::string::npos);
  EXPECT_NE(text.find(std::string(31, 'n')), std::string::npos);

  std::filesystem::create_directories(dir.File("out"));
  ASSERT_EQ(Run_Quiet(tool + " extract " + pak + " a.txt " + dir.File("out")), 0);
  EXPECT_EQ(Slurp(dir.File("out/a.txt")), "alpha");
  ASSERT_EQ(Run_Quiet(tool + " extract " + pak + " empty.txt " + dir.File("out")), 0);
  EXPECT_TRUE(std::filesystem::exists(dir.File("out/empty.txt")));

  // Errors: a 32-character name, a missing file, an unknown entry.
  dir.Write("in/" + std::string(32, 'n'), "x");
  EXPECT_NE(Run_Quiet(tool + " create " + dir.File("bad.pak") + " " + dir.File("in/" + std::string(32, 'n'))), 0);
  EXPECT_NE(Run_Quiet(tool + " create " + dir.File("bad.pak") + " " + dir.File("in/missing")), 0);
  EXPECT_NE(Run_Quiet(tool + " extract " + pak + " nothing " + dir.File("out")), 0);
  EXPECT_NE(Run_Quiet(tool + " list " + dir.File("in/a.txt")), 0);
}
