#include "scores/score_check.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "game/game_state.h"
#include "game/shooter.h"
#include "level/field_geometry.h"
#include "level/load_level.h"
#include "scores/replay_player.h"
#include "scores/score_file.h"
#include "scores/score_table.h"

namespace {

constexpr int kLastLevel = kScoreLevels - 1;  // level 0, the tutorial, has no scores
constexpr float kReplayFrame = 1.0f / 60.0f;  // seconds: the step the game's replay screen takes
constexpr float kReplayOverrun = 2.0f;        // seconds played past the run's time before giving up
constexpr int kMaxReplayFrames = 2 * 60 * static_cast<int>(kEmptyScoreTime);
constexpr size_t kTrailerTokens = 13;
constexpr size_t kMaxFindings = 20;  // a file full of damage is reported, not listed whole
// Event times are printed to the millisecond, so a gap between two of them
// is off by up to a millisecond from the true one; the allowance for shots
// takes twice that, for the float clocks behind the stamps.
constexpr float kStampGap = 0.001f;    // seconds
constexpr float kShotSlack = 0.002f;   // seconds
// Angle samples are whole degrees cut down from the real aim, which puts
// up to one degree on any measured turn.
constexpr float kTruncationSlack = 1.001f;  // degrees

// Tokens each event type carries after its time and type.
constexpr int kPayloadTokens[] = {1, 6, 1, 5, 1, 1};

struct Event {
  float time = 0.0f;
  int type = 0;
  int arg = 0;  // its first number: a ShooterAngle sample's degrees, a new disc's ring flag
};

class Findings {
 public:
  void Add(const std::string& what) {
    if (list_.size() < kMaxFindings) list_.push_back(what);
    else if (list_.size() == kMaxFindings) list_.push_back("more problems follow");
  }
  bool Empty() const { return list_.empty(); }
  std::vector<std::string> Take() { return std::move(list_); }

 private:
  std::vector<std::string> list_;
};

std::string Quoted(std::string_view s) {
  constexpr size_t kShown = 40;  // a hostile token is named, not echoed whole
  return "[" + std::string(s.substr(0, kShown)) + (s.size() > kShown ? "...]" : "]");
}

std::string Seconds(float t) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.3f s", t);
  return buf;
}

bool Parse_Int(std::string_view s, int& out) {
  const char* end = s.data() + s.size();
  const auto r = std::from_chars(s.data(), end, out);
  return r.ec == std::errc() && r.ptr == end;
}

bool Parse_Float(std::string_view s, float& out) {
  const char* end = s.data() + s.size();
  const auto r = std::from_chars(s.data(), end, out, std::chars_format::fixed);
  return r.ec == std::errc() && r.ptr == end && std::isfinite(out);
}

// "%.3f" of a level time: digits, a point, three digits.
bool Is_Stamp(std::string_view s) {
  const size_t point = s.find('.');
  if (point == 0 || point == std::string_view::npos || s.size() - point != 4) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (i != point && (s[i] < '0' || s[i] > '9')) return false;
  }
  return true;
}

std::string Printed(float t) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%f", t);
  return buf;
}

// The game printed its float time with "%f", which keeps six decimals: below
// 16 s two neighbouring floats can print alike. Every float that prints as
// time_text is a time the game may have held, and the trailer was made from
// that float, not from the text. Empty when no float prints so.
std::vector<float> Times_Printed_As(const std::string& time_text) {
  float t = 0.0f;
  if (!Parse_Float(time_text, t) || !(t > 0.0f) || !(t < kEmptyScoreTime) || Printed(t) != time_text) return {};
  std::vector<float> out{t};
  for (float d = std::nextafter(t, 0.0f); Printed(d) == time_text; d = std::nextafter(d, 0.0f)) out.push_back(d);
  for (float u = std::nextafter(t, kEmptyScoreTime); Printed(u) == time_text; u = std::nextafter(u, kEmptyScoreTime)) {
    out.push_back(u);
  }
  return out;
}

// The text as the game writes it: printable characters in one line, tokens
// parted by single blanks, none after the last.
bool Split_Tokens(const std::string& text, std::vector<std::string_view>& tokens) {
  for (const char c : text) {
    if (c < ' ' || c > '~') return false;
  }
  const std::string_view all(text);
  size_t at = 0;
  while (at <= all.size()) {
    const size_t blank = all.find(' ', at);
    const size_t stop = blank == std::string_view::npos ? all.size() : blank;
    if (stop == at) return false;
    tokens.push_back(all.substr(at, stop - at));
    at = stop + 1;
  }
  return true;
}

// Reads the events from tokens[3] on, up to the end event; end is its
// token index. False (with the reason) when the events cannot be read.
bool Read_Events(const std::vector<std::string_view>& tokens, std::vector<Event>& events, size_t& end,
                 Findings& f) {
  size_t i = 3;
  while (i + 1 < tokens.size()) {
    const std::string n = "event " + std::to_string(events.size()) + ": ";
    int type = -1;
    if (!Parse_Int(tokens[i + 1], type) || type < EVENT_BRICK_REMOVED || type > EVENT_REPLAY_END) {
      f.Add(n + "unknown type " + Quoted(tokens[i + 1]));
      return false;
    }
    if (type == EVENT_REPLAY_END) {
      end = i;
      return true;
    }
    Event e;
    e.type = type;
    if (!Is_Stamp(tokens[i]) || !Parse_Float(tokens[i], e.time)) {
      f.Add(n + "time " + Quoted(tokens[i]) + " is not a level time to the millisecond");
      return false;
    }
    const size_t payload = static_cast<size_t>(kPayloadTokens[type]);
    if (i + 2 + payload > tokens.size()) {
      f.Add(n + "truncated");
      return false;
    }
    for (size_t k = 0; k < payload; ++k) {
      const std::string_view token = tokens[i + 2 + k];
      // DiscCreated and DiscState carry four coordinates after their first
      // number; DiscCreated ends with a colour code. The rest are integers.
      const bool coordinate = (type == EVENT_DISC_CREATED || type == EVENT_DISC_STATE) && k >= 1 && k <= 4;
      float x = 0.0f;
      int v = 0;
      if (coordinate ? !Parse_Float(token, x) : !Parse_Int(token, v)) {
        f.Add(n + "unreadable number " + Quoted(token));
        return false;
      }
      if (k == 0) e.arg = v;
    }
    if (type == EVENT_DISC_CREATED && e.arg != 0 && e.arg != 1) {
      f.Add(n + "ring flag " + Quoted(tokens[i + 2]) + " is neither 0 nor 1");
    }
    events.push_back(e);
    i += 2 + payload;
  }
  f.Add("no end event");
  return false;
}

void Check_Timing(const std::vector<Event>& events, float seconds, Findings& f) {
  const Event* last_shot = nullptr;
  const Event* last_angle = nullptr;
  for (size_t k = 0; k < events.size(); ++k) {
    const Event& e = events[k];
    const std::string n = "event " + std::to_string(k) + ": ";
    if (k > 0 && e.time < events[k - 1].time) {
      f.Add(n + "at " + Seconds(e.time) + ", before the event ahead of it at " + Seconds(events[k - 1].time));
    }
    if (e.time > seconds + kStampGap) f.Add(n + "at " + Seconds(e.time) + ", after the end of the run");
    // Every colour event after the first deals the next disc: it follows a shot.
    if (e.type == EVENT_SHOOTER_COLOR && k > 0) {
      if (last_shot != nullptr && e.time - last_shot->time < kReloadTime - kShotSlack) {
        f.Add(n + "shots at " + Seconds(last_shot->time) + " and " + Seconds(e.time) + " are less than " +
              "a second apart");
      }
      last_shot = &e;
    }
    if (e.type == EVENT_SHOOTER_ANGLE) {
      if (last_angle != nullptr) {
        const float gap = e.time - last_angle->time;
        const float turned = std::fabs(static_cast<float>(e.arg - last_angle->arg));
        if (turned > field::kTurnSpeed * (gap + kStampGap) + kTruncationSlack) {
          f.Add(n + "the shooter turned " + std::to_string(e.arg - last_angle->arg) + " degrees between " +
                Seconds(last_angle->time) + " and " + Seconds(e.time) + ", faster than it can");
        }
      }
      last_angle = &e;
    }
  }
}

// Plays the file as the replay screen does, one frame at a time, on the
// level loaded afresh; the player judges every index and code by the field.
void Check_Replay(const std::string& text, int level, GameState& g, Findings& f) {
  GameEvents* listener = g.Events;
  g.Events = nullptr;  // the flashes of removals have nowhere to go
  g.TutorialActive = false;
  g.LevelStatus = LEVEL_WAITING;
  Load_Level(g, level);
  g.Paused = false;
  ReplayPlayer player;
  if (player.Open_Text(text, g)) {
    // The float clock loses a little at each step of a long run, so the
    // play goes by the clock, not by a count of frames; the count only
    // bounds it.
    const float stop = player.Time() + kReplayOverrun;
    for (int frame = 0; frame < kMaxReplayFrames && g.LevelTime <= stop; ++frame) {
      if (player.Step(g, kReplayFrame) == ReplayStep::ENDED) break;
      ReplayPlayer::Move_Discs(g, kReplayFrame);
    }
  }
  for (const std::string& p : player.Problems()) f.Add("replay: " + p);
  if (!player.Reached_End_Event() && player.Problems().empty()) f.Add("replay: it did not reach its end event");
  g.Events = listener;
}

}  // namespace

bool Prepare_Check_State(GameState& scratch, const std::string& program_folder) {
  scratch.ProgramFolder = program_folder;
  scratch.Events = nullptr;
  scratch.Textures = nullptr;
  return Load_Play_Field_Templates(scratch);
}

std::vector<std::string> Check_Score_File(const std::string& text, int level, const std::string& name,
                                          const std::string& time_text, GameState& scratch) {
  Findings f;
  if (level < 1 || level > kLastLevel) {
    f.Add("level " + std::to_string(level) + " has no scores");
    return f.Take();
  }
  const std::vector<float> times = Times_Printed_As(time_text);
  if (times.empty()) {
    f.Add("the upload's time " + Quoted(time_text) + " is no time the game prints");
    return f.Take();
  }
  std::vector<std::string_view> tokens;
  if (!Split_Tokens(text, tokens)) {
    f.Add("not one line of tokens parted by single blanks");
    return f.Take();
  }
  if (tokens.size() < 3 + 3 + 2 + kTrailerTokens) {
    f.Add("too short for a score file");
    return f.Take();
  }
  TextCursor cursor(text);
  std::string file_name, why;
  float seconds = 0.0f;
  int first_code = 0;
  if (!Read_Score_Header(cursor, file_name, seconds, first_code, why)) {
    f.Add(why);
    return f.Take();
  }
  char version[16];
  std::snprintf(version, sizeof version, "%.2f", kScoreFileVersion);
  if (tokens[0] != version) f.Add("version " + Quoted(tokens[0]) + ", not " + version);
  if (tokens[1] != name) f.Add("the file is " + Quoted(tokens[1]) + "'s, uploaded as " + Quoted(name) + "'s");
  if (tokens[2] != time_text) f.Add("the file's time " + Quoted(tokens[2]) + " is not the upload's " + Quoted(time_text));
  if (tokens[3] != "0.000") f.Add("the first event is not at 0.000");

  std::vector<Event> events;
  size_t end = 0;
  if (!Read_Events(tokens, events, end, f)) return f.Take();
  if (tokens[end] != tokens[2]) f.Add("the end event at " + Quoted(tokens[end]) + " is not at the file's time");
  const size_t trailer_at = end + 2;
  if (tokens.size() - trailer_at != kTrailerTokens) {
    f.Add("the trailer has " + std::to_string(tokens.size() - trailer_at) + " numbers, not 13");
  } else {
    const std::string trailer(text.substr(static_cast<size_t>(tokens[trailer_at].data() - text.data())));
    bool matches = false;
    for (const float t : times) matches = matches || trailer == Score_Trailer(name, t);
    if (!matches) f.Add("the trailer does not belong to this name and time");
  }
  Check_Timing(events, times.front(), f);
  if (!f.Empty()) return f.Take();  // the text is not the game's: no need to play it
  Check_Replay(text, level, scratch, f);
  return f.Take();
}
