// Reading the game's three requests: Base64 as the game encodes it, and
// every field held to the form the game prints, so that nothing else
// reaches the store.
#include <gtest/gtest.h>

#include <string>

#include "engine/base64.h"
#include "service/base64.h"
#include "service/protocol_words.h"

namespace {

TEST(Base64, DecodesWhatTheGamesEncoderWrites) {
  std::string every_byte;
  for (int b = 0; b < 256; ++b) every_byte += static_cast<char>(b);
  // Lengths 0..5 past a multiple of three take every padding case.
  for (size_t n = 250; n <= 256; ++n) {
    const std::string bytes = every_byte.substr(0, n);
    std::string back;
    ASSERT_TRUE(Base64_Decode(CKorvidBase64::Encode(bytes), back)) << n << " bytes";
    EXPECT_EQ(back, bytes) << n << " bytes";
  }
}

TEST(Base64, RefusesAllButTheCanonicalForm) {
  struct Case {
    const char* in;
    bool ok;
    const char* out;
  };
  const Case cases[] = {
      {"TWFu", true, "Man"},   {"TWE=", true, "Ma"},   {"TQ==", true, "M"},   {"Pz8+", true, "?\?>"},
      {"", false, ""},         {"TWE", false, ""},     {"TW=u", false, ""},   {"TQ=", false, ""},
      {"TR==", false, ""},     // bits under the padding
      {"TWF-", false, ""},     // the URL-safe alphabet
      {"Pz8%2B", false, ""},   // form-encoded on the way
      {"TWFu\n", false, ""},   {"TW Fu", false, ""},  {"====", false, ""},   {"TWFuTQ==TWFu", false, ""},
  };
  for (const Case& c : cases) {
    std::string out;
    EXPECT_EQ(Base64_Decode(c.in, out), c.ok) << c.in;
    if (c.ok) {
      EXPECT_EQ(out, c.out) << c.in;
    }
  }
}

TEST(ProtocolWords, FieldsTakeOnlyWhatTheGamePrints) {
  EXPECT_TRUE(Valid_Name("A"));
  EXPECT_TRUE(Valid_Name("Zed9ABCDEFGHIJK"));  // 15
  for (const char* bad : {"", "Zed9ABCDEFGHIJKL", "a b", "a_b", "<b>", "\xc3\xa9t\xc3\xa9", "a%20b"}) {
    EXPECT_FALSE(Valid_Name(bad)) << bad;
  }
  int level = 0;
  for (const char* good : {"1", "60", "007", "060"}) EXPECT_TRUE(Parse_Level(good, level)) << good;
  for (const char* bad : {"0", "61", "000", "-1", "+1", "1a", "", "0001", "1.0"}) {
    EXPECT_FALSE(Parse_Level(bad, level)) << bad;
  }
  for (const char* good : {"12.500000", "0.000001", "9999.999999", "11.449997"}) {
    EXPECT_TRUE(Valid_Time_Text(good)) << good;
  }
  for (const char* bad : {"0.000000", "10000.000000", "12.5", "12.5000000", "-1.000000", "012.500000", "1e1",
                          ".500000", "12,500000", "nan", ""}) {
    EXPECT_FALSE(Valid_Time_Text(bad)) << bad;
  }
}

QueryParams Information_Query() {
  return {{"access", "replay_upload_information"}, {"level", "7"}, {"highscore", "12.500000"},
          {"username", "Alice7"}, {"os", "Linux_6.1.0"}, {"version", "1.03"}};
}

TEST(ProtocolWords, ReadsTheInformationRequest) {
  Ticket t;
  std::string why;
  ASSERT_TRUE(Read_Information(Information_Query(), t, why)) << why;
  EXPECT_EQ(Access_Of(Information_Query()), Access::Information);
  EXPECT_EQ(t.level, 7);
  EXPECT_EQ(t.time_text, "12.500000");
  EXPECT_EQ(t.name, "Alice7");
  EXPECT_EQ(t.os, "Linux_6.1.0");
  EXPECT_EQ(t.version, "1.03");

  struct Case {
    const char* what;
    const char* key;
    const char* value;  // null: the key is left out
  };
  const Case bad[] = {
      {"no level", "level", nullptr},          {"level 61", "level", "61"},
      {"no name", "username", nullptr},        {"a name with a blank", "username", "Al ice"},
      {"a time of 0", "highscore", "0.000000"}, {"a time as typed", "highscore", "12.5"},
      {"an os of two words", "os", "Linux 6"},  {"a version as typed", "version", "1.3"},
      {"a word nobody sends", "extra", "1"},
  };
  for (const Case& c : bad) {
    QueryParams q = Information_Query();
    q.erase(c.key);
    if (c.value != nullptr) q.emplace(c.key, c.value);
    EXPECT_FALSE(Read_Information(q, t, why)) << c.what;
  }
  QueryParams twice = Information_Query();
  twice.emplace("level", "8");
  EXPECT_FALSE(Read_Information(twice, t, why)) << "a level given twice";
  EXPECT_EQ(Access_Of({{"access", "replay_upload_information"}, {"access", "replay_upload_information"}}),
            Access::Unknown);
  EXPECT_EQ(Access_Of({{"access", "list_scores"}}), Access::Unknown);
}

TEST(ProtocolWords, ReadsTheConfirmation) {
  ConfirmationRequest c;
  std::string why;
  ASSERT_TRUE(Read_Confirmation(
      {{"access", "replay_upload_confirmation"}, {"username", "Alice7"}, {"timestamp_gmt", "1714567890"}}, c, why));
  EXPECT_EQ(c.name, "Alice7");
  EXPECT_EQ(c.timestamp, 1714567890);
  for (const char* stamp : {"", "-5", "12x", "99999999999999999999"}) {
    EXPECT_FALSE(Read_Confirmation(
        {{"access", "replay_upload_confirmation"}, {"username", "Alice7"}, {"timestamp_gmt", stamp}}, c, why))
        << stamp;
  }
}

TEST(ProtocolWords, ReadsTheUploadBodyRaw) {
  UploadedFile u;
  std::string why;
  // '+' and '/' are letters of the file's Base64, never form escapes.
  ASSERT_TRUE(Read_Upload("007_12.500000_Alice7 Pz8+Pz8/", u, why)) << why;
  EXPECT_EQ(u.level, 7);
  EXPECT_EQ(u.time_text, "12.500000");
  EXPECT_EQ(u.name, "Alice7");
  EXPECT_EQ(u.file, "?\?>?\?\?");
  const char* bad[] = {
      "007_12.500000_Alice7",          // no file
      "7_12.500000_Alice7 TWFu",       // the level as %i, not %.3i
      "061_12.500000_Alice7 TWFu",     // no such level
      "007_12.5_Alice7 TWFu",          // a time as typed
      "007_12.500000_Al_ice TWFu",     // a name with '_'
      "007_12.500000_ TWFu",           // no name
      "007_12.500000_Alice7 TWF",      // broken Base64
      "007_12.500000_Alice7 Pz8%2B",   // form-encoded Base64
      "007_12.500000_Alice7 TWFu TWFu",
  };
  for (const char* body : bad) EXPECT_FALSE(Read_Upload(body, u, why)) << body;
}

}  // namespace
