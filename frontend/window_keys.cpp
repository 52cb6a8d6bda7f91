#include "frontend/window_keys.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/gl.h"
#include "engine/log.h"
#include "engine/screenshot.h"
#include "frontend/game.h"
#include "frontend/text_style.h"
#include "frontend/texture_slots.h"
#include "level/pak_archive.h"

namespace {

constexpr float kNoteSeconds = 3.0f;  // how long the screenshot note stays

// $XDG_PICTURES_DIR as the desktop's user-dirs.dirs file sets it, with
// $HOME put in; "" when the file has no such line.
std::string Pictures_From_User_Dirs() {
  const char* home = std::getenv("HOME");
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string base = config != nullptr && config[0] == '/' ? config : std::string(home ? home : "") + "/.config";
  std::string text;
  if (!Read_File(base + "/user-dirs.dirs", text)) return "";
  const std::string key = "XDG_PICTURES_DIR=\"";
  const size_t at = text.find(key);
  if (at == std::string::npos) return "";
  const size_t start = at + key.size(), end = text.find('"', start);
  if (end == std::string::npos) return "";
  std::string value = text.substr(start, end - start);
  if (value.rfind("$HOME", 0) == 0) value = std::string(home ? home : "") + value.substr(5);
  return value;
}

bool Make_Folder(const std::string& path) {
  mkdir(path.c_str(), 0755);
  struct stat st{};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string Screenshot_Folder(const std::string& user_folder) {
  const char* env = std::getenv("XDG_PICTURES_DIR");
  std::string pictures = env != nullptr && env[0] == '/' ? env : Pictures_From_User_Dirs();
  if (!pictures.empty() && Make_Folder(pictures) && Make_Folder(pictures + "/Prismel")) return pictures + "/Prismel";
  Make_Folder(user_folder + "/Screenshots");
  return user_folder + "/Screenshots";
}

void Handle_Window_Keys(Game& game) {
  unsigned char* keys = game.g.Keys.data();
  CKorvidWindow& w = game.window;
  if (w.close_requested) {
    w.close_requested = false;
    const ScreenFade& fade = game.front.fade;
    const bool quitting = fade.Phase != FADE_IDLE && fade.Target == MODE_QUIT;
    if (!quitting) Start_Fade(game, FADE_BY_DESKTOP, MODE_QUIT, kFadeSeconds, -1);
  }
  if (keys[VK_F11]) {
    keys[VK_F11] = 0;  // one switch a press
    w.Set_Fullscreen(!w.fullscreen);
  }
  if (keys[VK_F12]) {
    keys[VK_F12] = 0;
    game.front.screenshot_due = true;
  }
  if (game.front.note_seconds > 0.0f) game.front.note_seconds -= game.g.Timer.Frame_Time();
}

void Take_Due_Screenshot(Game& game) {
  FrontState& f = game.front;
  if (!f.screenshot_due) return;
  f.screenshot_due = false;
  const std::string folder = Screenshot_Folder(game.g.UserFolder);
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", std::localtime(&now));
  std::string path = folder + "/prismel_" + stamp + ".png";
  for (int n = 2; n < 100; ++n) {
    struct stat st{};
    if (stat(path.c_str(), &st) != 0) break;
    path = folder + "/prismel_" + stamp + "_" + std::to_string(n) + ".png";
  }
  if (Save_Frame_Png(path, game.window.width, game.window.height)) {
    f.note = "Screenshot saved: " + path;
    Log_Write(g_log_stream, 0, "Screenshot [%s]", path.c_str());
  } else {
    f.note = "The screenshot could not be saved";
  }
  f.note_seconds = kNoteSeconds;
}

void Draw_Window_Note(const FrontState& f, Canvas& c) {
  if (f.note_seconds <= 0.0f || f.note.empty()) return;
  CKorvidWindow& w = c.w;
  w.GL_Begin_2D(TEX_FONT);
  w.Draw_Rect(-1, 10, 95, 90, 99, 0, 0, 0, 0.3f);
  Draw_Label(w, 50, 96.2f, White(1.6f, Align::CENTRE), "%s", f.note.c_str());
  w.GL_End_2D();
}
