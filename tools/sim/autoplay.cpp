#include "tools/sim/autoplay.h"

#include <cmath>

#include "game/game_state.h"
#include "game/play_frame.h"

bool Player_Frame(GameState& g, int target, bool may_fire) {
  const int aim = static_cast<int>(std::trunc(g.Shooter.Angle));
  PlayInput in;
  in.turn_left = aim < target;
  in.turn_right = aim > target;
  in.fire = may_fire;
  in.fire_at = target;
  g.Timer.Set_Frame_Time(kSimFrameTime);
  return Play_Frame(g, in);
}

PlayResult Play_Shots(GameState& g, const std::vector<Shot>& shots, float give_up,
                      const std::function<void()>& after_frame) {
  g.LevelStatus = LEVEL_PLAYING;
  g.Paused = false;
  PlayResult r;
  size_t next = 0;
  while (g.LevelStatus != LEVEL_COMPLETE && g.LevelTime < give_up) {
    const bool pending = next < shots.size();
    const int target = pending ? shots[next].angle : static_cast<int>(std::trunc(g.Shooter.Angle));
    const bool may_fire = pending && g.LevelTime >= shots[next].at;
    if (Player_Frame(g, target, may_fire)) {
      ++next;
      ++r.shots_fired;
    }
    if (after_frame) after_frame();
    if (next >= shots.size() && !Level_Can_Finish(g)) break;
  }
  r.completed = g.LevelStatus == LEVEL_COMPLETE;
  r.time = g.LevelTime;
  r.score = g.Shooter.Score;
  r.counts = Count_Field(g);
  r.discs = g.DiscCount;
  return r;
}
