#include <gtest/gtest.h>

#include "field_fixture.h"
#include "game/heading.h"

TEST(Colors, MixingIsSymmetricAndOnlyForRuledPairs) {
  const MixRules table = Standard_Mix_Table();
  using namespace colors;
  struct Case {
    Color a, b;
    bool mixes;
    Color result;
  } cases[] = {
      {kRed, kBlue, true, kPurple},     {kBlue, kRed, true, kPurple},
      {kRed, kYellow, true, kOrange},   {kYellow, kRed, true, kOrange},
      {kBlue, kYellow, true, kGreen},   {kYellow, kBlue, true, kGreen},
      {kGreen, kGreen, true, kGreen},   {kWhite, kWhite, true, kWhite},
      {kGreen, kRed, false, {}},        {kPurple, kBlue, false, {}},
      {kGray, kGray, false, {}},        {kBlack, kBlack, false, {}},
      {kBlack, kRed, false, {}},        {kUnknown, kUnknown, false, {}},
  };
  for (const Case& c : cases) {
    Color out;
    SCOPED_TRACE(std::string(Color_Name(c.a)) + "+" + std::string(Color_Name(c.b)));
    EXPECT_EQ(Mix_Colors(table, c.a, c.b, out), c.mixes);
    if (c.mixes) {
      EXPECT_EQ(out, c.result);
    }
  }
}

TEST(Colors, CodesSlotsAndNames) {
  for (const ColorInfo& info : Color_Table()) {
    EXPECT_EQ(Color_From_Name(info.name), info.rgb);
    EXPECT_EQ(Color_Code(info.rgb), info.code);
    EXPECT_EQ(Color_From_Code(info.code), info.rgb);
  }
  EXPECT_EQ(Color_From_Name("red"), colors::kUnknown) << "colour words are case-sensitive";
  EXPECT_EQ(Color_Code(colors::kUnknown), 8);
  EXPECT_EQ(Force_Field_Texture_Slot(colors::kUnknown), 3);
  EXPECT_EQ(Force_Field_Texture_Slot(colors::kGray), 3);
  EXPECT_EQ(Force_Field_Texture_Slot(colors::kYellow), 11);
}

TEST(Objects, DiscsTakeColourRingFlagAndLowering) {
  auto g = Make_Field();
  EventRecorder rec;
  g->Events = &rec;
  Add_Disc(*g, {1, 2, 0}, {3, 4, 0}, colors::kRed, -1, 0);
  Add_Disc(*g, {5, 6, 0}, {0, 0, 0}, colors::kBlue, 2, 1);
  ASSERT_EQ(g->DiscCount, 2);
  const Disc& ring = g->Discs[1];
  EXPECT_EQ(ring.IsRing, 1);
  EXPECT_EQ(ring.FieldIndex, 2);
  EXPECT_EQ(ring.triangles[0].transparency, 0.5f) << "ring made from the ring template";
  EXPECT_EQ(ring.Disc_Color(), colors::kBlue);
  EXPECT_EQ(ring.points[0].z, kDiscLowerZ);
  EXPECT_EQ(ring.points[2].z, 0.75f);
  EXPECT_EQ(ring.radius, kDiscRadius);
  EXPECT_EQ(ring.Mass(), 10.0f);
  EXPECT_EQ(ring.position, Vec3(5, 6, 0));
  EXPECT_EQ(ring.points[0].x, -1.5f) << "disc points stay in model space";

  ASSERT_EQ(rec.events.size(), 2u);
  EXPECT_EQ(rec.events[0].type, EVENT_DISC_CREATED);
  EXPECT_EQ(rec.events[0].velocity, Vec3(3, 4, 0));
  EXPECT_EQ(rec.events[1].arg, 1);
  EXPECT_EQ(rec.events[1].color, colors::kBlue);
}

TEST(Objects, CapacitiesIgnoreTheExtraSilently) {
  auto g = Make_Field();
  EventRecorder rec;
  g->Events = &rec;
  for (int i = 0; i < kMaxDiscs + 3; ++i) Add_Disc(*g, {0, 0, 0}, {}, colors::kRed, -1, 0);
  for (int i = 0; i < kMaxBricks + 3; ++i) Add_Brick(*g, {0, 0, 0}, 0, 0, 1);
  for (int i = 0; i < kMaxForceFields + 3; ++i) Add_Force_Field(*g, {0, 0, 0}, {1, 0, 0}, colors::kRed);
  EXPECT_EQ(g->DiscCount, kMaxDiscs);
  EXPECT_EQ(g->BrickCount, kMaxBricks);
  EXPECT_EQ(g->ForceFieldCount, kMaxForceFields);
  EXPECT_EQ(rec.Count(EVENT_DISC_CREATED), kMaxDiscs) << "no event for an object not created";
}

TEST(Objects, RemovalClosesTheGapKeepingEachDisc) {
  auto g = Make_Field();
  EventRecorder rec;
  g->Events = &rec;
  Add_Disc(*g, {0, 0, 0}, {}, colors::kRed, -1, 0);
  Add_Disc(*g, {1, 0, 0}, {}, colors::kBlue, 4, 1);
  Add_Disc(*g, {2, 0, 0}, {}, colors::kYellow, -1, 0);
  Remove_Disc(*g, 0);
  ASSERT_EQ(g->DiscCount, 2);
  EXPECT_EQ(g->Discs[0].Disc_Color(), colors::kBlue);
  EXPECT_EQ(g->Discs[0].IsRing, 1);
  EXPECT_EQ(g->Discs[0].FieldIndex, 4);
  EXPECT_EQ(g->Discs[0].position, Vec3(1, 0, 0));
  EXPECT_EQ(g->Discs[1].Disc_Color(), colors::kYellow);
  EXPECT_EQ(g->Discs[1].IsRing, 0);

  // A pair is removed higher index first, so both named discs go.
  rec.events.clear();
  Add_Disc(*g, {3, 0, 0}, {}, colors::kGreen, -1, 0);
  Remove_Disc_Pair(*g, 0, 2);
  ASSERT_EQ(g->DiscCount, 1);
  EXPECT_EQ(g->Discs[0].Disc_Color(), colors::kYellow);
  ASSERT_EQ(rec.Count(EVENT_DISC_REMOVED), 2);
  EXPECT_EQ(rec.events[1].arg, 2);
  EXPECT_EQ(rec.events[2].arg, 0);

  Remove_Disc(*g, 5);  // out of range: nothing happens
  EXPECT_EQ(g->DiscCount, 1);
}

TEST(Objects, BricksArePlacedTurnedLoweredAndTinted) {
  auto g = Make_Field();
  EventRecorder rec;
  g->Events = &rec;
  Add_Brick(*g, {10, 20, 0}, 90.0f, 0, 1);
  Add_Brick(*g, {-5, 0, 0}, 0.0f, 1, 0);
  const Brick& solid = g->Bricks[0];
  EXPECT_EQ(solid.position, Vec3(10, 20, 0));
  EXPECT_EQ(solid.pivot, Vec3(10, 20, 0));
  // Point 0 was (-3, -1, 0): turned a quarter about (10, 20) it is (11, 17).
  EXPECT_NEAR(solid.points[0].x, 11.0f, 1e-4f);
  EXPECT_NEAR(solid.points[0].y, 17.0f, 1e-4f);
  EXPECT_EQ(solid.points[0].z, kBrickLowerZ);
  EXPECT_EQ(solid.points[0].Color(), colors::kWhite);
  EXPECT_EQ(solid.IsHollow, 0);
  const Brick& hollow = g->Bricks[1];
  EXPECT_EQ(hollow.IsHollow, 1);
  EXPECT_EQ(hollow.points[0].Color(), colors::kHollowBrick);
  EXPECT_EQ(hollow.points[0].z, 0.0f) << "not lowered without the flag";
  EXPECT_EQ(hollow.Mass(), 50.0f);

  Remove_Brick(*g, 0);
  EXPECT_EQ(g->BrickCount, 1);
  EXPECT_EQ(g->Bricks[0].IsHollow, 1);
  ASSERT_EQ(rec.Count(EVENT_BRICK_REMOVED), 1);
  EXPECT_EQ(rec.events.back().arg, 0);
}

TEST(Objects, ForceFieldStripAndPassDirections) {
  auto g = Make_Field();
  Add_Force_Field(*g, {-22.5f, 22, 0}, {-37.5f, 22, 0}, colors::kRed);
  const ForceField& f = g->ForceFields[0];
  EXPECT_EQ(f.Point_Count(), 6);
  EXPECT_EQ(f.Triangle_Count(), 4);
  EXPECT_FLOAT_EQ(f.PassFrom, 180.0f);
  EXPECT_FLOAT_EQ(f.PassTo, 0.0f);
  EXPECT_EQ(f.Field_Color(), colors::kRed);
  for (const ModelTriangle& t : f.triangles) {
    EXPECT_EQ(t.texture, 9);
    EXPECT_FLOAT_EQ(t.transparency, 0.3f);
  }
  float zmin = 0, zmax = 0;
  for (const ModelPoint& p : f.points) {
    zmin = std::min(zmin, p.z);
    zmax = std::max(zmax, p.z);
  }
  EXPECT_EQ(zmin, -3.0f);
  EXPECT_EQ(zmax, 3.0f);

  // A field whose two ends coincide reuses its points.
  Add_Force_Field(*g, {1, 1, 0}, {1, 1, 0}, colors::kUnknown);
  EXPECT_EQ(g->ForceFields[1].Point_Count(), 3);
  EXPECT_EQ(g->ForceFields[1].triangles[0].texture, 3);
}

TEST(Heading, QuadrantsAndRanges) {
  const Vec3 o;
  struct Case {
    Vec3 to;
    float heading;
  } cases[] = {
      {{1, 0, 0}, 0},    {{1, 1, 0}, 45},   {{0, 1, 0}, 90},  {{-1, 1, 0}, 135},
      {{-1, 0, 0}, 180}, {{-1, -1, 0}, 225}, {{0, -1, 0}, 270}, {{1, -1, 0}, 315},
      {{0, 0, 0}, 90},
  };
  for (const Case& c : cases) EXPECT_NEAR(Heading(o, c.to), c.heading, 1e-3f) << c.to.x << "," << c.to.y;

  EXPECT_TRUE(Angle_In_Range(180, 0, 270)) << "wrapping arc through 0";
  EXPECT_FALSE(Angle_In_Range(180, 0, 90));
  EXPECT_TRUE(Angle_In_Range(0, 180, 90));
  EXPECT_FALSE(Angle_In_Range(0, 180, 270));
  EXPECT_TRUE(Angle_In_Range(300, 60, 10));
  EXPECT_TRUE(Angle_In_Range(300, 60, 350));
}
