// The menu's widgets: buttons whose highlight bar grows while the pointer
// rests on them, and the hit tests for buttons and list rows. Positions are
// overlay units; the tests project them into the window the way the overlay
// is drawn, so they hold for a window of any size and aspect.
#pragma once

#include "engine/view_transform.h"

struct InputController;

struct MenuButton {
  float X = 0.0f, Y = 0.0f;    // lower-left corner of the hit rectangle
  float X2 = 0.0f, Y2 = 0.0f;  // upper-right corner of the highlight bar
  float Width = 0.0f, Height = 0.0f;
  float Highlight = 0.0f;      // 0..1
};

inline constexpr float kHighlightRate = 3.0f;  // highlight per second: full in 1/3 s

// A button whose picture sits at the anchor; its hit rectangle starts a
// little to the left of the picture.
MenuButton Make_Button(float anchor_x, float anchor_y, float width, float height);

// The pointer against the overlay of the window it is in.
struct OverlayPointer {
  ViewTransform view;
  int width = 1, height = 1;  // window, pixels
  int x = 0, y = 0;           // pointer, client pixels, y downwards
};
OverlayPointer Make_Overlay_Pointer(int width, int height, const InputController& in);

// Is the pointer within the overlay rectangle (edges included)?
bool Rect_Hover(const OverlayPointer& p, float x1, float y1, float x2, float y2);
bool Button_Hover(const OverlayPointer& p, const MenuButton& b);
// Row n (1-based) of a list whose top edge is at y, rows `pitch` high.
bool Row_Hover(const OverlayPointer& p, float x, float y, int n, float pitch, float width);
void Button_Update(MenuButton& b, bool hover, float dt);
