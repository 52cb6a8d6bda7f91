#include "scores/replay_format.h"

#include <cstdio>

bool Code_Color(int code, Color& out) {
  const auto& table = Color_Table();
  if (code < 0 || code >= static_cast<int>(table.size())) return false;
  out = table[static_cast<size_t>(code)].rgb;
  return true;
}

std::string Format_Replay_Event(const ReplayEvent& e) {
  char buf[160];
  const Vec3& p = e.position;
  const Vec3& v = e.velocity;
  switch (e.type) {
    case EVENT_DISC_CREATED:
      std::snprintf(buf, sizeof buf, "%.3f %i %i %.2f %.2f %.2f %.2f %i ", e.time, e.type, e.arg, p.x, p.y, v.x, v.y,
                    Color_Code(e.color));
      break;
    case EVENT_DISC_STATE:
      std::snprintf(buf, sizeof buf, "%.3f %i %i %.2f %.2f %.2f %.2f ", e.time, e.type, e.arg, p.x, p.y, v.x, v.y);
      break;
    case EVENT_SHOOTER_COLOR:
      std::snprintf(buf, sizeof buf, "%.3f %i %i ", e.time, e.type, Color_Code(e.color));
      break;
    case EVENT_REPLAY_END:
      std::snprintf(buf, sizeof buf, "%f %i ", e.time, e.type);
      break;
    default:  // brick removed, disc removed, shooter angle
      std::snprintf(buf, sizeof buf, "%.3f %i %i ", e.time, e.type, e.arg);
      break;
  }
  return buf;
}

std::string First_Replay_Event(const Color& shooter) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0.000 %i %i ", EVENT_SHOOTER_COLOR, Color_Code(shooter));
  return buf;
}
