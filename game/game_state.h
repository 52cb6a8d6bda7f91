// GameState: the one record that holds a whole game.
//
// Every function of the core takes the state it works on as a parameter, so
// a test or a solver can hold two games side by side. The game itself keeps
// exactly one, in main.cpp. Arrays have fixed capacities with separate
// counts; nothing here is allocated per level beyond the meshes copied into
// the fixed arrays.
//
// The platform layer writes only plain state here: the key array (indexed by
// Windows virtual-key codes, 1 while held) and the pointer. Everything the
// simulation wants the outside world to do leaves through `Events`.
#pragma once

#include <array>
#include <string>

#include "game/camera.h"
#include "game/colors.h"
#include "game/events.h"
#include "game/frame_timer.h"
#include "game/input_controller.h"
#include "game/model.h"
#include "game/objects.h"
#include "game/random.h"
#include "game/settings.h"
#include "game/vec3.h"
#include "scores/score_table.h"

class TextureTable;

enum ScreenMode {
  MODE_QUIT = 0,
  MODE_STARTUP = 1,
  MODE_MENU = 2,
  MODE_GAME = 3,
  MODE_REPLAY = 4,
};

enum LevelState {
  LEVEL_WAITING = 0,   // loaded, held until the player presses space
  LEVEL_PLAYING = 1,
  LEVEL_COMPLETE = 2,  // goals met; discs keep moving, goal checks stop
};

// Windows virtual-key codes used by the core.
enum VirtualKey {
  VK_BACK = 8,
  VK_RETURN = 13,
  VK_SHIFT = 16,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_F1 = 112,
  VK_F2 = 113,
  VK_F5 = 116,
  VK_F11 = 122,
  VK_F12 = 123,
  VK_P = 'P',
};

inline constexpr int kKeyCount = 256;
inline constexpr int kPaletteSize = 10;
inline constexpr int kHitEffectCount = 5;
inline constexpr int kGoalTextLines = 2;

struct ShooterState {
  int CycleColors = 0;  // 1: palette dealt in turn; else at random (low byte compared)
  Color ShownColor;     // drawn this frame
  Color NextColor;      // the next disc's colour
  Color PreviousColor;  // what ShownColor glides from
  float Angle = 90.0f;  // degrees, 90 straight up, kept within 20..160
  float ReplayClock = 0.0f;  // seconds since the last angle sample
  float ShotClock = 1.0f;    // seconds since the last shot; a shot needs > 1
  int ColorIndex = 0;        // palette index dealt next when dealing in turn
  int Score = 0;             // points of the current level
};

struct LevelGoals {
  std::string GoalText[kGoalTextLines];
  float GoalTime = 0.0f;  // seconds; kept from the previous level unless set
  int GoalBricks = -1;    // exact hollow bricks left; -1 no rule
  int GoalDiscs = -1;     // exact plain discs left; -1 no rule
  int CheckDiscMatchForceField = 0;
  int CheckDiscMatchRing = 0;
  int GoalTimeMode = 0;   // 0 none, 1 finish within GoalTime, -1 hold out longer
  std::array<int, kMaxForceFields> GoalForceField{};  // discs that must have passed, -1 none
  int GoalPoints = 0;     // minimum score; -1 no rule
  int GoalRings = -1;     // exact rings left; -1 no rule

  LevelGoals() { GoalForceField.fill(-1); }
};

struct HitEffect {
  bool active = false;
  float rate = 0.0f;  // life lost per second
  float life = 1.0f;  // 1 -> 0
  float x = 0.0f;     // play-field position of the flash centre
  float y = 0.0f;
};

// The settings (CameraView, Level, Sound ...) are members through Settings.
struct GameState : Settings {
  // Platform input, filled by the window once a frame.
  std::array<unsigned char, kKeyCount> Keys{};
  PointerState Pointer;

  FrameTimer Timer;
  RandomGenerator Random;
  ::Camera Camera;  // the play-field view and its glide
  ::InputController InputController;  // the pointer, for the menus
  GameEvents* Events = nullptr;      // null: nobody listens
  TextureTable* Textures = nullptr;  // null: model textures get slot -1

  // Paths and names built at start-up. ProgramFolder holds data/.
  std::string ProgramFolder = ".";
  // Level files a player tries without touching the installation
  // (level_NNN.dat); empty: none are looked for.
  std::string UserLevelsFolder;
  std::string UserFolder;
  std::string UserDataFolder;
  std::string ScoresFolder;
  std::string ConfigPath;
  std::string ReplayPath1;
  std::string ReplayPath2;
  std::string OsName;

  // Play state.
  ScreenMode Mode = MODE_QUIT;
  LevelState LevelStatus = LEVEL_WAITING;
  bool Paused = false;
  bool TutorialActive = false;
  float LevelTime = 0.0f;     // seconds played in the loaded level
  float InputClock = 0.0f;    // seconds since the last debounced in-game key
  int ReplayFrames = 0;
  float ReplaySeconds = 0.0f;

  // Play-field.
  ShooterState Shooter;
  std::array<Color, kPaletteSize> Palette{};
  int PaletteCount = 0;
  std::array<Disc, kMaxDiscs> Discs;
  int DiscCount = 0;
  std::array<Brick, kMaxBricks> Bricks;
  int BrickCount = 0;
  std::array<Wall, kMaxWalls> Walls;
  int WallCount = 0;
  std::array<ForceField, kMaxForceFields> ForceFields;
  int ForceFieldCount = 0;
  MixRules MixTable{};
  LevelGoals Goals;
  int PointsBrickRemove = 0;
  int PointsRingNew = 0;
  int PointsRingDifferentColor = 0;
  int PointsRingSameColor = 0;
  int PointsRingSpecial = 0;

  CKorvidModel CollisionModel;
  CKorvidModel ShooterBase;
  CKorvidModel ShooterGun;
  CKorvidModel GroundModel;
  CKorvidModel DiscTemplate;
  CKorvidModel RingTemplate;
  CKorvidModel BrickTemplate;
  CKorvidModel HollowBrickTemplate;

  std::array<HitEffect, kHitEffectCount> HitEffects{};

  // The score table of the level last loaded, and every level's best time.
  ScoreTable Scores;
};

// Hand-offs to the outside world; they do nothing when nobody listens.
void Emit_Event(GameState& g, const ReplayEvent& e);
void Emit_Sound(GameState& g, int channel);
void Emit_Disc_State(GameState& g, int disc);
