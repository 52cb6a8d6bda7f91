#include "game/shooter.h"

#include <algorithm>
#include <cmath>

#include "game/game_state.h"
#include "level/field_geometry.h"

int Dealt_Palette_Count(const GameState& g) { return std::clamp(g.PaletteCount, 1, kPaletteSize); }

void Next_Color(GameState& g) {
  ShooterState& s = g.Shooter;
  s.ShownColor = s.NextColor;
  s.PreviousColor = s.NextColor;
  const int count = Dealt_Palette_Count(g);
  if ((s.CycleColors & 0xFF) == 1) {
    if (s.ColorIndex < 0 || s.ColorIndex >= count) s.ColorIndex = 0;
    s.NextColor = g.Palette[static_cast<size_t>(s.ColorIndex)];
    s.ColorIndex += 1;
    if (s.ColorIndex >= count) s.ColorIndex = 0;
  } else {
    const int n = g.Random.Next();
    const int r = static_cast<int>(static_cast<float>(n) / 32768.0f * static_cast<float>(count));
    s.NextColor = g.Palette[static_cast<size_t>(std::clamp(r, 0, count - 1))];
  }
  ReplayEvent e;
  e.type = EVENT_SHOOTER_COLOR;
  e.color = s.NextColor;
  Emit_Event(g, e);
}

void Fire(GameState& g) {
  ShooterState& s = g.Shooter;
  if (!(s.ShotClock > kReloadTime) || g.DiscCount >= kMaxDiscs) return;
  s.ShotClock = 0.0f;
  s.Score += g.PointsRingNew;
  const float a = std::trunc(s.Angle);
  const float rad = a * 3.14159265358979f / 180.0f;
  const Vec3 start(field::kMuzzleDistance * std::cos(rad) + field::kShooterPivotX,
                   field::kMuzzleDistance * std::sin(rad) + field::kShooterPivotY, 0.0f);
  const Vec3 velocity(field::kShotSpeed * std::cos(rad), field::kShotSpeed * std::sin(rad), 0.0f);
  Add_Disc(g, start, velocity, s.NextColor, -1, 0);
  Next_Color(g);
}
