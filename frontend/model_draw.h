// Immediate drawing of a mesh, triangle by triangle, with each triangle's own
// texture slot (or one given for all). Blending is on while it draws, so
// triangles with transparency show what lies beneath.
#pragma once

class CKorvidWindow;
class CKorvidModel;
struct Vec3;

// Draws triangles first..last (inclusive) of the mesh; slot_override >= 0
// draws them all with that texture slot instead of their own.
// tint, when given, replaces every point's colour for this drawing.
void Draw_Model_Range(CKorvidWindow& w, const CKorvidModel& m, int first, int last, bool textured,
                      int slot_override = -1, const Vec3* tint = nullptr);
// Appends the mesh to the batch buffer and draws the buffer with one call.
void Draw_Batch(const float* buffer, int vertices);
