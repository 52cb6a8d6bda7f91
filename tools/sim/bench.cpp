#include "tools/sim/bench.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "game/game_state.h"
#include "game/simulation.h"
#include "level/field_geometry.h"
#include "level/load_level.h"
#include "level/wall_file.h"
#include "tools/sim/autoplay.h"
#include "tools/sim/verify.h"

namespace {

// The heaviest field the rules allow: 40 moving discs, 100 bricks, the wall
// outline and 12 force fields. The plain discs are gray and black and the
// rings of the other colours: none of them can ever merge, so the field
// stays full for the whole run.
std::unique_ptr<GameState> Full_Field(const GameState& templates) {
  auto g = std::make_unique<GameState>(templates);
  Load_Level(*g, 1);
  g->BrickCount = 0;
  g->DiscCount = 0;
  for (int i = 0; i < kMaxBricks; ++i) {
    Add_Brick(*g, {-33.0f + 6.6f * static_cast<float>(i % 11), 40.0f - 3.0f * static_cast<float>(i / 11), 0.0f},
              0.0f, i % 3 == 0, 1);
  }
  const Color plain[] = {colors::kGray, colors::kBlack};
  const Color rings[] = {colors::kRed, colors::kBlue, colors::kYellow, colors::kGreen, colors::kOrange};
  for (int i = 0; i < kMaxDiscs; ++i) {
    const float x = -32.0f + 8.0f * static_cast<float>(i % 9);
    const float y = -30.0f + 4.5f * static_cast<float>(i / 9);
    const bool ring = i % 2 == 1;
    Add_Disc(*g, {x, y, 0.0f}, {9.0f + static_cast<float>(i % 7), 14.0f - static_cast<float>(i % 5), 0.0f},
             ring ? rings[i % 5] : plain[i % 2], -1, ring);
  }
  for (int f = 0; f < kMaxForceFields; ++f) {
    const float x = -36.0f + 6.0f * static_cast<float>(f);
    Add_Force_Field(*g, {x, -8.0f, 0.0f}, {x + 4.0f, -8.0f, 0.0f}, rings[f % 5]);
  }
  g->LevelStatus = LEVEL_PLAYING;
  g->Paused = false;
  g->Timer.Set_Frame_Time(kSimFrameTime);
  return g;
}

class Capture : public benchmark::ConsoleReporter {
 public:
  Capture() : ConsoleReporter(OO_Tabular) {}  // plain text: the figures are read by people and scripts
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        median_us = r.GetAdjustedRealTime();  // in the benchmark's time unit
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double median_us = 0.0;
};

}  // namespace

int Run_Bench(const std::string& program_folder, const std::string& solutions_dir) {
  auto templates = std::make_unique<GameState>();
  templates->ProgramFolder = program_folder;
  Load_Play_Field_Templates(*templates);

  benchmark::RegisterBenchmark("Game_Step/full_field", [&templates](benchmark::State& state) {
    auto g = Full_Field(*templates);
    for (auto _ : state) Game_Step(*g);
    state.counters["discs"] = g->DiscCount;
  })->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

  int argc = 1;
  char name[] = "prismel-sim";
  char* argv[] = {name, nullptr};
  benchmark::Initialize(&argc, argv);
  Capture reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("full-field step (40 discs, 100 bricks, walls, 12 force fields): median %.1f us per step, %.0f steps per second\n",
              reporter.median_us, reporter.median_us > 0 ? 1e6 / reporter.median_us : 0.0);

  const auto start = std::chrono::steady_clock::now();
  const bool ok = Verify_Levels(*templates, solutions_dir);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("verify-levels: %.2f s wall time (%s)\n", seconds, ok ? "all hold" : "NOT all hold");
  return 0;
}
