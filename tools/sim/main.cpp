// prismel-sim: the headless level tool on the core library.
//
//   prismel-sim level N            what Load_Level(N) produces
//   prismel-sim levels             all 61 levels against the level table
//   prismel-sim map N OUT.svg      a top view of level N
//   prismel-sim play N FILE        play a solution file
//   prismel-sim solve N [OUT]      search for a solution, write it
//   prismel-sim verify-levels      the table, then every solution
//   prismel-sim verify-levels --robust [N...]
//                                  every solution at other frame times, with
//                                  the aim a degree off and shots 0.2 s late
//   prismel-sim curve [N...]       the difficulty figure of every level (or
//                                  of the levels given): wins of an
//                                  imperfect player, and of random firing
//   prismel-sim slack N            how far each shot of level N's solution
//                                  may be pressed early or late, or aimed
//                                  off, with the others kept exact
//   prismel-sim bench              step time on a full field
//   prismel-sim replay FILE        play a score file, print the final field
//                                  and any damage found in the file
//   prismel-sim fidelity [N]       record, save and replay level N (or
//                                  every level 1..60) by its solution and
//                                  compare the replayed field with the live one
// Options: --solutions DIR (default: the source tree's levels/solutions),
//          --seed S, --beam B, --verbose.
// Data comes from data/ beside the program, as in the game; a level file
// data/levels/level_NNN.dat there replaces the built-in text.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/program_folder.h"
#include "game/game_state.h"
#include "game/goals.h"
#include "level/builtin_levels.h"
#include "level/level_table.h"
#include "level/level_text.h"
#include "level/load_level.h"
#include "level/pak_archive.h"
#include "tools/sim/autoplay.h"
#include "scores/replay_player.h"
#include "tools/sim/bench.h"
#include "tools/sim/replay_check.h"
#include "tools/sim/robust.h"
#include "tools/sim/solver.h"
#include "tools/sim/svg_map.h"
#include "tools/sim/verify.h"

namespace {

struct Options {
  std::vector<std::string> args;
  std::string solutions = PRISMEL_SOLUTIONS_DIR;
  SolveOptions solve;
  bool robust = false;
  int tries = 50;
};

bool Load_Solution(const std::string& solutions, int level, std::vector<Shot>& shots) {
  char name[64];
  std::snprintf(name, sizeof name, "%s/level_%.3d.txt", solutions.c_str(), level);
  std::string text, error;
  if (!Read_File(name, text) || !Parse_Solution(text, shots, error)) {
    std::printf("level %03d: no usable solution [%s] %s\n", level, name, error.c_str());
    return false;
  }
  return true;
}

bool Parse_Level(const std::string& s, int& level) {
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0' || v < 0 || v > 999) {
    std::fprintf(stderr, "prismel-sim: [%s] is not a level number\n", s.c_str());
    return false;
  }
  level = static_cast<int>(v);
  return true;
}

std::string Fmt(const Vec3& v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "(%.2f, %.2f)", v.x, v.y);
  return buf;
}

void Print_Bricks_And_Discs(const GameState& g) {
  for (int i = 0; i < g.BrickCount; ++i) {
    const Brick& b = g.Bricks[static_cast<size_t>(i)];
    std::printf("brick %d: %s at %s\n", i, b.IsHollow ? "hollow" : "solid", Fmt(b.position).c_str());
  }
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    std::printf("disc %d: %s %s at %s moving %s\n", i, std::string(Color_Name(d.Disc_Color())).c_str(),
                d.IsRing ? "ring" : "plain disc", Fmt(d.position).c_str(), Fmt(d.velocity).c_str());
  }
}

int Cmd_Level(GameState& g, int level) {
  Load_Level(g, level);
  const LevelGoals& goals = g.Goals;
  std::printf("level %d  [%s]\n", level, Level_File_Name(level).c_str());
  std::printf("palette (%s):", (g.Shooter.CycleColors & 0xFF) == 1 ? "dealt in turn" : "dealt at random");
  for (int i = 0; i < g.PaletteCount && i < kPaletteSize; ++i) {
    std::printf(" %s", std::string(Color_Name(g.Palette[static_cast<size_t>(i)])).c_str());
  }
  std::printf("  (count %d)\n", g.PaletteCount);
  std::printf("goal lines: \"%s\" / \"%s\"\n", goals.GoalText[0].c_str(), goals.GoalText[1].c_str());
  std::printf("goals: bricks %d, discs %d, rings %d, points %d, time %.2f (mode %d), check ring %d, check field %d\n",
              goals.GoalBricks, goals.GoalDiscs, goals.GoalRings, goals.GoalPoints, goals.GoalTime,
              goals.GoalTimeMode, goals.CheckDiscMatchRing, goals.CheckDiscMatchForceField);
  std::printf("force-field goals:");
  for (int f = 0; f < kMaxForceFields; ++f) std::printf(" %d", goals.GoalForceField[static_cast<size_t>(f)]);
  std::printf("\npoints: brick %d, new %d, different %d, same %d, ring %d\n", g.PointsBrickRemove, g.PointsRingNew,
              g.PointsRingDifferentColor, g.PointsRingSameColor, g.PointsRingSpecial);
  Print_Bricks_And_Discs(g);
  for (int f = 0; f < g.ForceFieldCount; ++f) {
    const ForceField& ff = g.ForceFields[static_cast<size_t>(f)];
    std::printf("force field %d: %s from %s to %s, passes headings %.1f..%.1f\n", f,
                std::string(Color_Name(ff.Field_Color())).c_str(), Fmt(ff.first).c_str(), Fmt(ff.second).c_str(),
                ff.PassFrom, ff.PassTo);
  }
  std::printf("wall pieces: %d; collision outline: %d triangles\n", g.WallCount, g.CollisionModel.Triangle_Count());
  return 0;
}

int Cmd_Map(GameState& g, int level, const std::string& out) {
  Load_Level(g, level);
  std::ofstream f(out, std::ios::binary);
  f << Level_Svg(g, level);
  if (!f) {
    std::fprintf(stderr, "prismel-sim: cannot write [%s]\n", out.c_str());
    return 1;
  }
  std::printf("wrote %s\n", out.c_str());
  return 0;
}

int Cmd_Play(GameState& g, int level, const std::string& file) {
  std::string text, error;
  std::vector<Shot> shots;
  if (!Read_File(file, text)) {
    std::fprintf(stderr, "prismel-sim: cannot read [%s]\n", file.c_str());
    return 1;
  }
  if (!Parse_Solution(text, shots, error)) {
    std::fprintf(stderr, "prismel-sim: %s: %s\n", file.c_str(), error.c_str());
    return 1;
  }
  Load_Level(g, level);
  const PlayResult r = Play_Shots(g, shots, Give_Up_Time(shots));
  std::printf("level %d: %s at %.2f s; score %d; %d shots fired; %d hollow bricks, %d plain discs, %d rings left\n",
              level, r.completed ? "completed" : "not completed", r.time, r.score, r.shots_fired,
              r.counts.hollow_bricks, r.counts.plain_discs, r.counts.rings);
  return r.completed ? 0 : 1;
}

int Cmd_Solve(GameState& g, int level, const std::string& out, const SolveOptions& o) {
  Load_Level(g, level);
  std::vector<Shot> shots;
  if (!Solve_Level(g, shots, o)) {
    std::printf("level %d: no solution found (seed %u)\n", level, o.seed);
    return 1;
  }
  GameState check(g);
  const PlayResult r = Play_Shots(check, shots, Give_Up_Time(shots));
  char comment[128];
  std::snprintf(comment, sizeof comment, "level %d: %zu shots, completes at %.2f s (found by prismel-sim solve, seed %u)",
                level, shots.size(), r.time, o.seed);
  std::ofstream f(out, std::ios::binary);
  f << Format_Solution(shots, comment);
  std::printf("level %d: solved with %zu shots, completes at %.2f s; wrote %s\n", level, shots.size(), r.time,
              out.c_str());
  return f ? 0 : 1;
}

int Cmd_Replay(GameState& g, const std::string& path) {
  const int level = Score_File_Level(path);
  if (level < kTutorialLevel || level > kLastLevel) {
    std::fprintf(stderr, "prismel-sim: [%s] is not a score file: its name does not begin with a level 000..060\n",
                 path.c_str());
    return 1;
  }
  ReplayPlayer player;
  const ReplayOutcome r = Play_Score_File(g, level, path, player);
  if (!r.opened) {
    std::fprintf(stderr, "prismel-sim: [%s] %s\n", path.c_str(),
                 r.problems.empty() ? "cannot be played" : r.problems.front().c_str());
    return 1;
  }
  std::printf("replay of level %d by %s, %.2f s: %s after %d frames (level time %.2f s)\n", level,
              player.Name().c_str(), player.Time(), r.reached_end ? "ended at its end event" : "ENDED EARLY", r.frames,
              g.LevelTime);
  Print_Bricks_And_Discs(g);
  for (const std::string& p : r.problems) std::printf("damage: %s\n", p.c_str());
  return r.reached_end && r.problems.empty() ? 0 : 1;
}

int Cmd_Fidelity(GameState& g, const std::string& solutions, int only) {
  int checked = 0, matching = 0;
  for (int level = kFirstLevel; level <= kLastLevel; ++level) {
    if (only >= 0 && level != only) continue;
    ++checked;
    std::vector<Shot> shots;
    std::string report;
    if (!Load_Solution(solutions, level, shots)) continue;
    char folder[] = "/tmp/prismel-fidelity-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
      std::fprintf(stderr, "prismel-sim: cannot make a work folder in /tmp\n");
      return 1;
    }
    if (Check_Replay_Fidelity(g, level, shots, folder, report)) ++matching;
    std::printf("%s\n", report.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::printf("%d/%d replays match their live runs\n", matching, checked);
  return checked > 0 && matching == checked ? 0 : 1;
}

int Cmd_Robust(GameState& g, const std::string& solutions, const std::vector<int>& only) {
  std::printf("level ");
  for (const NamedConditions& n : Robust_Conditions()) std::printf(" %6s", n.name.c_str());
  std::printf("\n");
  int frame_times = 0, everything = 0, levels = 0;
  for (int level = kFirstLevel; level <= kLastLevel; ++level) {
    if (!only.empty() && std::find(only.begin(), only.end(), level) == only.end()) continue;
    ++levels;
    std::vector<Shot> shots;
    if (!Load_Solution(solutions, level, shots)) continue;
    const RobustRow row = Check_Robust(g, level, shots);
    std::printf("%03d   ", level);
    for (const bool won : row.wins) std::printf(" %6s", won ? "win" : "LOST");
    std::printf("\n");
    frame_times += row.frame_times ? 1 : 0;
    everything += row.everything ? 1 : 0;
  }
  std::printf("%d/%d levels win under every frame-time condition; %d/%d also tolerate the aim and lateness changes\n",
              frame_times, levels, everything, levels);
  return frame_times == levels ? 0 : 1;
}

int Cmd_Curve(GameState& g, const std::string& solutions, const std::vector<int>& only, int tries) {
  std::printf("level  wins   random  (of %d tries each)\n", tries);
  std::vector<CurvePoint> points;
  for (int level = kFirstLevel; level <= kLastLevel; ++level) {
    if (!only.empty() && std::find(only.begin(), only.end(), level) == only.end()) continue;
    std::vector<Shot> shots;
    if (!Load_Solution(solutions, level, shots)) continue;
    const CurvePoint p = Measure_Curve(g, level, shots, tries);
    std::printf("%03d    %5.2f  %5.2f\n", level, p.Share(), p.Random_Share());
    std::fflush(stdout);
    points.push_back(p);
  }
  if (only.empty()) std::printf("%s", Curve_Summary(points).c_str());
  return 0;
}

int Cmd_Slack(GameState& g, const std::string& solutions, int level) {
  std::vector<Shot> shots;
  if (!Load_Solution(solutions, level, shots)) return 1;
  const std::vector<ShotSlack> slack = Measure_Slack(g, level, shots);
  std::printf("shot  at       aim   early   late    aim-   aim+   (with the other shots exact, at 1/60 s)\n");
  for (size_t i = 0; i < shots.size(); ++i) {
    const ShotSlack& s = slack[i];
    if (!s.plan_wins) {
      std::printf("%-4zu  %6.2f  %4d   the plan itself does not win\n", i + 1, shots[i].at, shots[i].angle);
      return 1;
    }
    std::printf("%-4zu  %6.2f  %4d   %5.2f   %5.2f   %4d   %4d\n", i + 1, shots[i].at, shots[i].angle, s.early, s.late,
                s.aim_down, s.aim_up);
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: prismel-sim level N | levels | map N OUT.svg | play N FILE | solve N [OUT] |\n"
               "                   verify-levels [--robust] | bench | replay FILE | fidelity [N] |\n"
               "                   curve [N...]\n"
               "options: --solutions DIR  --seed S  --beam B  --verbose  --tries T (curve)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--solutions" && i + 1 < argc) {
      o.solutions = argv[++i];
    } else if (a == "--seed" && i + 1 < argc) {
      o.solve.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (a == "--beam" && i + 1 < argc) {
      o.solve.beam = std::atoi(argv[++i]);
    } else if (a == "--robust") {
      o.robust = true;
    } else if (a == "--tries" && i + 1 < argc) {
      o.tries = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--verbose") {
      o.solve.verbose = true;
    } else {
      o.args.push_back(a);
    }
  }
  if (o.args.empty()) return Usage();

  const char* chosen = std::getenv("PRISMEL_DATA");
  const std::string folder = Find_Data_Folder(Executable_Folder(), chosen != nullptr ? chosen : "");
  auto g = std::make_unique<GameState>();
  g->ProgramFolder = folder;
  if (!Load_Play_Field_Templates(*g)) {
    std::fprintf(stderr, "prismel-sim: cannot load the play-field models from [%s/data/models.pak]\n", folder.c_str());
    return 1;
  }
  const std::string& cmd = o.args[0];
  int level = 0;
  if (cmd == "level" && o.args.size() == 2 && Parse_Level(o.args[1], level)) return Cmd_Level(*g, level);
  if (cmd == "levels" && o.args.size() == 1) return Check_All_Levels(*g) ? 0 : 1;
  if (cmd == "map" && o.args.size() == 3 && Parse_Level(o.args[1], level)) return Cmd_Map(*g, level, o.args[2]);
  if (cmd == "play" && o.args.size() == 3 && Parse_Level(o.args[1], level)) return Cmd_Play(*g, level, o.args[2]);
  if (cmd == "solve" && (o.args.size() == 2 || o.args.size() == 3) && Parse_Level(o.args[1], level)) {
    char def[32];
    std::snprintf(def, sizeof def, "level_%.3d.txt", level);
    return Cmd_Solve(*g, level, o.args.size() == 3 ? o.args[2] : def, o.solve);
  }
  std::vector<int> only;  // levels named after verify-levels --robust or curve
  for (size_t i = 1; i < o.args.size() && (cmd == "curve" || (cmd == "verify-levels" && o.robust)); ++i) {
    if (!Parse_Level(o.args[i], level)) return Usage();
    only.push_back(level);
  }
  if (cmd == "verify-levels" && o.robust) return Cmd_Robust(*g, o.solutions, only);
  if (cmd == "verify-levels" && o.args.size() == 1) return Verify_Levels(*g, o.solutions) ? 0 : 1;
  if (cmd == "curve") return Cmd_Curve(*g, o.solutions, only, o.tries);
  if (cmd == "slack" && o.args.size() == 2 && Parse_Level(o.args[1], level)) return Cmd_Slack(*g, o.solutions, level);
  if (cmd == "bench" && o.args.size() == 1) return Run_Bench(folder, o.solutions);
  if (cmd == "replay" && o.args.size() == 2) return Cmd_Replay(*g, o.args[1]);
  if (cmd == "fidelity" && o.args.size() == 1) return Cmd_Fidelity(*g, o.solutions, -1);
  if (cmd == "fidelity" && o.args.size() == 2 && Parse_Level(o.args[1], level)) {
    return Cmd_Fidelity(*g, o.solutions, level);
  }
  return Usage();
}
