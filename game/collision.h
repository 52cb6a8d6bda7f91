// Contact tests between a disc and another disc or a mesh, and the bounce
// that answers them. Everything works in the play plane; a mesh collides
// only through its triangle edges that lie in or below that plane
// (both ends at z <= 0.1), so a wall's top and sides never catch a disc.
#pragma once

#include "game/model.h"

// Contact of two bodies by distance of centres against the sum of radii.
// With respond and only while they approach, the velocities are exchanged
// along the line of centres (by their masses). True on contact either way.
bool Collide_Spheres(CKorvidModel& a, CKorvidModel& b, float dt, bool respond);

// Contact of a disc with the play-plane edges of a mesh (group -1: every
// triangle). With respond, the disc bounces off the nearest edge point.
bool Collide_Mesh(CKorvidModel& disc, const CKorvidModel& mesh, int group, bool respond);

// Mirrors the disc's velocity about the contact normal at point, keeping its
// speed, and moves it out of the overlap; nothing when it already moves away.
void Bounce_Off_Point(CKorvidModel& disc, const Vec3& point);
