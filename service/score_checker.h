// ScoreChecker: Check_Score_File for the server's worker threads. Each
// check needs a play-field of its own to replay the file on; the checker
// keeps the ones it has made and lends one to each check, so that checks
// run side by side and no field is built twice.
//
// It must not share one GameState between two checks at once, and it
// judges nothing itself: the rules are scores/score_check.h's.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct GameState;

class ScoreChecker {
 public:
  // data_folder holds data/models.pak. Null with the reason when the
  // play-field models cannot be loaded from it.
  static std::unique_ptr<ScoreChecker> Open(const std::string& data_folder, std::string& why);
  ~ScoreChecker();

  // The problems of a score file (empty: good), as Check_Score_File.
  std::vector<std::string> Check(const std::string& text, int level, const std::string& name,
                                 const std::string& time_text);

 private:
  explicit ScoreChecker(std::string data_folder);
  std::unique_ptr<GameState> Borrow();
  void Give_Back(std::unique_ptr<GameState> g);

  const std::string folder_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<GameState>> idle_;
};
