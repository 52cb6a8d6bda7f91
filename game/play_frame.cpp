#include "game/play_frame.h"

#include <cmath>

#include "game/game_state.h"
#include "game/shooter.h"
#include "game/simulation.h"

bool Play_Frame(GameState& g, const PlayInput& in) {
  const float dt = g.Timer.Frame_Time();
  Age_Effects(g, dt);
  // Game_Step turns the shooter by the arrow entries of the key array.
  g.Keys[VK_LEFT] = in.turn_left ? 1 : 0;
  g.Keys[VK_RIGHT] = in.turn_right ? 1 : 0;
  if (!g.Paused) Game_Step(g);

  bool fired = false;
  const int aim = static_cast<int>(std::trunc(g.Shooter.Angle));
  if (in.fire && !g.Paused && g.LevelStatus != LEVEL_COMPLETE && (in.fire_at == kFireAtAnyAngle || aim == in.fire_at)) {
    const int discs = g.DiscCount;
    Fire(g);
    fired = g.Shooter.ShotClock == 0.0f && g.DiscCount > discs;
  }

  g.Shooter.ReplayClock += dt;
  if (g.Shooter.ReplayClock > kAngleSampleInterval) {
    g.Shooter.ReplayClock = 0.0f;
    ReplayEvent e;
    e.type = EVENT_SHOOTER_ANGLE;
    e.arg = static_cast<int>(std::trunc(g.Shooter.Angle));
    Emit_Event(g, e);
  }
  return fired;
}
