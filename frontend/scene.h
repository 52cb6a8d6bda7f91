// The play-field as the player sees it: the camera, the lit 3-D geometry
// (bricks, walls, shooter, discs, gun, force fields around the see-through
// ground), the read-outs on the field, the colour-blind symbols, the boxed
// messages, and the hit flashes.
#pragma once

class Game;

// preview: the small live picture in the menu (no read-outs, boxes or
// flashes, and the saved matrices are left alone).
void Draw_Scene(Game& game, bool preview);
// Only the 3-D geometry, in the current camera transform.
void Draw_Play_Field(Game& game);

void Create_Effect_Textures(Game& game);
// Takes the picture around a play-field point for a starting flash.
void Capture_Effect(Game& game, int slot, float x, float y);
void Draw_Hit_Effects(Game& game);
