#include "frontend/widgets.h"

#include <algorithm>

#include "game/input_controller.h"

namespace {
constexpr float kHitLeftOfPicture = 0.9f;  // overlay units
}  // namespace

MenuButton Make_Button(float anchor_x, float anchor_y, float width, float height) {
  MenuButton b;
  b.X = anchor_x - kHitLeftOfPicture;
  b.Y = anchor_y;
  b.Width = width;
  b.Height = height;
  b.X2 = b.X;
  b.Y2 = b.Y + height;
  return b;
}

OverlayPointer Make_Overlay_Pointer(int width, int height, const InputController& in) {
  OverlayPointer p;
  p.width = width > 0 ? width : 1;
  p.height = height > 0 ? height : 1;
  p.view = Overlay_View(p.width, p.height);
  p.x = in.x;
  p.y = in.y;
  return p;
}

bool Rect_Hover(const OverlayPointer& p, float x1, float y1, float x2, float y2) {
  double ax = 0, ay = 0, bx = 0, by = 0;
  if (!Project(p.view, x1, y1, 0.0, ax, ay) || !Project(p.view, x2, y2, 0.0, bx, by)) return false;
  const double w = p.width, h = p.height;
  const double left = ax / w, right = bx / w;
  const double bottom = 1.0 - ay / h, top = 1.0 - by / h;  // top-down, as the pointer
  const double fx = p.x / w, fy = p.y / h;
  return fx >= left && fx <= right && fy >= top && fy <= bottom;
}

bool Button_Hover(const OverlayPointer& p, const MenuButton& b) {
  return Rect_Hover(p, b.X, b.Y, b.X + b.Width, b.Y + b.Height);
}

bool Row_Hover(const OverlayPointer& p, float x, float y, int n, float pitch, float width) {
  return Rect_Hover(p, x, y - static_cast<float>(n) * pitch, x + width, y - static_cast<float>(n - 1) * pitch);
}

void Button_Update(MenuButton& b, bool hover, float dt) {
  b.Highlight += (hover ? kHighlightRate : -kHighlightRate) * dt;
  b.Highlight = std::clamp(b.Highlight, 0.0f, 1.0f);
  b.X2 = b.Width * b.Highlight + b.X;
  b.Y2 = b.Height + b.Y;
}
