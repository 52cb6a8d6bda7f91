#include "frontend/script.h"

#include <cctype>
#include <cmath>
#include <sstream>

#include "frontend/config.h"
#include "game/game_state.h"

namespace {

constexpr float kDefaultUntilLimit = 60.0f;  // seconds of game time

const char* const kModeNames[] = {"QUIT", "STARTUP", "MENU", "GAME", "REPLAY"};
const char* const kStatusNames[] = {"WAITING", "PLAYING", "COMPLETE"};

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool Number(std::istringstream& in, float& v) {
  std::string word;
  if (!(in >> word)) return false;
  char* end = nullptr;
  v = std::strtof(word.c_str(), &end);
  return end != word.c_str() && *end == '\0' && std::isfinite(v);
}

bool Integer(std::istringstream& in, int& v) {
  float f = 0.0f;
  if (!Number(in, f) || f != std::trunc(f) || std::fabs(f) > 1e6f) return false;
  v = static_cast<int>(f);
  return true;
}

bool Is_Setting(const std::string& name) {
  for (const ConfigKey& k : Config_Keys()) {
    if (name == k.key) return true;
  }
  return false;
}

// Parses one line's words after the command word; "" when they are good.
std::string Parse_Args(const std::string& word, std::istringstream& in, ScriptCommand& c) {
  const std::string w = word;
  if (w == "wait") {
    c.op = ScriptOp::WAIT;
    if (!Number(in, c.seconds) || c.seconds < 0) return "wait needs a number of seconds";
  } else if (w == "until") {
    c.op = ScriptOp::UNTIL;
    std::string what, name;
    if (!(in >> what)) return "until needs mode NAME, status NAME or idle";
    c.what = what;
    if (what == "mode" || what == "status") {
      if (!(in >> name)) return "until " + what + " needs a name";
      c.value = what == "mode" ? Script_Mode(Upper(name)) : Script_Status(Upper(name));
      if (c.value < 0) return "unknown " + what + " [" + name + "]";
    } else if (what != "idle") {
      return "until needs mode NAME, status NAME or idle";
    }
    c.seconds = kDefaultUntilLimit;
    std::string rest;
    if (in >> rest) {
      std::istringstream limit(rest);
      if (!Number(limit, c.seconds) || c.seconds <= 0) return "the time limit of until must be a positive number";
    }
  } else if (w == "key") {
    std::string dir, name;
    if (!(in >> dir >> name) || (dir != "down" && dir != "up")) return "key needs down or up and a key name";
    c.op = dir == "down" ? ScriptOp::KEY_DOWN : ScriptOp::KEY_UP;
    c.key = Script_Key(name);
    if (c.key == 0) return "unknown key [" + name + "]";
  } else if (w == "press") {
    std::string name;
    c.op = ScriptOp::PRESS;
    if (!(in >> name)) return "press needs a key name";
    c.key = Script_Key(name);
    if (c.key == 0) return "unknown key [" + name + "]";
  } else if (w == "type") {
    c.op = ScriptOp::TYPE;
    if (!(in >> c.text)) return "type needs a text";
    for (char ch : c.text) {
      if (!std::isalnum(static_cast<unsigned char>(ch))) return "type takes letters and digits only";
    }
  } else if (w == "move" || w == "click") {
    c.op = w == "move" ? ScriptOp::MOVE : ScriptOp::CLICK;
    std::string first;
    if (in >> first) {
      std::istringstream xs(first);
      if (!Number(xs, c.x) || !Number(in, c.y)) return w + " needs X Y in overlay units";
      c.has_position = true;
    } else if (c.op == ScriptOp::MOVE) {
      return "move needs X Y in overlay units";
    }
  } else if (w == "play" || w == "screenshot") {
    c.op = w == "play" ? ScriptOp::PLAY : ScriptOp::SCREENSHOT;
    if (!(in >> c.text)) return w + " needs a file name";
  } else if (w == "expect") {
    c.op = ScriptOp::EXPECT;
    std::string what, name;
    if (!(in >> what >> name)) return "expect needs what and a value";
    c.what = what;
    if (what == "mode" || what == "status") {
      c.value = what == "mode" ? Script_Mode(Upper(name)) : Script_Status(Upper(name));
      if (c.value < 0) return "unknown " + what + " [" + name + "]";
    } else if (what == "level" || what == "paused" || Is_Setting(what)) {
      std::istringstream v(name);
      if (!Integer(v, c.value)) return "expect " + what + " needs a whole number";
    } else {
      return "expect knows mode, status, level, paused and the settings, not [" + what + "]";
    }
  } else {
    return "unknown command [" + w + "]";
  }
  std::string extra;
  if (in >> extra) return "unexpected [" + extra + "] after " + w;
  return "";
}

}  // namespace

int Script_Key(const std::string& name) {
  const std::string n = Upper(name);
  static const struct {
    const char* name;
    int key;
  } kKeys[] = {{"SPACE", VK_SPACE}, {"ENTER", VK_RETURN}, {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE},
               {"BACKSPACE", VK_BACK}, {"SHIFT", VK_SHIFT}, {"LEFT", VK_LEFT},   {"RIGHT", VK_RIGHT},
               {"UP", VK_UP},          {"DOWN", VK_DOWN},   {"F1", VK_F1},       {"F2", VK_F2},
               {"F5", VK_F5},          {"F11", VK_F11},     {"F12", VK_F12}};
  for (const auto& k : kKeys) {
    if (n == k.name) return k.key;
  }
  if (n.size() == 1 && std::isalnum(static_cast<unsigned char>(n[0]))) return n[0];
  return 0;
}

int Script_Mode(const std::string& name) {
  for (int i = 0; i < 5; ++i) {
    if (name == kModeNames[i]) return i;
  }
  return -1;
}

int Script_Status(const std::string& name) {
  for (int i = 0; i < 3; ++i) {
    if (name == kStatusNames[i]) return i;
  }
  return -1;
}

const char* Mode_Name(int mode) { return mode >= 0 && mode < 5 ? kModeNames[mode] : "?"; }
const char* Status_Name(int status) { return status >= 0 && status < 3 ? kStatusNames[status] : "?"; }

bool Parse_Script(const std::string& text, std::vector<ScriptCommand>& out, std::string& error) {
  out.clear();
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream in(line);
    std::string word;
    if (!(in >> word)) continue;
    ScriptCommand c;
    c.line = number;
    const std::string problem = Parse_Args(word, in, c);
    if (!problem.empty()) {
      error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
    out.push_back(c);
  }
  return true;
}
