#include "frontend/medals.h"

#include <cmath>
#include <cstdio>

namespace {

// Far above any real total (60 levels under 10000 s each) and small enough
// that the minutes always fit in an int.
constexpr float kMaxShownTotal = 1.0e9f;

struct StatusLook {
  const char* text;
  MedalQuarter quarter;
};

// The lower right quarter of the picture is not used.
StatusLook Look(MedalStatus status) {
  switch (status) {
    case MedalStatus::Gold: return {"Gold status", {0.0f, 0.5f, 0.5f, 1.0f}};
    case MedalStatus::Silver: return {"Silver status", {0.5f, 0.5f, 1.0f, 1.0f}};
    case MedalStatus::Bronze: break;
  }
  return {"Bronze status", {0.0f, 0.0f, 0.5f, 0.5f}};
}

std::string Total_Text(float total) {
  int minutes = static_cast<int>(total / 60.0f);
  float rest = total - 60.0f * static_cast<float>(minutes);
  if (minutes < 0) minutes = 0;
  if (rest < 0.0f) rest = 0.0f;
  // Adding just under a half before rounding to the nearest whole second
  // makes any fraction count as a whole second up.
  int seconds = static_cast<int>(std::nearbyint(static_cast<double>(rest) + 0.499999));
  // 59.7 s rounds up to 60: that is the next minute, not "60 seconds".
  if (seconds >= 60) {
    ++minutes;
    seconds -= 60;
  }
  char line[64];
  if (minutes == 1) {
    std::snprintf(line, sizeof line, "1 minute and %i seconds", seconds);
  } else {
    std::snprintf(line, sizeof line, "%i minutes and %i seconds", minutes, seconds);
  }
  return line;
}

}  // namespace

MedalSummary Medal_Summary(float total_time, bool all_levels_completed) {
  float total = std::isfinite(total_time) && total_time > 0.0f ? total_time : 0.0f;
  if (total > kMaxShownTotal) total = kMaxShownTotal;

  MedalSummary out;
  if (!all_levels_completed) {
    out.status = MedalStatus::Bronze;
  } else if (total > kGoldTimeLimit) {
    out.status = MedalStatus::Silver;
  } else {
    out.status = MedalStatus::Gold;
  }
  const StatusLook look = Look(out.status);
  out.status_text = look.text;
  out.quarter = look.quarter;
  out.mark_a_green = all_levels_completed;
  out.mark_b_green = out.status == MedalStatus::Gold;

  char line[64];
  std::snprintf(line, sizeof line, "Total time under %.0f minutes", kGoldTimeLimit / 60.0f);
  out.time_limit_text = line;
  out.total_text = Total_Text(total);
  return out;
}
