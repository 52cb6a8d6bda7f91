#include "scores/replay_player.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "engine/log.h"
#include "game/game_state.h"
#include "game/simulation.h"
#include "level/pak_archive.h"
#include "scores/replay_format.h"
#include "scores/score_file.h"
#include "scores/score_table.h"

namespace {

constexpr float kRemovalFlashRate = 4.0f;  // flash life per second: 0.25 s
constexpr size_t kMaxProblems = 20;        // a file full of damage is reported, not listed whole
constexpr float kMaxCoordinate = 1.0e4f;   // units; far outside any field
constexpr float kLateEventSlack = 1.0f;    // seconds an event may lie past the run's time

bool Sane(float v) { return std::isfinite(v) && std::fabs(v) < kMaxCoordinate; }

void Show_Shooter_Color(GameState& g, const Color& c) {
  g.Shooter.ShownColor = c;
  g.ShooterBase.Set_Color(c);
  g.ShooterGun.Set_Color(c);
}

}  // namespace

bool Read_Score_Header(TextCursor& cursor, std::string& name, float& seconds, int& first_color_code,
                       std::string& why) {
  float version = 0.0f, first_time = 0.0f;
  int type = -1;
  if (cursor.Float(version) != ScanResult::Ok || cursor.Word(name, kReplayTokenChars) != ScanResult::Ok ||
      cursor.Float(seconds) != ScanResult::Ok) {
    why = "not a score file: no header \"version name time\"";
    return false;
  }
  // A run as long as an empty place's time is no score, and a replay of it
  // would hold the screen for hours.
  if (!std::isfinite(seconds) || seconds < 0.0f || seconds >= kEmptyScoreTime) {
    why = "not a score file: its time is no number of seconds below 10000";
    return false;
  }
  if (cursor.Float(first_time) != ScanResult::Ok || cursor.Int(type) != ScanResult::Ok ||
      cursor.Int(first_color_code) != ScanResult::Ok || type != EVENT_SHOOTER_COLOR) {
    why = "not a score file: no shooter colour as its first event";
    return false;
  }
  return true;
}

int Score_File_Level(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  if (base.size() < 4 || (base[3] != '.' && base[3] != '_')) return -1;
  int level = 0;
  for (size_t i = 0; i < 3; ++i) {
    if (base[i] < '0' || base[i] > '9') return -1;
    level = level * 10 + (base[i] - '0');
  }
  return level;
}

void ReplayPlayer::Problem(const std::string& what) {
  if (problems_.size() < kMaxProblems) {
    problems_.push_back("event " + std::to_string(events_) + ": " + what);
    Log_Write(g_log_stream, 1, "ReplayPlayer :: damaged score file [%s]", problems_.back().c_str());
  } else if (problems_.size() == kMaxProblems) {
    problems_.push_back("more problems follow");
  }
}

bool ReplayPlayer::Open_File(const std::string& path, GameState& g) {
  std::string text;
  if (!Read_File(path, text)) {
    open_ = false;
    problems_.assign(1, "cannot read [" + path + "]");
    return false;
  }
  return Open_Text(std::move(text), g);
}

bool ReplayPlayer::Open_Text(std::string text, GameState& g) {
  text_ = std::move(text);
  cursor_ = TextCursor(text_);
  open_ = false;
  reached_end_ = false;
  problems_.clear();
  events_ = 0;
  next_time_ = 0.0f;
  next_type_ = -1;
  fade_timer_ = 0.0f;
  last_set_.fill(0.0f);
  current_ = target_ = fade_start_ = colors::kWhite;
  int code = -1;
  std::string why;
  if (!Read_Score_Header(cursor_, name_, time_, code, why)) {
    problems_.assign(1, why);
    return false;
  }
  if (!Code_Color(code, target_)) Problem("colour code [" + std::to_string(code) + "] out of range");
  current_ = fade_start_ = target_;
  Show_Shooter_Color(g, current_);
  open_ = true;
  return true;
}

void ReplayPlayer::End() {
  open_ = false;
  next_type_ = -1;
}

bool ReplayPlayer::Read_Next() {
  ++events_;
  float t = 0.0f;
  int type = -1;
  const ScanResult r = cursor_.Float(t);
  if (r == ScanResult::End) {
    Problem("the file ends without its end event");
    return false;
  }
  if (r != ScanResult::Ok || cursor_.Int(type) != ScanResult::Ok) {
    Problem("unreadable event");
    return false;
  }
  if (!std::isfinite(t)) {
    Problem("event time is not a number");
    return false;
  }
  if (type < EVENT_BRICK_REMOVED || type > EVENT_REPLAY_END) {
    Problem("unknown event type [" + std::to_string(type) + "]");
    return false;
  }
  if (t > time_ + kLateEventSlack) {
    // Nothing of a run happens after its end; waiting for it would hold the
    // replay for as long as the number says.
    Problem("event at [" + std::to_string(t) + "] s, after the end of the run");
    return false;
  }
  next_time_ = t;
  next_type_ = type;
  return true;
}

bool ReplayPlayer::Apply(GameState& g, float dt) {
  const float at = next_time_;
  // An event took effect at its own time, which lies up to a frame (or
  // more, on a slow frame) before the clock: its disc is placed where it
  // would be now, less the free flight that follows this step.
  const float ahead = g.LevelTime - at - dt;
  auto read_int = [this](int& v) {
    if (cursor_.Int(v) == ScanResult::Ok) return true;
    Problem("truncated event");
    return false;
  };
  auto read_floats = [this](float* v, int n) {
    for (int i = 0; i < n; ++i) {
      if (cursor_.Float(v[i]) != ScanResult::Ok) {
        Problem("truncated event");
        return false;
      }
    }
    return true;
  };
  switch (next_type_) {
    case EVENT_BRICK_REMOVED: {
      int index = 0;
      if (!read_int(index)) return false;
      if (index < 0 || index >= g.BrickCount) {
        Problem("brick index [" + std::to_string(index) + "] out of range");
        return true;
      }
      const Vec3 p = g.Bricks[static_cast<size_t>(index)].position;
      Start_Effect(g, p.x, p.y, kRemovalFlashRate);
      Remove_Brick(g, index);
      return true;
    }
    case EVENT_DISC_CREATED: {
      int ring = 0, code = 0;
      float v[4];
      if (!read_int(ring) || !read_floats(v, 4) || !read_int(code)) return false;
      if (!Sane(v[0]) || !Sane(v[1]) || !Sane(v[2]) || !Sane(v[3])) {
        Problem("disc with a position or speed out of range");
        return true;
      }
      Color c(0, 0, 0);
      if (!Code_Color(code, c)) Problem("colour code [" + std::to_string(code) + "] out of range");
      if (g.DiscCount >= kMaxDiscs) return true;
      const Vec3 velocity(v[2], v[3], 0.0f);
      Add_Disc(g, Vec3(v[0], v[1], 0.0f) + velocity * ahead, velocity, c, 0, ring == 1 ? 1 : 0);
      last_set_[static_cast<size_t>(g.DiscCount - 1)] = at;
      return true;
    }
    case EVENT_DISC_REMOVED: {
      int index = 0;
      if (!read_int(index)) return false;
      if (index < 0 || index >= g.DiscCount) {
        Problem("disc index [" + std::to_string(index) + "] out of range");
        return true;
      }
      const Vec3 p = g.Discs[static_cast<size_t>(index)].position;
      Start_Effect(g, p.x, p.y, kRemovalFlashRate);
      Remove_Disc(g, index);
      for (int i = index; i + 1 < kMaxDiscs; ++i) last_set_[static_cast<size_t>(i)] = last_set_[static_cast<size_t>(i + 1)];
      return true;
    }
    case EVENT_DISC_STATE: {
      int index = 0;
      float v[4];
      if (!read_int(index) || !read_floats(v, 4)) return false;
      if (index < 0 || index >= g.DiscCount) {
        Problem("disc index [" + std::to_string(index) + "] out of range");
        return true;
      }
      if (!Sane(v[0]) || !Sane(v[1]) || !Sane(v[2]) || !Sane(v[3])) {
        Problem("disc state out of range");
        return true;
      }
      Disc& d = g.Discs[static_cast<size_t>(index)];
      const Vec3 velocity(v[2], v[3], 0.0f);
      const Vec3 place = Vec3(v[0], v[1], d.position.z) + velocity * ahead;
      d.Translate(place - d.position, false);
      d.velocity = velocity;
      last_set_[static_cast<size_t>(index)] = at;
      return true;
    }
    case EVENT_SHOOTER_COLOR: {
      int code = 0;
      if (!read_int(code)) return false;
      Color c;
      if (!Code_Color(code, c)) {
        Problem("colour code [" + std::to_string(code) + "] out of range");
        return true;
      }
      // A second colour within the glide starts from the old target, not
      // from the colour on show.
      fade_timer_ = 0.0f;
      current_ = fade_start_ = target_;
      target_ = c;
      return true;
    }
    case EVENT_SHOOTER_ANGLE: {
      int degrees = 0;
      if (!read_int(degrees)) return false;
      if (degrees < 0 || degrees > 360) {
        Problem("shooter angle [" + std::to_string(degrees) + "] out of range");
        return true;
      }
      g.ShooterGun.Rotate_Z(-g.Shooter.Angle);
      g.Shooter.Angle = static_cast<float>(degrees);
      g.ShooterGun.Rotate_Z(g.Shooter.Angle);
      return true;
    }
    default:
      return true;  // none pending, or the end event
  }
}

ReplayStep ReplayPlayer::Step(GameState& g, float dt) {
  if (!open_) return ReplayStep::ENDED;
  g.LevelTime += dt;
  fade_timer_ += dt;
  ReplayStep result = ReplayStep::PLAYING;
  while (g.LevelTime > next_time_) {
    if (!Apply(g, dt)) {
      End();
      result = ReplayStep::ENDED;
      break;
    }
    if (next_type_ == EVENT_REPLAY_END) {
      reached_end_ = true;
      End();
      result = ReplayStep::ENDED;
      break;
    }
    next_type_ = -1;
    if (!Read_Next()) {
      End();
      result = ReplayStep::ENDED;
      break;
    }
  }
  const float k = fade_timer_ < 1.0f ? fade_timer_ : 1.0f;
  current_ = fade_start_ + (target_ - fade_start_) * k;
  Show_Shooter_Color(g, current_);
  return result;
}

void ReplayPlayer::Move_Discs(GameState& g, float dt) {
  for (int i = 0; i < g.DiscCount; ++i) {
    Disc& d = g.Discs[static_cast<size_t>(i)];
    d.Translate(d.velocity * dt, false);
  }
}
