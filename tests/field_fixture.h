// A GameState with small stand-in templates for discs and bricks, and an
// event recorder, for tests of the play-field rules.
#pragma once

#include <memory>
#include <vector>

#include "game/game_state.h"
#include "game/simulation.h"

class EventRecorder : public GameEvents {
 public:
  void Record_Event(const ReplayEvent& e) override { events.push_back(e); }
  void Play_Sound(int channel) override { sounds.push_back(channel); }
  void Effect_Started(int slot, float, float) override { effects.push_back(slot); }
  int Count(ReplayEventType type) const {
    int n = 0;
    for (const ReplayEvent& e : events) n += e.type == type;
    return n;
  }
  std::vector<ReplayEvent> events;
  std::vector<int> sounds;
  std::vector<int> effects;
};

// A collision outline: four vertical strips standing on the rectangle
// [-w, w] x [-h, h], so the play-plane edges are exactly its sides.
inline void Make_Box_Outline(CKorvidModel& m, float w, float h) {
  m = CKorvidModel();
  const Vec3 corners[4] = {{-w, -h, 0}, {w, -h, 0}, {w, h, 0}, {-w, h, 0}};
  for (int i = 0; i < 4; ++i) {
    const Vec3 a = corners[i], b = corners[(i + 1) % 4];
    const int a0 = m.Add_Point(a, true), b0 = m.Add_Point(b, true);
    const int b1 = m.Add_Point({b.x, b.y, 2}, true), a1 = m.Add_Point({a.x, a.y, 2}, true);
    m.Add_Triangle(a0, b0, b1);
    m.Add_Triangle(a0, b1, a1);
  }
  m.Compute_Geometry();
}

// A square disc footprint of radius 1.5 standing from z = 0 to 0.75, and a
// 6 x 2 brick standing from z = 0 to 2: enough for the list rules.
inline std::unique_ptr<GameState> Make_Field() {
  auto g = std::make_unique<GameState>();
  const char* disc =
      "0.2 4 2  0 -1.5 -1.5 0  1 1.5 -1.5 0  2 1.5 1.5 0.75  3 -1.5 1.5 0.75  0 0 1 2  1 0 2 3";
  const char* brick =
      "0.2 4 2  0 -3 -1 0  1 3 -1 0  2 3 1 2  3 -3 1 2  0 0 1 2  1 0 2 3";
  g->DiscTemplate.Load_Text(disc, "disc");
  g->RingTemplate.Load_Text(disc, "ring");
  g->RingTemplate.Set_Transparency(0.5f, -1);  // tells the ring copy apart
  g->BrickTemplate.Load_Text(brick, "brick");
  g->HollowBrickTemplate.Load_Text(brick, "hollow");
  g->DiscTemplate.Set_Mass(10);
  g->RingTemplate.Set_Mass(10);
  g->BrickTemplate.Set_Mass(50);
  g->HollowBrickTemplate.Set_Mass(50);
  g->MixTable = Standard_Mix_Table();
  Make_Box_Outline(g->CollisionModel, 37.5f, 45.0f);
  g->LevelStatus = LEVEL_PLAYING;
  return g;
}

// Steps the game n frames of dt seconds.
inline void Step(GameState& g, int frames, float dt = 1.0f / 60.0f) {
  for (int i = 0; i < frames; ++i) {
    g.Timer.Set_Frame_Time(dt);
    Game_Step(g);
  }
}
