// The play-field's objects: discs (plain discs and rings), bricks (solid and
// hollow), wall pieces and force fields, and the list operations that add
// and remove them.
//
// Each object is a mesh (CKorvidModel) followed by the fields of its kind.
// The lists live in GameState with fixed capacities; adding to a full list
// is silently ignored, and a removal closes the gap by moving the later
// entries down one place, so the lists stay packed in creation order.
#pragma once

#include "game/colors.h"
#include "game/model.h"
#include "game/vec3.h"
#include "level/field_geometry.h"

struct GameState;

inline constexpr int kMaxDiscs = 40;
inline constexpr int kMaxBricks = 100;
inline constexpr int kMaxWalls = 100;
inline constexpr int kMaxForceFields = 12;

inline constexpr float kDiscRadius = field::kDiscRadius;  // units, whatever the mesh says
inline constexpr float kDiscLowerZ = -0.75f;     // units: where z = 0 points of a disc go
inline constexpr float kBrickLowerZ = -2.0f;     // units: where z = 0 points of a brick go
inline constexpr float kForceFieldHalfHeight = 3.0f;      // units above and below the plane
inline constexpr float kForceFieldTransparency = 0.3f;

struct Disc : CKorvidModel {
  int FieldIndex = -1;  // force field the disc last passed through, -1 none
  int IsRing = 0;       // 1 ring, 0 plain disc
  Color Disc_Color() const { return points.empty() ? Color() : points[0].Color(); }
};

struct Brick : CKorvidModel {
  int IsHollow = 0;  // 1 hollow (a plain purple disc destroys it), 0 solid
};

// A wall piece has the layout of a brick; it is always solid.
using Wall = Brick;

struct ForceField : CKorvidModel {
  float PassFrom = 0.0f;  // degrees: heading from the first point to the second
  float PassTo = 0.0f;    // degrees: heading from the second point to the first
  Vec3 first;             // the end points in the play plane: the field acts as
  Vec3 second;            // the segment between them
  Color Field_Color() const { return points.empty() ? Color() : points[0].Color(); }
};

void Add_Disc(GameState& g, const Vec3& position, const Vec3& velocity, const Color& color,
              int field_index, int is_ring);
void Remove_Disc(GameState& g, int index);
// Removes two discs, the higher index first so the lower one stays valid.
void Remove_Disc_Pair(GameState& g, int a, int b);
void Add_Brick(GameState& g, const Vec3& position, float angle_degrees, int is_hollow, int lower);
void Remove_Brick(GameState& g, int index);
void Add_Force_Field(GameState& g, const Vec3& first, const Vec3& second, const Color& color);

// Lowers every point whose z is exactly 0 to z, as placed objects stand below
// the play plane.
void Lower_Base(CKorvidModel& m, float z);
