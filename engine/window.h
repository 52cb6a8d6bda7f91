// CKorvidWindow: the game's one window with its OpenGL context, the key
// array, the texture table, the two bitmap fonts and the overlay projection.
//
// Built on SDL2. The event pump only fills plain state: keys[] by Windows
// virtual-key code (1 while held), the pointer and its buttons, app_active,
// minimized, quit_requested, and the viewport on a resize. What a key or a
// click means is the game's business.
//
// Overlay coordinates (GL_Begin_2D) run 0..100 left to right and bottom to
// top, whatever the window size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/input_controller.h"
#include "game/texture_table.h"
#include "level/font_list.h"

struct SDL_Window;
using SDL_GLContext = void*;

struct TextureEntry {
  std::string name;
  unsigned int gl_name = 0;
};

class CKorvidWindow : public TextureTable {
 public:
  // near/far: clipping distances of the scene projection, in units. A log
  // path opens the RTF log and makes it the program's log stream.
  CKorvidWindow(float near_plane, float far_plane, const char* log_path, const char* first_line);
  ~CKorvidWindow() override;
  CKorvidWindow(const CKorvidWindow&) = delete;
  CKorvidWindow& operator=(const CKorvidWindow&) = delete;

  bool GL_Create_Window(const std::string& title, int width, int height, int bits, bool fullscreen,
                        bool resizable, bool centred, bool show_cursor);
  void GL_Cleanup();
  void Process_Messages();
  void Swap();

  void GL_Resize(int width, int height);
  // Fullscreen at the desktop's resolution, or back to the window; the
  // size change arrives as an event and resizes the GL viewport.
  void Set_Fullscreen(bool on);
  void GL_Set_Perspective(float fov_degrees, float aspect);
  void GL_Begin_2D(int texture);
  void GL_End_2D();
  // A quad in the current projection; texture -1 untextured. Corners and
  // texture coordinates are 4 x (x, y, z) and 4 x (u, v).
  void GL_Draw_Quad(int texture, float r, float g, float b, float transparency, const float corners[12],
                    const float uv[8]);
  // Convenience: an axis-aligned overlay rectangle with full texture.
  void Draw_Rect(int texture, float x1, float y1, float x2, float y2, float r, float g, float b,
                 float transparency, float depth = 0.0f);
  void Get_Mouse_Position(int& x, int& y) const;

  // Texture table. Index -1: reuse an entry of that name, else append.
  int Texture_Load(const std::string& path, int index);
  int Texture_Load(const std::string& name) override { return Texture_Load(name, -1); }
  unsigned int Texture_Get_Data(int index) const;
  void Texture_Remove(int index);
  int Texture_Count() const { return static_cast<int>(textures_.size()); }
  void Bind_Texture(int index);  // binds through the table and makes it current

  bool Font_List_Load(const std::string& path);
  void Draw_Text(float x, float y, float size, float r, float g, float b, int centre, int right,
                 const char* format, ...) __attribute__((format(printf, 10, 11)));
  void Draw_Text_Fixed(float x, float y, float size, float r, float g, float b, int centre,
                       const char* format, ...) __attribute__((format(printf, 9, 10)));
  // Overlay width of a text drawn with Draw_Text at this size.
  float Text_Width(const std::string& text, float size) const;

  // Key state by virtual-key code; the game points it at its own array so
  // that the simulation reads what the window writes.
  unsigned char own_keys[256] = {};
  unsigned char* keys = own_keys;
  // The pointer and its buttons, written by Process_Messages.
  PointerState own_pointer;
  PointerState* pointer = &own_pointer;
  bool app_active = true;
  bool minimized = false;
  // The desktop asked the program to end (the title bar's close, a quit
  // from the desktop, SIGTERM): the game answers with its quit fade.
  bool close_requested = false;
  bool quit_requested = false;  // the loop ends
  float far_plane;
  float near_plane;
  int height = 480;  // client size used for the scene projection
  int width = 640;
  bool fullscreen = true;
  int current_texture = -1;
  // The folder that holds data/ (textures.pak); the working directory by default.
  std::string program_folder = ".";

 private:
  bool Decode_And_Upload(const std::string& bytes, const std::string& path, int index);

  // Keys pressed and released within one batch of events: the release is
  // held back to the next frame so that a quick tap is still seen once.
  std::vector<int> pending_releases_;
  bool pending_button_release_[3] = {false, false, false};
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  // The game controllers plugged in, and the key each one's stick holds.
  std::vector<void*> controllers_;
  int stick_key_x_ = 0, stick_key_y_ = 0;
  // Drawable pixels per window point (above 1 on a HiDPI screen): the
  // pointer is given in pixels, as the viewport is.
  float pixels_per_point_x_ = 1.0f, pixels_per_point_y_ = 1.0f;
  void Update_Drawable_Size();
  bool sdl_started_ = false;
  std::vector<TextureEntry> textures_;
  GlyphTable glyphs_{};
};
