#include <gtest/gtest.h>

#include "game/vec3.h"

TEST(Vec3, DegenerateCasesStayFinite) {
  EXPECT_EQ(Vec3(3, 4, 5) / 0.0f, Vec3(0, 0, 0));
  Vec3 zero;
  zero.Normalize();
  EXPECT_EQ(zero, Vec3(0, 0, 0));
  Vec3 v(3, 0, 4);
  v.Normalize();
  EXPECT_FLOAT_EQ(v.Length(), 1.0f);
  EXPECT_EQ(Vec3(1, 0, 0).Cross(Vec3(0, 1, 0)), Vec3(0, 0, 1));
  EXPECT_FLOAT_EQ(Vec3(1, 2, 3).Dot(Vec3(4, 5, 6)), 32.0f);
  EXPECT_NE(Vec3(1, 2, 3), Vec3(1, 2, 3.0001f));
}
