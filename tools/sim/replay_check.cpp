#include "tools/sim/replay_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/event_queue.h"
#include "game/game_state.h"
#include "level/load_level.h"
#include "scores/replay_manager.h"
#include "scores/replay_player.h"
#include "scores/score_table.h"
#include "tools/sim/autoplay.h"
#include "tools/sim/verify.h"

namespace {

// A replay plays at most this long headless: far beyond any real run, and
// it keeps a file claiming a run of days from holding the tool.
constexpr float kMaxReplaySeconds = 3600.0f;
// What "%.2f" keeps of a coordinate or a speed component, as a length.
const float kTwoDecimals = 0.005f * std::sqrt(2.0f);
// Event times are written to the millisecond: where an event lands is off
// by up to half of that at the disc's speed.
constexpr float kHalfMillisecond = 0.0005f;  // seconds
constexpr float kFloatSlack = 1.0e-3f;  // units: float arithmetic of two routes to one place

struct DiscSnap {
  Vec3 position, velocity;
  Color color;
  int ring = 0;
};

struct FieldSnap {
  std::vector<DiscSnap> discs;
  std::vector<Vec3> bricks;
};

FieldSnap Snap(const GameState& g) {
  FieldSnap s;
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    s.discs.push_back({d.position, d.velocity, d.Disc_Color(), d.IsRing});
  }
  for (int i = 0; i < g.BrickCount; ++i) s.bricks.push_back(g.Bricks[static_cast<size_t>(i)].position);
  return s;
}

float Planar_Distance(const Vec3& a, const Vec3& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// What differs between the replayed field and a live one flown on freely
// for `ahead` seconds. Empty when they agree; worst takes the largest
// position gap.
std::string Differences(const FieldSnap& replayed, const FieldSnap& live, float ahead, const ReplayPlayer& player,
                        float clock, float& worst) {
  std::string faults;
  if (replayed.bricks.size() != live.bricks.size()) {
    faults += "; bricks " + std::to_string(replayed.bricks.size()) + " replayed, " +
              std::to_string(live.bricks.size()) + " live";
  } else {
    for (size_t i = 0; i < replayed.bricks.size(); ++i) {
      if (Planar_Distance(replayed.bricks[i], live.bricks[i]) > kFloatSlack) {
        faults += "; brick " + std::to_string(i) + " is another brick";
      }
    }
  }
  if (replayed.discs.size() != live.discs.size()) {
    return faults + "; discs " + std::to_string(replayed.discs.size()) + " replayed, " +
           std::to_string(live.discs.size()) + " live";
  }
  for (size_t i = 0; i < replayed.discs.size(); ++i) {
    const DiscSnap& r = replayed.discs[i];
    const DiscSnap& l = live.discs[i];
    const Vec3 expected = l.position + l.velocity * ahead;
    const float flight = clock - player.Last_Set(static_cast<int>(i));
    const float allowed = kTwoDecimals * (1.0f + flight) + kHalfMillisecond * r.velocity.Length() + kFloatSlack;
    const float gap = Planar_Distance(r.position, expected);
    worst = std::fmax(worst, gap);
    char line[160] = "";
    if (!(r.color == l.color) || r.ring != l.ring) {
      std::snprintf(line, sizeof line, "; disc %zu has another colour or kind", i);
    } else if (gap > allowed) {
      std::snprintf(line, sizeof line, "; disc %zu is %.3f from the live one (allowed %.3f)", i, gap, allowed);
    } else if (Planar_Distance(r.velocity, l.velocity) > kTwoDecimals + kFloatSlack) {
      std::snprintf(line, sizeof line, "; disc %zu moves at another speed", i);
    }
    faults += line;
  }
  return faults;
}

}  // namespace

ReplayOutcome Play_Score_File(GameState& g, int level, const std::string& path, ReplayPlayer& player,
                              const std::function<void(int frame)>& after_frame) {
  ReplayOutcome out;
  EventQueue ignored;  // flashes of removals: nothing to show them on
  GameEvents* before = g.Events;
  g.Events = &ignored;
  g.LevelStatus = LEVEL_WAITING;  // nothing of a playback is recorded
  Load_Level(g, level);
  g.Paused = false;
  out.opened = player.Open_File(path, g);
  if (out.opened) {
    const float run = std::fmin(player.Time(), kMaxReplaySeconds) + 2.0f;
    const int max_frames = static_cast<int>(run / kSimFrameTime);
    while (out.frames < max_frames) {
      g.Timer.Set_Frame_Time(kSimFrameTime);
      ++out.frames;
      const bool ended = player.Step(g, kSimFrameTime) == ReplayStep::ENDED;
      ignored.Clear();
      if (ended) break;
      ReplayPlayer::Move_Discs(g, kSimFrameTime);
      if (after_frame) after_frame(out.frames);
    }
    out.reached_end = player.Reached_End_Event();
  }
  out.problems = player.Problems();
  if (out.opened && !out.reached_end && out.frames >= 1 && player.Is_Open()) {
    out.problems.push_back("the replay did not end within " + std::to_string(static_cast<int>(kMaxReplaySeconds)) +
                           " s");
  }
  g.Events = before;
  return out;
}

bool Check_Replay_Fidelity(GameState& g, int level, const std::vector<Shot>& shots, const std::string& work_folder,
                           std::string& report) {
  char head[32];
  std::snprintf(head, sizeof head, "level %03d: ", level);
  report = head;

  // The live run, drained after every frame as the game does.
  EventQueue queue;
  GameEvents* before = g.Events;
  g.Events = &queue;
  Load_Level(g, level);
  ReplayManager manager;
  manager.Set_Paths({work_folder, work_folder, work_folder + "/replay_1.tmp", work_folder + "/replay_2.tmp"});
  manager.Open_Recording(g.Shooter.NextColor);
  ScoreTable table;
  std::vector<FieldSnap> live;  // after each frame of play, up to the one the goals held on
  int events = 0;
  const PlayResult run = Play_Shots(g, shots, Give_Up_Time(shots), [&] {
    for (const QueuedEvent& e : queue.Pending()) {
      if (e.kind == QueuedEvent::REPLAY) {
        manager.Record(e.replay);
        ++events;
      }
      if (e.kind == QueuedEvent::LEVEL_COMPLETED) Rank_Completed_Time(table, work_folder, level, e.seconds);
    }
    queue.Clear();
    if (g.LevelStatus != LEVEL_COMPLETE) live.push_back(Snap(g));
  });
  g.Events = before;
  if (!run.completed || live.empty()) {
    report += "the solution does not complete the level";
    return false;
  }
  if (table.rank >= kScorePlaces) {
    report += "the run did not rank in an empty table";
    return false;
  }
  table.entries[static_cast<size_t>(table.rank)].name = "Fidelity";
  if (!manager.Save_Replay(table, level)) {
    report += "Save_Replay refused the run";
    return false;
  }
  const std::string file = Score_File_Path(work_folder, level, table.rank + 1);

  // The playback; it ends on the frame after the finishing time, when the
  // field it shows has flown one frame on from the one the goals held on.
  ReplayPlayer player;
  // Times are written to the millisecond, so the events of live frame k
  // (stamped with its clock) are applied on replay frame k or k + 1, placed
  // where they would be at that frame's clock either way. After replay frame
  // k the field is live frame k, or live frame k - 1 flown on by a frame.
  std::string first_difference;
  const ReplayOutcome played = Play_Score_File(g, level, file, player, [&](int frame) {
    const size_t k = static_cast<size_t>(frame);
    if (k < 2 || k > live.size() || !first_difference.empty()) return;
    float ignored = 0.0f;
    const FieldSnap now = Snap(g);
    const std::string same = Differences(now, live[k - 1], 0.0f, player, g.LevelTime, ignored);
    if (same.empty()) return;
    const std::string before = Differences(now, live[k - 2], kSimFrameTime, player, g.LevelTime, ignored);
    if (!before.empty()) first_difference = "; first differs at frame " + std::to_string(frame) + same + " /" + before;
  });
  if (!played.opened || !played.reached_end || !played.problems.empty()) {
    report += "the score file did not play to its end";
    for (const std::string& p : played.problems) report += "; " + p;
    return false;
  }
  // It ended on frame `played.frames` before that frame's flight: the field
  // of the frame before, which the live run has up to the frame the goals
  // held on; past it, that last field flown on.
  const size_t shown = static_cast<size_t>(played.frames) - 1;  // frames of play behind the field
  const size_t last = std::min(shown, live.size());
  float worst = 0.0f;
  const std::string faults = last == 0 ? std::string("; the replay ended before its first frame")
                                       : Differences(Snap(g), live[last - 1], static_cast<float>(shown - last) * kSimFrameTime,
                                                     player, g.LevelTime - kSimFrameTime, worst);
  char summary[200];
  std::snprintf(summary, sizeof summary, "%d discs, %d bricks, %d events, %.2f s, largest gap %.4f", g.DiscCount,
                g.BrickCount, events, run.time, worst);
  if (!faults.empty()) {
    report += "replay DIFFERS (" + std::string(summary) + ")" + faults + first_difference;
    return false;
  }
  report += "replay matches (" + std::string(summary) + ")";
  return true;
}
