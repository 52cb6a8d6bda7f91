#include "tools/sim/autoplay.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "game/game_state.h"
#include "game/shooter.h"
#include "game/simulation.h"

bool Parse_Solution(const std::string& text, std::vector<Shot>& shots, std::string& error) {
  shots.clear();
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string at, fire, extra;
    Shot s;
    if (!(words >> at)) continue;  // blank line
    if (at != "at" || !(words >> s.at) || !(words >> fire) || fire != "fire" || !(words >> s.angle) ||
        (words >> extra)) {
      error = "line " + std::to_string(number) + ": expected 'at SECONDS fire DEGREES'";
      return false;
    }
    if (s.angle < 20 || s.angle > 160 || !(s.at >= 0.0f)) {
      error = "line " + std::to_string(number) + ": angle must be 20..160 and time >= 0";
      return false;
    }
    shots.push_back(s);
  }
  return true;
}

std::string Format_Solution(const std::vector<Shot>& shots, const std::string& comment) {
  std::string out = comment.empty() ? "" : "# " + comment + "\n";
  char line[64];
  for (const Shot& s : shots) {
    std::snprintf(line, sizeof line, "at %.2f fire %d\n", s.at, s.angle);
    out += line;
  }
  return out;
}

bool Player_Frame(GameState& g, int target, bool may_fire) {
  const int aim = static_cast<int>(std::trunc(g.Shooter.Angle));
  g.Keys[VK_LEFT] = aim < target;
  g.Keys[VK_RIGHT] = aim > target;
  g.Timer.Set_Frame_Time(kSimFrameTime);
  Game_Step(g);
  Age_Effects(g, kSimFrameTime);
  // Space is handled after the step, as the game's input does.
  if (!may_fire || g.LevelStatus == LEVEL_COMPLETE) return false;
  if (static_cast<int>(std::trunc(g.Shooter.Angle)) != target) return false;
  const float clock = g.Shooter.ShotClock;
  Fire(g);
  return clock > kReloadTime && g.Shooter.ShotClock == 0.0f;  // the reload clock restarts on a shot
}

PlayResult Play_Shots(GameState& g, const std::vector<Shot>& shots, float give_up) {
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
    if (next >= shots.size() && !Level_Can_Finish(g)) break;
  }
  r.completed = g.LevelStatus == LEVEL_COMPLETE;
  r.time = g.LevelTime;
  r.score = g.Shooter.Score;
  r.counts = Count_Field(g);
  r.discs = g.DiscCount;
  return r;
}
