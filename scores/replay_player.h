// ReplayPlayer: plays a score file back onto a freshly loaded level. No
// simulation runs: every change other than free flight comes from the
// file's events, applied when the level clock has passed their time, and
// the discs fly straight between them (Move_Discs after each Step).
//
// The file may be damaged or hostile: every number, index and colour code
// is checked before use. What cannot be used is skipped or ends the replay,
// and each problem is kept as a line for the log and for prismel-sim; a
// file never makes it crash or play forever.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/text_scan.h"
#include "game/colors.h"
#include "game/objects.h"

struct GameState;

enum class ReplayStep { PLAYING, ENDED };

// Reads a score file's header ("version name time") and its first event
// (the shooter colour at 0); false with the reason when the text is no
// score file.
bool Read_Score_Header(TextCursor& cursor, std::string& name, float& seconds, int& first_color_code,
                       std::string& why);
// The level a score file belongs to, from the three digits that begin its
// name: "LLL.PPP" in the score folder, "LLL_TIME_NAME..." as uploaded; -1
// when the name does not begin so.
int Score_File_Level(const std::string& path);

class ReplayPlayer {
 public:
  // Opens a score file for playback on g (the level must already be
  // loaded). False when it is no score file (no readable header and first
  // event); Problems() says why.
  bool Open_File(const std::string& path, GameState& g);
  bool Open_Text(std::string text, GameState& g);
  void Close() { open_ = false; }
  bool Is_Open() const { return open_; }

  // One frame: advances the level clock by dt and applies the events it has
  // passed. ENDED once the end event is reached or the file cannot go on.
  ReplayStep Step(GameState& g, float dt);
  // Free flight of every disc for one frame.
  static void Move_Discs(GameState& g, float dt);

  const std::string& Name() const { return name_; }
  float Time() const { return time_; }
  bool Reached_End_Event() const { return reached_end_; }
  const std::vector<std::string>& Problems() const { return problems_; }
  // Level time at which each disc's motion was last set from the file.
  float Last_Set(int disc) const { return last_set_[static_cast<size_t>(disc)]; }

 private:
  void Problem(const std::string& what);
  // Applies the pending event; false when the file cannot be read on.
  bool Apply(GameState& g, float dt);
  bool Read_Next();
  void End();

  std::string text_;
  TextCursor cursor_{std::string_view()};
  bool open_ = false;
  bool reached_end_ = false;
  std::string name_;
  float time_ = 0.0f;
  float next_time_ = 0.0f;
  int next_type_ = -1;  // -1: none pending
  int events_ = 0;      // events read so far, for the problem lines
  Color current_{1, 1, 1}, target_{1, 1, 1}, fade_start_{1, 1, 1};
  float fade_timer_ = 0.0f;  // seconds since the last colour event
  std::array<float, kMaxDiscs> last_set_{};
  std::vector<std::string> problems_;
};
