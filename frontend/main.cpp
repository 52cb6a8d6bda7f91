// Prismel: the entry point. Works out the folders, refuses a second copy,
// opens the window, loads every resource and the settings, runs the frame
// loop until the game quits, and writes the settings back.
#include <SDL2/SDL.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "engine/http_curl.h"
#include "engine/log.h"
#include "engine/message_box.h"
#include "engine/program_folder.h"
#include "frontend/command_line.h"
#include "frontend/config.h"
#include "frontend/game.h"
#include "frontend/main_loop.h"
#include "frontend/resources.h"
#include "frontend/save_replay.h"
#include "frontend/scene.h"
#include "frontend/screen_flow.h"
#include "frontend/script_runner.h"
#include "frontend/startup.h"
#include "level/builtin_levels.h"
#include "level/pak_archive.h"
#include "scores/replay_player.h"

namespace {

// The game's one state record.
GameState g_game_state;

constexpr const char* kTitle = "Prismel - quillmoor.example/prismel";

std::string Absolute_Path(const std::string& folder, const std::string& path) {
  return !path.empty() && path[0] == '/' ? path : folder + "/" + path;
}

// The level of a score file that can be played, or -1 with the reason.
int Check_Score_File(const std::string& path, std::string& why) {
  std::string text;
  if (!Read_File(path, text)) {
    why = "the file cannot be read";
    return -1;
  }
  const int level = Score_File_Level(path);
  if (level < kTutorialLevel || level > kLastLevel) {
    why = "its name does not begin with a level number 000..060";
    return -1;
  }
  TextCursor cursor(text);
  std::string name;
  float seconds = 0.0f;
  int code = 0;
  if (!Read_Score_Header(cursor, name, seconds, code, why)) return -1;
  return level;
}

std::string Current_Folder() {
  char buf[PATH_MAX];
  return getcwd(buf, sizeof buf) != nullptr ? std::string(buf) : std::string(".");
}

}  // namespace

int main(int argc, char** argv) {
  GameOptions options;
  std::string bad;
  switch (Parse_Command_Line(argc, argv, options, bad)) {
    case CommandLine::HELP:
      std::printf("%s", Usage_Text(kDefaultServiceAddress).c_str());
      return 0;
    case CommandLine::VERSION:
      std::printf("Prismel %s\n", PRISMEL_VERSION);
      return 0;
    case CommandLine::BAD:
      std::fprintf(stderr, "prismel: %s\n%s", bad.c_str(), Usage_Text(kDefaultServiceAddress).c_str());
      return 2;
    case CommandLine::RUN:
      break;
  }
  const char* log_path = options.log.empty() ? nullptr : options.log.c_str();
  const char* script_path = options.script.empty() ? nullptr : options.script.c_str();
  const char* replay_path = options.replay.empty() ? nullptr : options.replay.c_str();
  const char* service = options.service.empty() ? std::getenv("PRISMEL_SERVICE") : options.service.c_str();
  const char* data_override = options.data.empty() ? std::getenv("PRISMEL_DATA") : options.data.c_str();

  // A script is read and checked before anything starts, so a bad line is
  // reported at once.
  const std::string start_folder = Current_Folder();
  std::unique_ptr<ScriptRunner> script;
  if (script_path != nullptr) {
    std::string text, error;
    std::vector<ScriptCommand> commands;
    if (!Read_File(script_path, text)) {
      std::fprintf(stderr, "prismel: cannot read the script [%s]\n", script_path);
      return 2;
    }
    if (!Parse_Script(text, commands, error)) {
      std::fprintf(stderr, "prismel: script [%s] %s\n", script_path, error.c_str());
      return 2;
    }
    script = std::make_unique<ScriptRunner>(std::move(commands), Executable_Folder() + "/screens", start_folder);
  }

  // A replay is checked before the window opens too; its level is in its name.
  std::string replay_file;
  int replay_level = -1;
  if (replay_path != nullptr) {
    std::string why;
    replay_file = Absolute_Path(start_folder, replay_path);
    replay_level = Check_Score_File(replay_file, why);
    if (replay_level < 0) {
      std::fprintf(stderr, "prismel: cannot play [%s]: %s\n", replay_path, why.c_str());
      return 2;
    }
  }

  GameState& g = g_game_state;
  // The folder that holds data/: beside the program in a build, the
  // installed share/prismel, or the one the player names.
  const std::string program_folder =
      Find_Data_Folder(Executable_Folder(), data_override != nullptr ? Absolute_Path(start_folder, data_override) : "");
  if (chdir(program_folder.c_str()) != 0) std::fprintf(stderr, "prismel: cannot enter [%s]\n", program_folder.c_str());
  Build_Folders(g, program_folder, User_Data_Home());
  g.OsName = Get_Os_Name();
  g.Random.Seed(static_cast<uint32_t>(std::time(nullptr)));

  SingleInstanceLock lock;
  if (!lock.Acquire(g.UserFolder + "/prismel.lock")) {
    Show_Message_Box("Prismel", "An instance is already running.", BoxIcon::Warning, false);
    return 1;
  }

  Http_Global_Init();  // before any upload thread can start
  auto game = std::make_unique<Game>(g, log_path, Find_Audio_Channels());
  Set_Replay_Paths(*game);
  if (service != nullptr && service[0] != '\0') game->front.service_address = service;
  game->upload.service = game->front.service_address;
  game->upload.os = g.OsName;
  Connect_Upload(*game);
  if (!game->audio.Available()) {
    // The audio library is linked in; what can be missing is a device.
    Show_Message_Box("Prismel", "Could not open an audio device.\nAudio will not be initialized.", BoxIcon::Warning,
                     false);
    Log_Write(g_log_stream, 1, "Could not open an audio device");
  }

  int width = 1035, height = 971;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.h > 0) Window_Size_For_Display(usable.h, width, height);
  }
  game->window.width = width;
  game->window.height = height;
  if (!game->window.GL_Create_Window(kTitle, width, height, 16, options.fullscreen == 1, false, true, true)) return 1;

  const std::string failure = Init_Resources(*game);
  if (!failure.empty()) {
    Show_Message_Box("Prismel", failure, BoxIcon::Error, true);
    return 1;
  }
  Config_Load(g, g.ConfigPath);
  if (options.level >= 0) {
    g.Level = options.level;
    game->front.start_in_game = true;
  }
  Log_Write(g_log_stream, 0, "Game resources initialized [%s]", g.OsName.c_str());

  Camera_Snap(g.Camera, g.CameraView);
  int mouse_x = 0, mouse_y = 0;
  game->window.Get_Mouse_Position(mouse_x, mouse_y);
  g.Pointer.x = mouse_x;
  g.Pointer.y = mouse_y;
  Input_Start(g.InputController, mouse_x, mouse_y);
  g.LevelStatus = LEVEL_WAITING;
  g.Paused = false;
  g.ReplayFrames = 0;
  g.ReplaySeconds = 0.0f;
  Create_Effect_Textures(*game);
  if (script) g.Timer.Set_Fixed_Step(kScriptFrameTime);
  if (replay_level >= 0) {
    // Straight into the replay; the menu follows at its end, on its level.
    g.Level = replay_level;
    game->front.replay_file = replay_file;
    Start_Fade(*game, FADE_BY_PROGRAM_START, MODE_REPLAY, kFirstFadeSeconds, -1);
  } else {
    Start_Fade(*game, FADE_BY_PROGRAM_START, MODE_STARTUP, kFirstFadeSeconds, -1);
  }
  Run_Main_Loop(*game, script.get());

  Config_Save(g, g.ConfigPath);
  return script ? script->Report(*game) : 0;
}
