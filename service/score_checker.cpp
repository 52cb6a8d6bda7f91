#include "service/score_checker.h"

#include "game/game_state.h"
#include "scores/score_check.h"

std::unique_ptr<ScoreChecker> ScoreChecker::Open(const std::string& data_folder, std::string& why) {
  std::unique_ptr<ScoreChecker> checker(new ScoreChecker(data_folder));
  auto first = std::make_unique<GameState>();
  if (!Prepare_Check_State(*first, data_folder)) {
    why = "cannot load the play-field models from " + data_folder + "/data/models.pak";
    return nullptr;
  }
  checker->idle_.push_back(std::move(first));
  return checker;
}

ScoreChecker::ScoreChecker(std::string data_folder) : folder_(std::move(data_folder)) {}
ScoreChecker::~ScoreChecker() = default;

std::unique_ptr<GameState> ScoreChecker::Borrow() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!idle_.empty()) {
      std::unique_ptr<GameState> g = std::move(idle_.back());
      idle_.pop_back();
      return g;
    }
  }
  // All are lent out: one more, made outside the lock. It loaded once at
  // Open, so the models are there.
  auto g = std::make_unique<GameState>();
  Prepare_Check_State(*g, folder_);
  return g;
}

void ScoreChecker::Give_Back(std::unique_ptr<GameState> g) {
  std::lock_guard<std::mutex> lock(mutex_);
  idle_.push_back(std::move(g));
}

std::vector<std::string> ScoreChecker::Check(const std::string& text, int level, const std::string& name,
                                             const std::string& time_text) {
  std::unique_ptr<GameState> g = Borrow();
  std::vector<std::string> problems = Check_Score_File(text, level, name, time_text, *g);
  Give_Back(std::move(g));
  return problems;
}
