// The PNG look before decoding: the game's own pictures pass, and files that
// make a decoder allocate what they merely claim are refused.
#include <gtest/gtest.h>

#include "level/pak_archive.h"
#include "level/png_check.h"
#include "temp_dir.h"

TEST(PngCheck, OwnPicturesPassAndClaimsBeyondTheBytesAreRefused) {
  PakArchive pak;
  ASSERT_TRUE(pak.Open_Archive(std::string(PRISMEL_BUILD_DIR) + "/data/textures.pak"));
  int pictures = 0;
  std::string bytes, why;
  for (const PakEntry& e : pak.Entries()) {
    if (e.name.size() < 4 || e.name.compare(e.name.size() - 4, 4, ".png") != 0) continue;
    ASSERT_TRUE(pak.Read_Entry(e.name, bytes));
    EXPECT_TRUE(Png_Structure_Plausible(bytes, why)) << e.name << ": " << why;
    ++pictures;
  }
  EXPECT_GT(pictures, 0);

  const std::string folder = PRISMEL_BAD_FILES;
  for (const char* name : {"png_huge_dimensions.png", "png_dimensions_overflow.png", "png_chunk_longer_than_file.png"}) {
    ASSERT_TRUE(Read_File(folder + "/" + name, bytes)) << name;
    EXPECT_FALSE(Png_Structure_Plausible(bytes, why)) << name;
  }
  const std::string good = bytes.substr(0, 8);  // a signature alone
  EXPECT_FALSE(Png_Structure_Plausible(good, why));
  EXPECT_FALSE(Png_Structure_Plausible("", why));
}
