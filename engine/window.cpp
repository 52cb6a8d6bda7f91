#include "engine/window.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

#include "engine/gl.h"
#include "engine/key_map.h"
#include "engine/log.h"
#include "engine/message_box.h"
#include "engine/view_transform.h"

CKorvidWindow::CKorvidWindow(float near_p, float far_p, const char* log_path, const char* first_line)
    : far_plane(far_p), near_plane(near_p) {
  if (log_path != nullptr && *log_path != '\0') {
    g_log_stream = Log_Open(log_path, true);
    if (first_line != nullptr) Log_Write(g_log_stream, 0, "%s", first_line);
  }
}

CKorvidWindow::~CKorvidWindow() {
  if (context_ != nullptr) {
    while (!textures_.empty()) Texture_Remove(0);
  }
  GL_Cleanup();
  if (sdl_started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  Log_Close(g_log_stream);
}

bool CKorvidWindow::GL_Create_Window(const std::string& title, int w, int h, int bits, bool full,
                                     bool resizable, bool centred, bool show_cursor) {
  fullscreen = full;
  auto fail = [this](const char* what) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::GL_Create_Window() :: failed (%s [%s])", what, SDL_GetError());
    GL_Cleanup();
    Show_Message_Box("Error", what, BoxIcon::Warning, true);
    return false;
  };
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return fail("Could not create window");
  sdl_started_ = true;
  SDL_ShowCursor(show_cursor ? SDL_ENABLE : SDL_DISABLE);

  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, bits >= 24 ? 8 : 5);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, bits >= 24 ? 8 : 5);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, bits >= 24 ? 8 : 5);

  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI;
  if (resizable) flags |= SDL_WINDOW_RESIZABLE;
  if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  const int pos = centred ? SDL_WINDOWPOS_CENTERED : 0;
  window_ = SDL_CreateWindow(title.c_str(), pos, pos, w, h, flags);
  if (window_ == nullptr && fullscreen) {
    // The requested display mode is not to be had: fall back to a window.
    fullscreen = false;
    window_ = SDL_CreateWindow(title.c_str(), pos, pos, w, h, flags & ~SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  if (window_ == nullptr) return fail("Could not create window");
  context_ = SDL_GL_CreateContext(window_);
  if (context_ == nullptr) return fail("Could not create rendering context");
  if (SDL_GL_MakeCurrent(window_, context_) != 0) return fail("Could not activate rendering context");
  SDL_GL_SetSwapInterval(1);
  SDL_RaiseWindow(window_);
  // Game controllers come and go while the game runs; a missing subsystem
  // only means no controller.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::GL_Create_Window() :: no game controllers [%s]", SDL_GetError());
  }

  Update_Drawable_Size();
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearColor(0, 0, 0, 1);
  glClearDepth(1.0);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  Log_Write(g_log_stream, 0, fullscreen ? "CKorvidWindow::GL_Create_Window() :: fullscreen=[%ix%i]"
                                        : "CKorvidWindow::GL_Create_Window() :: window=[%ix%i]",
            w, h);
  return true;
}

void CKorvidWindow::GL_Cleanup() {
  if (sdl_started_) SDL_ShowCursor(SDL_ENABLE);
  for (void* c : controllers_) SDL_GameControllerClose(static_cast<SDL_GameController*>(c));
  controllers_.clear();
  const bool had_window = window_ != nullptr;
  if (context_ != nullptr) {
    SDL_GL_MakeCurrent(window_, nullptr);
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
  }
  if (window_ != nullptr) {
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
  if (had_window) Log_Write(g_log_stream, 0, "CKorvidWindow::GL_Cleanup()");
}

namespace {
int Button_Index(Uint8 sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return MOUSE_LEFT;
    case SDL_BUTTON_RIGHT: return MOUSE_RIGHT;
    case SDL_BUTTON_MIDDLE: return MOUSE_MIDDLE;
    default: return -1;
  }
}
}  // namespace

void CKorvidWindow::Process_Messages() {
  for (int vk : pending_releases_) keys[vk] = 0;
  pending_releases_.clear();
  for (int b = 0; b < 3; ++b) {
    if (pending_button_release_[b]) pointer->held[b] = false;
    pending_button_release_[b] = false;
  }
  std::vector<int> pressed;
  bool button_pressed[3] = {false, false, false};
  // A key (or a controller button standing for one) goes down or up; a key
  // released in the same batch it was pressed stays down until the next.
  auto key_event = [&](int vk, bool down) {
    if (down) {
      keys[vk] = 1;
      pressed.push_back(vk);
    } else if (std::find(pressed.begin(), pressed.end(), vk) != pressed.end()) {
      pending_releases_.push_back(vk);
    } else {
      keys[vk] = 0;
    }
  };
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        close_requested = true;
        break;
      case SDL_CONTROLLERDEVICEADDED:
        if (SDL_GameController* c = SDL_GameControllerOpen(e.cdevice.which)) {
          controllers_.push_back(c);
          Log_Write(g_log_stream, 0, "CKorvidWindow :: game controller [%s]", SDL_GameControllerName(c));
        }
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        for (size_t i = 0; i < controllers_.size(); ++i) {
          auto* c = static_cast<SDL_GameController*>(controllers_[i]);
          if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c)) != e.cdevice.which) continue;
          SDL_GameControllerClose(c);
          controllers_.erase(controllers_.begin() + static_cast<long>(i));
          break;
        }
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP: {
        // The controller writes the keys it stands for, like a keyboard.
        const int vk = Virtual_Key_From_Controller_Button(e.cbutton.button);
        if (vk != 0) key_event(vk, e.type == SDL_CONTROLLERBUTTONDOWN);
        break;
      }
      case SDL_CONTROLLERAXISMOTION: {
        int& held = e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? stick_key_x_ : stick_key_y_;
        if (e.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX && e.caxis.axis != SDL_CONTROLLER_AXIS_LEFTY) break;
        const int vk = Virtual_Key_From_Controller_Axis(e.caxis.axis, e.caxis.value);
        if (vk == held) break;
        if (held != 0) keys[held] = 0;
        if (vk != 0) key_event(vk, true);
        held = vk;
        break;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const int vk = Virtual_Key_From_Sdl(e.key.keysym.sym);
        if (vk > 0 && vk < 256) key_event(vk, e.type == SDL_KEYDOWN);
        break;
      }
      case SDL_MOUSEMOTION:
        pointer->x = static_cast<int>(static_cast<float>(e.motion.x) * pixels_per_point_x_);
        pointer->y = static_cast<int>(static_cast<float>(e.motion.y) * pixels_per_point_y_);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        // As with keys: a click pressed and released between two frames
        // still shows as held for one frame.
        const int b = Button_Index(e.button.button);
        if (b < 0) break;
        pointer->x = static_cast<int>(static_cast<float>(e.button.x) * pixels_per_point_x_);
        pointer->y = static_cast<int>(static_cast<float>(e.button.y) * pixels_per_point_y_);
        if (e.type == SDL_MOUSEBUTTONDOWN) {
          pointer->held[b] = true;
          button_pressed[b] = true;
        } else if (button_pressed[b]) {
          pending_button_release_[b] = true;
        } else {
          pointer->held[b] = false;
        }
        break;
      }
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_FOCUS_GAINED: app_active = true; break;
          case SDL_WINDOWEVENT_FOCUS_LOST: app_active = false; break;
          case SDL_WINDOWEVENT_MINIMIZED: minimized = true; break;
          case SDL_WINDOWEVENT_RESTORED: minimized = false; break;
          case SDL_WINDOWEVENT_SIZE_CHANGED: Update_Drawable_Size(); break;
          case SDL_WINDOWEVENT_CLOSE: close_requested = true; break;
          default: break;
        }
        break;
      default:
        break;
    }
  }
}

void CKorvidWindow::Update_Drawable_Size() {
  if (window_ == nullptr) return;
  int points_w = 0, points_h = 0, pixels_w = 0, pixels_h = 0;
  SDL_GetWindowSize(window_, &points_w, &points_h);
  SDL_GL_GetDrawableSize(window_, &pixels_w, &pixels_h);
  if (points_w > 0 && points_h > 0 && pixels_w > 0 && pixels_h > 0) {
    pixels_per_point_x_ = static_cast<float>(pixels_w) / static_cast<float>(points_w);
    pixels_per_point_y_ = static_cast<float>(pixels_h) / static_cast<float>(points_h);
    GL_Resize(pixels_w, pixels_h);
  }
}

void CKorvidWindow::Set_Fullscreen(bool on) {
  if (window_ == nullptr || on == fullscreen) return;
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::Set_Fullscreen() :: failed [%s]", SDL_GetError());
    return;
  }
  fullscreen = on;
  Update_Drawable_Size();
  Log_Write(g_log_stream, 0, "CKorvidWindow::Set_Fullscreen() :: %s [%ix%i]", on ? "fullscreen" : "window", width,
            height);
}

void CKorvidWindow::Swap() {
  if (window_ != nullptr) SDL_GL_SwapWindow(window_);
}

void CKorvidWindow::GL_Resize(int w, int h) {
  if (h == 0) h = 1;
  width = w;
  height = h;
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  GL_Set_Perspective(kFieldOfView, static_cast<float>(w) / static_cast<float>(h));
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void CKorvidWindow::GL_Set_Perspective(float fov, float aspect) {
  const double top = std::tan(fov * 3.1415927 / 360.0) * near_plane;
  const double right = top * aspect;
  glFrustum(-right, right, -top, top, near_plane, far_plane);
}

void CKorvidWindow::GL_Begin_2D(int texture) {
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  Bind_Texture(texture);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  GL_Set_Perspective(kFieldOfView, 1.0f);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(-50.0f, -50.0f, kOverlayDepth);
}

void CKorvidWindow::GL_End_2D() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  GL_Set_Perspective(kFieldOfView, static_cast<float>(width) / static_cast<float>(height));
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}

void CKorvidWindow::GL_Draw_Quad(int texture, float r, float g, float b, float transparency, const float c[12],
                                 const float uv[8]) {
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(r, g, b, 1.0f - transparency);
  if (texture == -1) {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) glVertex3f(c[3 * i], c[3 * i + 1], c[3 * i + 2]);
    glEnd();
    glEnable(GL_TEXTURE_2D);
  } else {
    if (texture != current_texture) Bind_Texture(texture);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
      glTexCoord2f(uv[2 * i], uv[2 * i + 1]);
      glVertex3f(c[3 * i], c[3 * i + 1], c[3 * i + 2]);
    }
    glEnd();
  }
  glDisable(GL_BLEND);
}

void CKorvidWindow::Draw_Rect(int texture, float x1, float y1, float x2, float y2, float r, float g, float b,
                              float transparency, float depth) {
  const float corners[12] = {x1, y1, depth, x2, y1, depth, x2, y2, depth, x1, y2, depth};
  const float uv[8] = {0, 0, 1, 0, 1, 1, 0, 1};
  GL_Draw_Quad(texture, r, g, b, transparency, corners, uv);
}

void CKorvidWindow::Get_Mouse_Position(int& x, int& y) const {
  x = y = 0;
  SDL_GetMouseState(&x, &y);
  x = static_cast<int>(static_cast<float>(x) * pixels_per_point_x_);
  y = static_cast<int>(static_cast<float>(y) * pixels_per_point_y_);
}

