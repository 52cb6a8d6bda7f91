// The two projections the game draws with, as plain numbers: the overlay
// (x and y 0..100 whatever the window size) and the play-field camera. The
// menu's hit tests and the placing of hit flashes need to know where a
// point lands in the window; computing that here, the same way OpenGL does,
// means no drawing call has to save matrices for later and the tests need
// no window.
#pragma once

struct Camera;

inline constexpr float kFieldOfView = 45.0f;   // degrees, vertical
inline constexpr float kNearPlane = 50.0f;     // units
inline constexpr float kFarPlane = 125.0f;     // units
inline constexpr float kOverlayDepth = -120.0f;  // units in front of the eye

struct ViewTransform {
  double modelview[16] = {};   // column-major, as OpenGL keeps them
  double projection[16] = {};
  int viewport[4] = {};        // x, y, width, height in window pixels
};

// The overlay projection of a window of this size (viewport the whole window).
ViewTransform Overlay_View(int width, int height);
// The play-field camera's projection (camera transform, window aspect).
ViewTransform Scene_View(const Camera& camera, int width, int height);

// Window coordinates of a point (x right, y up from the bottom edge), as
// gluProject gives them; false when the point lies behind the eye.
bool Project(const ViewTransform& v, double x, double y, double z, double& wx, double& wy);

// Where the pointer (client pixels, y downwards) must be to rest on the
// overlay point (x, y).
void Overlay_To_Pointer(int width, int height, float x, float y, int& px, int& py);
