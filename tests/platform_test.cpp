// Platform rules that need no display: the key map and the window size rule.
#include <gtest/gtest.h>

#include <SDL2/SDL_keycode.h>

#include "engine/key_map.h"
#include "frontend/startup.h"
#include "game/camera.h"
#include "game/input_controller.h"

TEST(KeyMap, SdlKeysBecomeVirtualKeyCodes) {
  const struct {
    SDL_Keycode sdl;
    int vk;
  } cases[] = {
      {SDLK_LEFT, 37},  {SDLK_RIGHT, 39},  {SDLK_UP, 38},      {SDLK_DOWN, 40},  {SDLK_SPACE, 32},
      {SDLK_RETURN, 13}, {SDLK_ESCAPE, 27}, {SDLK_BACKSPACE, 8}, {SDLK_F1, 112},  {SDLK_F2, 113},
      {SDLK_F5, 116},   {SDLK_a, 'A'},     {SDLK_z, 'Z'},      {SDLK_p, 'P'},    {SDLK_0, '0'},
      {SDLK_9, '9'},    {SDLK_LSHIFT, 16}, {SDLK_RSHIFT, 16},  {SDLK_KP_ENTER, 13}, {SDLK_CAPSLOCK, 20},
      {SDLK_AUDIOPLAY, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Virtual_Key_From_Sdl(c.sdl), c.vk) << c.sdl;
}

TEST(KeyMap, ControllerButtonsAndStickAreTheGamesKeys) {
  struct Button {
    int button, key;
  } buttons[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 37}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 39},
      {SDL_CONTROLLER_BUTTON_DPAD_UP, 38},   {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 40},
      {SDL_CONTROLLER_BUTTON_A, 32},         {SDL_CONTROLLER_BUTTON_B, 27},
      {SDL_CONTROLLER_BUTTON_START, 'P'},    {SDL_CONTROLLER_BUTTON_X, 0},
      {SDL_CONTROLLER_BUTTON_GUIDE, 0},
  };
  for (const Button& b : buttons) EXPECT_EQ(Virtual_Key_From_Controller_Button(b.button), b.key) << b.button;
  struct Axis {
    int axis, value, key;
  } axes[] = {
      {SDL_CONTROLLER_AXIS_LEFTX, 0, 0},
      {SDL_CONTROLLER_AXIS_LEFTX, kStickDeadZone - 1, 0},  // a resting stick drifts a little
      {SDL_CONTROLLER_AXIS_LEFTX, -kStickDeadZone + 1, 0},
      {SDL_CONTROLLER_AXIS_LEFTX, kStickDeadZone, 39},
      {SDL_CONTROLLER_AXIS_LEFTX, -32768, 37},
      {SDL_CONTROLLER_AXIS_LEFTY, -32768, 38},
      {SDL_CONTROLLER_AXIS_LEFTY, 32767, 40},
      {SDL_CONTROLLER_AXIS_RIGHTX, 32767, 0},
  };
  for (const Axis& a : axes) EXPECT_EQ(Virtual_Key_From_Controller_Axis(a.axis, a.value), a.key) << a.axis << " " << a.value;
}

TEST(WindowSize, NinetyPercentOfTheDisplayAndTheWideCap) {
  const struct {
    int display, width, height;
  } cases[] = {
      {1080, 1035, 971}, {1024, 982, 921}, {1440, 1280, 1200}, {1350, 1280, 1200}, {1333, 1278, 1199},
  };
  for (const auto& c : cases) {
    int w = 0, h = 0;
    Window_Size_For_Display(c.display, w, h);
    EXPECT_EQ(w, c.width) << c.display;
    EXPECT_EQ(h, c.height) << c.display;
  }
}

TEST(CameraGlide, ShorterArcAndSpeeds) {
  Camera c;
  Camera_Snap(c, 1);
  Camera_Set_Target(c, 0);
  for (int i = 0; i < 100; ++i) Camera_Update(c, 0.01f);  // one second
  EXPECT_NEAR(c.rotation.x, 340.0f, 0.01f) << "upwards at 20 degrees per second";
  EXPECT_FLOAT_EQ(c.translation.y, -1.0f) << "y arrives after about 0.76 s";
  EXPECT_NEAR(c.translation.z, -101.5f, 0.01f);
  for (int i = 0; i < 100; ++i) Camera_Update(c, 0.01f);
  EXPECT_FLOAT_EQ(c.rotation.x, 359.0f);
  EXPECT_FLOAT_EQ(c.translation.z, -115.0f);

  c.rotation.x = 1.0f;  // 359 is two degrees away across 0
  Camera_Update(c, 0.05f);
  EXPECT_NEAR(c.rotation.x, 0.0f, 1e-3f) << "downwards across 0, not up through 180";
}

TEST(Pointer, ClickSignals) {
  InputController in;
  Input_Start(in, 10, 20);
  const bool down[3] = {true, false, false}, up[3] = {false, false, false};
  for (int i = 0; i < 3; ++i) Update_Input(in, 0.1f, 12, 20, down);
  EXPECT_NEAR(in.signal[MOUSE_LEFT], 0.3f, 1e-5f);
  Update_Input(in, 0.1f, 12, 20, up);
  EXPECT_NEAR(in.signal[MOUSE_LEFT], -0.3f, 1e-5f) << "a click";
  Update_Input(in, 0.1f, 12, 20, up);
  EXPECT_NEAR(in.signal[MOUSE_LEFT], -0.3f, 1e-5f) << "stays until reset or a new press";
  Update_Input(in, 0.1f, 12, 20, down);
  EXPECT_NEAR(in.signal[MOUSE_LEFT], 0.1f, 1e-5f);
  EXPECT_EQ(in.signal[MOUSE_RIGHT], 0.0f);
}

TEST(CameraGlide, ApproachStopsAtItsTarget) {
  const struct {
    float value, target, step, after;
    bool moved;
  } cases[] = {{5, 1, 3, 2, true}, {2, 1, 3, 1, true}, {-4, 0, 1.5f, -2.5f, true}, {-1, 0, 3, 0, true}, {7, 7, 1, 7, false}};
  for (const auto& c : cases) {
    float v = c.value;
    EXPECT_EQ(Approach(v, c.target, c.step), c.moved);
    EXPECT_FLOAT_EQ(v, c.after);
  }
}
