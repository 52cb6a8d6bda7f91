// The play-field as the player sees it: the lit 3-D geometry (bricks,
// walls, shooter, discs, gun, force fields around the see-through ground),
// the read-outs on the field, the colour-blind symbols, the boxed messages
// and the hit flashes. Drawing reads the state and changes none of it: the
// camera glides in the screens' update, flash pictures are taken by the
// drain after the step.
#pragma once

struct GameState;
struct FrontState;
struct Canvas;
class Game;

enum class SceneKind {
  PLAY,     // read-outs, the boxed messages, the tutorial text
  PREVIEW,  // the small live picture in the menu: the field alone
  REPLAY,   // the replay's clock, and the paused panel
};
void Draw_Scene(const GameState& g, Canvas& c, SceneKind kind);
// Only the 3-D geometry, in the current camera transform.
void Draw_Play_Field(const GameState& g, Canvas& c);
// The camera's targets follow the view setting; it glides towards them.
void Glide_Camera(GameState& g, float dt);

void Create_Effect_Textures(Game& game);
// Takes the picture around a play-field point for a starting flash, from
// the frame drawn last (the play screen draws before it steps).
void Capture_Effect(Game& game, int slot, float x, float y);
void Draw_Hit_Effects(const GameState& g, Canvas& c);
