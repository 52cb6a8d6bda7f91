#include <gtest/gtest.h>

#include "engine/log.h"
#include "game/model.h"
#include "game/texture_table.h"
#include "level/pak_archive.h"
#include "temp_dir.h"

namespace {

// One triangle in the play plane, written in each version of the format.
struct VersionCase {
  const char* text;
  int group;
  int texture;  // expected slot
  float u1;     // u of corner 1
};

}  // namespace

TEST(ModelFile, EveryVersionThreshold) {
  const VersionCase cases[] = {
      // Below 0.3: positions and corners only, defaults for the rest.
      {"0.2 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1 2", 0, -1, 1.0f},
      // 0.3: texture coordinates.
      {"0.3 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1 2  0.1 0.2 0.3 0.4 0.5 0.6", 0, -1, 0.3f},
      // 0.4 with no textures still has an index per triangle; negative is none.
      {"0.4 0 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 -1 0 1 2  0.1 0.2 0.7 0.4 0.5 0.6", 0, -1, 0.7f},
      // 0.4 with a texture list: the index maps to the loaded slot.
      {"0.4 2 3 1 a.png b.png  0 0 0 0  1 1 0 0  2 0 1 0  0 1 0 1 2  0 0 0 0 0 0", 0, 1, 0.0f},
      // 0.5: a group on every triangle.
      {"0.5 0 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 -1 7 0 1 2  0 0 0.9 0 0 0", 7, -1, 0.9f},
  };
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.text);
    CKorvidModel m;
    NameTextureTable textures;
    ASSERT_TRUE(m.Load_Text(c.text, "t.dat", &textures));
    ASSERT_EQ(m.Point_Count(), 3);
    ASSERT_EQ(m.Triangle_Count(), 1);
    const ModelTriangle& t = m.triangles[0];
    EXPECT_EQ(t.group, c.group);
    EXPECT_EQ(t.texture, c.texture);
    EXPECT_FLOAT_EQ(t.uv[1][0], c.u1);
    EXPECT_EQ(m.points[0].Color(), Vec3(1, 1, 1));
    EXPECT_FLOAT_EQ(t.normal.z, 1.0f);
    EXPECT_FLOAT_EQ(t.centroid.x, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(m.Radius(), 1.0f);
    EXPECT_FLOAT_EQ(m.Mass(), 1.0f);
  }
}

TEST(ModelFile, BadFilesAreRejectedAndLeaveTheModel) {
  const char* bad[] = {
      "",                                                       // nothing
      "0.2 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1 3",            // corner out of range
      "0.2 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 -1 2",           // negative corner
      "0.2 3 1  0 0 0 0  1 1 0 0",                              // ends in its points
      "0.2 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1",              // ends in its triangles
      "0.2 99999999 1  0 0 0 0",                                // count larger than the file
      "0.2 -3 1",                                               // negative count
      "0.4 1 3 1 a.png  0 0 0 0  1 1 0 0  2 0 1 0  0 4 0 1 2",  // texture index beyond the list
      "0.3 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1 2  0.1 x",     // word where a number belongs
      "0.2 3 1  0 nan 0 0  1 1 0 0  2 0 1 0  0 0 1 2",          // a point that is no number
      "0.2 3 1  0 0 0 0  1 inf 0 0  2 0 1 0  0 0 1 2",          // a point at infinity
      "0.2 3 1  0 0 0 0  1 1e39 0 0  2 0 1 0  0 0 1 2",         // ... written as a huge number
      "0.5 0 2 3  0 0 0 0  1 1 0 0  2 0 1 0  0 0 0 0 1 2 0 0 1 0 0 1",  // one triangle short for its count
      "0.4 300 3 1 a a a a a a a a a a a a a a a a a a a a",    // more textures than a model may name
  };
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    CKorvidModel m;
    ASSERT_TRUE(m.Load_Text("0.2 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1 2", "good.dat"));
    NameTextureTable textures;
    EXPECT_FALSE(m.Load_Text(text, "bad.dat", &textures));
    EXPECT_EQ(m.Point_Count(), 3);
    EXPECT_EQ(m.Triangle_Count(), 1);
    EXPECT_TRUE(textures.names.empty()) << "a rejected file loads no textures";
  }
}

TEST(ModelFile, RejectionIsLoggedAtLevelOne) {
  TempDir dir;
  const std::string log_path = dir.File("log.rtf");
  g_log_stream = Log_Open(log_path.c_str(), true);
  CKorvidModel m;
  EXPECT_FALSE(m.File_Load("missing.dat", dir.path()));
  EXPECT_FALSE(m.Load_Text("0.2 3 1 0 0 0 0 1 1 0 0 2 0 1 0 0 0 1 9", "bad.dat"));
  Log_Close(g_log_stream);
  const std::string log = Slurp(log_path);
  EXPECT_NE(log.find("\\cf2\\f0 "), std::string::npos);
  EXPECT_NE(log.find("CKorvidModel::File_Load() :: failed (could not find file [missing.dat])"),
            std::string::npos);
  EXPECT_NE(log.find("[bad.dat]"), std::string::npos);
}

TEST(ModelFile, LoadsFromArchiveBeforeLooseFile) {
  TempDir dir;
  dir.Write("m.dat", "0.2 3 1  0 0 0 0  1 1 0 0  2 0 1 0  0 0 1 2");
  CKorvidModel m;
  ASSERT_TRUE(m.File_Load("m.dat", dir.path()));
  EXPECT_EQ(m.Triangle_Count(), 1);
  std::filesystem::create_directories(dir.File("data"));
  std::string error;
  ASSERT_TRUE(Pak_Write(dir.File("data/models.pak"),
                        {{"m.dat", "0.2 4 2  0 0 0 0  1 1 0 0  2 0 1 0  3 1 1 0  0 0 1 2  1 1 3 2"}}, error));
  ASSERT_TRUE(m.File_Load("m.dat", dir.path()));
  EXPECT_EQ(m.Triangle_Count(), 2);
}

TEST(Model, EditingAndTransforms) {
  CKorvidModel m;
  const int a = m.Add_Point({1, 0, 0}, false);
  const int b = m.Add_Point({1, 0, 0}, true);
  const int c = m.Add_Point({1, 0, 0}, false);
  EXPECT_EQ(a, b) << "reuse finds the point at exactly that position";
  EXPECT_NE(a, c);
  m.Add_Point({0, 1, 0}, false);
  m.Add_Triangle(0, 2, 3);

  m.Translate({0, 10, 0}, true);
  EXPECT_EQ(m.pivot, Vec3(0, 10, 0));
  EXPECT_EQ(m.position, Vec3(0, 10, 0));
  EXPECT_EQ(m.points[0].Position(), Vec3(1, 10, 0));
  m.Translate({5, 0, 0}, false);
  EXPECT_EQ(m.previous_position, Vec3(0, 10, 0));
  EXPECT_EQ(m.position, Vec3(5, 10, 0));
  EXPECT_EQ(m.points[0].Position(), Vec3(1, 10, 0)) << "points stay when not moved";

  m.pivot = Vec3(0, 10, 0);
  m.Rotate_Z(90.0f);  // counter-clockwise about the pivot
  EXPECT_NEAR(m.points[0].x, 0.0f, 1e-5f);
  EXPECT_NEAR(m.points[0].y, 11.0f, 1e-5f);

  m.Set_Transparency(2.0f, -1);
  EXPECT_EQ(m.triangles[0].transparency, 1.0f);
  m.Set_Transparency(-1.0f, 0);
  EXPECT_EQ(m.triangles[0].transparency, 0.0f);
  m.Set_Mass(-5.0f);
  EXPECT_EQ(m.Mass(), 0.0f);

  m.Resize_Points(2);
  EXPECT_EQ(m.Point_Count(), 2);
  m.Resize_Points(0);
  EXPECT_EQ(m.Point_Count(), 0);

  CKorvidModel copy;
  copy = m;
  m.Release();
  EXPECT_EQ(copy.Triangle_Count(), 1) << "a copy owns its own arrays";
  EXPECT_EQ(m.Triangle_Count(), 0);
}

TEST(Model, FillArrayWritesTheBatchLayoutAndStopsAtCapacity) {
  CKorvidModel m;
  ASSERT_TRUE(m.Load_Text("0.5 0 3 2  0 0 0 0  1 1 0 0  2 0 1 0  0 -1 1 0 1 2  0 0 0 0 0 0  "
                          "1 -1 2 0 2 1  0 0 0 0 0 0",
                          "t.dat"));
  m.Set_Transparency(0.25f, -1);
  std::vector<float> buffer(static_cast<size_t>(kBatchVertexCapacity) * kBatchFloatsPerVertex);
  EXPECT_EQ(m.Fill_Array(0, buffer.data(), -1), 6);
  EXPECT_EQ(m.Fill_Array(0, buffer.data(), 2), 3);
  const float* v1 = &buffer[kBatchFloatsPerVertex];  // second vertex of group 2's triangle
  EXPECT_FLOAT_EQ(v1[5], 0.75f);                      // alpha
  EXPECT_FLOAT_EQ(v1[8], -1.0f);                      // clockwise: normal points down
  EXPECT_FLOAT_EQ(v1[10], 1.0f);                      // position y of point 2
  EXPECT_EQ(m.Fill_Array(kBatchVertexCapacity - 4, buffer.data(), -1), kBatchVertexCapacity - 1);
}
