#include "tools/sim/solver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include "game/game_state.h"
#include "game/goals.h"

namespace {

constexpr float kLost = 1e9f;

struct Node {
  std::unique_ptr<GameState> state;  // just after the last shot left the gun
  std::vector<Shot> shots;
  float score = 0.0f;
};

// Plays until the shot has left the gun; false if it never could.
bool Fire_Shot(GameState& g, const Shot& s) {
  const float limit = g.LevelTime + 8.0f;
  while (g.LevelTime < limit && g.LevelStatus != LEVEL_COMPLETE) {
    if (Player_Frame(g, s.angle, g.LevelTime >= s.at)) return true;
  }
  return false;
}

// Plays on without shooting; true when the level completes.
bool Play_Ahead(GameState& g, float seconds, float& best) {
  const float end = g.LevelTime + seconds;
  const int hold = static_cast<int>(std::trunc(g.Shooter.Angle));
  while (g.LevelTime < end) {
    Player_Frame(g, hold, false);
    if (g.LevelStatus == LEVEL_COMPLETE) return true;
    if (!Level_Can_Finish(g)) return false;
    best = std::min(best, Goal_Distance(g));
  }
  return false;
}

}  // namespace

float Goal_Distance(const GameState& g) {
  if (!Level_Can_Finish(g)) return kLost;
  const LevelGoals& goals = g.Goals;
  const FieldCounts c = Count_Field(g);
  float d = 0.0f;
  if (goals.GoalBricks != -1) d += 10.0f * std::abs(c.hollow_bricks - goals.GoalBricks);
  if (goals.GoalRings != -1) d += 10.0f * std::abs(c.rings - goals.GoalRings);
  if (goals.GoalDiscs != -1) d += 10.0f * std::abs(c.plain_discs - goals.GoalDiscs);
  for (int f = 0; f < g.ForceFieldCount; ++f) {
    int passed = 0;
    for (int i = 0; i < g.DiscCount; ++i) passed += g.Discs[static_cast<size_t>(i)].FieldIndex == f;
    d += 10.0f * std::max(0, goals.GoalForceField[static_cast<size_t>(f)] - passed);
  }
  if (goals.GoalPoints > 0) d += static_cast<float>(std::max(0, goals.GoalPoints - g.Shooter.Score));
  if (goals.GoalTimeMode == -1 && g.LevelTime <= goals.GoalTime) d += 1.0f;
  // A crowded field makes every later shot harder.
  d += 0.05f * static_cast<float>(g.DiscCount);
  return d;
}

bool Solve_Level(const GameState& start, std::vector<Shot>& shots, const SolveOptions& o) {
  std::mt19937 rng(o.seed);
  std::uniform_int_distribution<int> angle(20, 160);
  const float waits[] = {0.0f, 0.0f, 0.0f, 0.25f, 0.5f, 1.0f, 2.0f, 4.0f};
  std::uniform_int_distribution<int> wait(0, static_cast<int>(std::size(waits)) - 1);

  std::vector<Node> beam;
  Node first;
  first.state = std::make_unique<GameState>(start);
  first.state->LevelStatus = LEVEL_PLAYING;
  first.state->Paused = false;
  first.score = Goal_Distance(*first.state);
  beam.push_back(std::move(first));

  for (int depth = 0; depth < o.max_shots; ++depth) {
    std::vector<Node> next;
    for (const Node& node : beam) {
      for (int c = 0; c < o.candidates; ++c) {
        Shot s;
        s.angle = angle(rng);
        const float ready = node.state->LevelTime + std::max(0.0f, 1.0f - node.state->Shooter.ShotClock);
        s.at = std::round((ready + waits[wait(rng)]) * 100.0f) / 100.0f;
        auto after = std::make_unique<GameState>(*node.state);
        if (!Fire_Shot(*after, s)) continue;
        GameState ahead(*after);
        float best = Goal_Distance(ahead);
        const bool done = after->LevelStatus == LEVEL_COMPLETE || Play_Ahead(ahead, o.horizon, best);
        std::vector<Shot> path = node.shots;
        path.push_back(s);
        if (done) {
          // Check by a clean replay from the start, exactly as verification will.
          GameState check(start);
          if (Play_Shots(check, path, path.back().at + 60.0f).completed) {
            shots = path;
            return true;
          }
          continue;
        }
        const float end = Goal_Distance(ahead);
        if (end >= kLost) continue;
        Node child;
        child.state = std::move(after);
        child.shots = std::move(path);
        child.score = 0.5f * end + 0.5f * best;
        next.push_back(std::move(child));
      }
    }
    if (next.empty()) return false;
    std::sort(next.begin(), next.end(), [](const Node& a, const Node& b) { return a.score < b.score; });
    if (next.size() > static_cast<size_t>(o.beam)) next.resize(static_cast<size_t>(o.beam));
    beam = std::move(next);
    if (o.verbose) {
      std::fprintf(stderr, "shot %d: best distance %.2f at %.1f s\n", depth + 1, beam[0].score,
                   beam[0].state->LevelTime);
    }
  }
  return false;
}
