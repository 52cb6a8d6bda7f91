// The menu's progress summary as data: which medal the player holds, which
// requirement marks are met, and the texts to draw beside them.
//
// Everything here follows from the total of the best times and whether
// every level 1..60 is completed; nothing is stored. This module decides
// what the summary says; where and how it is drawn belongs to the menu.
#pragma once

#include <string>

inline constexpr float kGoldTimeLimit = 2100.0f;  // seconds

inline constexpr char kCompleteAllText[] = "Complete all the levels";     // beside mark A
inline constexpr char kTotalHeadingText[] = "Total time taken for completed levels:";

enum class MedalStatus { Bronze, Silver, Gold };

// Texture coordinates of the medal's quarter of menu_medals.png.
struct MedalQuarter {
  float s0, t0, s1, t1;
};

struct MedalSummary {
  MedalStatus status = MedalStatus::Bronze;
  std::string status_text;  // "Bronze status", "Silver status", "Gold status"
  MedalQuarter quarter{};
  bool mark_a_green = false;  // all levels completed
  bool mark_b_green = false;  // Gold: completed within the time limit
  std::string time_limit_text;  // "Total time under 35 minutes", beside mark B
  std::string total_text;       // e.g. "1 minute and 2 seconds"
};

// The summary for a total of best times in seconds. A total that is
// negative or not finite counts as 0. Any fraction of a second counts as a
// whole second up in the total text; a total that rounds up to a whole
// minute shows as that minute and 0 seconds.
MedalSummary Medal_Summary(float total_time, bool all_levels_completed);
