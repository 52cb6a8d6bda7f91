#include "tools/sim/autoplay.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "game/game_state.h"
#include "game/play_frame.h"

bool Player_Frame(GameState& g, int target, bool may_fire, float frame_time) {
  const int aim = static_cast<int>(std::trunc(g.Shooter.Angle));
  PlayInput in;
  in.turn_left = aim < target;
  in.turn_right = aim > target;
  in.fire = may_fire;
  in.fire_at = target;
  g.Timer.Set_Frame_Time(frame_time);
  return Play_Frame(g, in);
}

PlayResult Play_Shots(GameState& g, const std::vector<Shot>& shots, float give_up,
                      const std::function<void()>& after_frame) {
  return Play_Shots(g, shots, give_up, PlayConditions{}, after_frame);
}

PlayResult Play_Shots(GameState& g, const std::vector<Shot>& shots, float give_up, const PlayConditions& c,
                      const std::function<void()>& after_frame) {
  g.LevelStatus = LEVEL_PLAYING;
  g.Paused = false;
  std::mt19937 random(c.seed);
  std::uniform_real_distribution<float> frame(c.frame_min, c.frame_max);
  std::uniform_int_distribution<int> spread(-c.aim_spread, c.aim_spread);
  std::uniform_real_distribution<float> lateness(0.0f, c.late_spread > 0.0f ? c.late_spread : 1e-9f);
  // The hand's errors for each shot, drawn once, before play.
  std::vector<Shot> planned = shots;
  for (Shot& s : planned) {
    s.angle = std::clamp(s.angle + c.aim_offset + (c.aim_spread > 0 ? spread(random) : 0), 20, 160);
    s.at += c.late + (c.late_spread > 0.0f ? lateness(random) : 0.0f);
  }
  PlayResult r;
  size_t next = 0;
  int last_turn = 0;  // -1 right, +1 left: a turn that flips has stepped over the wanted degree
  while (g.LevelStatus != LEVEL_COMPLETE && g.LevelTime < give_up) {
    const bool pending = next < planned.size();
    const int aim = static_cast<int>(std::trunc(g.Shooter.Angle));
    int target = pending ? planned[next].angle : aim;
    const int turn = aim < target ? 1 : aim > target ? -1 : 0;
    // A long frame turns the aim more than a degree: a player who sees it
    // jump past the mark takes the aim next to it, as a person would.
    if (turn != 0 && last_turn != 0 && turn != last_turn) target = aim;
    last_turn = turn;
    const bool may_fire = pending && g.LevelTime >= planned[next].at;
    const float dt = c.frame_min == c.frame_max ? c.frame_min : frame(random);
    if (Player_Frame(g, target, may_fire, dt)) {
      ++next;
      ++r.shots_fired;
      last_turn = 0;
    }
    if (after_frame) after_frame();
    if (next >= planned.size() && !Level_Can_Finish(g)) break;
  }
  r.completed = g.LevelStatus == LEVEL_COMPLETE;
  r.time = g.LevelTime;
  r.score = g.Shooter.Score;
  r.counts = Count_Field(g);
  r.discs = g.DiscCount;
  return r;
}
