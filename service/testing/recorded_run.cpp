#include "service/testing/recorded_run.h"

#include <cstdio>
#include <vector>

#include "game/event_queue.h"
#include "game/game_state.h"
#include "level/load_level.h"
#include "level/pak_archive.h"
#include "level/solution_file.h"
#include "scores/replay_format.h"
#include "scores/score_file.h"
#include "tools/sim/autoplay.h"
#include "tools/sim/verify.h"

RecordedRun Record_Solution_Run(GameState& g, int level, const std::string& solutions_dir, const std::string& name) {
  RecordedRun run;
  char file[64];
  std::snprintf(file, sizeof file, "/level_%03d.txt", level);
  std::string text, error;
  std::vector<Shot> shots;
  if (!Read_File(solutions_dir + file, text) || !Parse_Solution(text, shots, error)) return run;

  EventQueue queue;
  GameEvents* before = g.Events;
  g.Events = &queue;
  g.TutorialActive = false;
  Load_Level(g, level);
  std::string recording = First_Replay_Event(g.Shooter.NextColor);
  Play_Shots(g, shots, Give_Up_Time(shots), [&] {
    for (const QueuedEvent& e : queue.Pending()) {
      if (e.kind == QueuedEvent::REPLAY) recording += Format_Replay_Event(e.replay);
      if (e.kind == QueuedEvent::LEVEL_COMPLETED) {
        run.completed = true;
        run.seconds = e.seconds;
      }
    }
    queue.Clear();
  });
  g.Events = before;
  if (!run.completed) return run;
  char time[48];
  std::snprintf(time, sizeof time, "%f", run.seconds);
  run.time_text = time;
  run.recording = recording;
  run.score_file = Score_File_Text(recording, name, run.seconds);
  return run;
}

std::string Upload_Name(const RecordedRun& run, int level, const std::string& name) {
  char head[16];
  std::snprintf(head, sizeof head, "%.3i_", level);
  return head + run.time_text + "_" + name;
}
