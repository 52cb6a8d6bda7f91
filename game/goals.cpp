#include "game/goals.h"

#include "game/game_state.h"

FieldCounts Count_Field(const GameState& g) {
  FieldCounts c;
  for (int i = 0; i < g.BrickCount; ++i) c.hollow_bricks += g.Bricks[static_cast<size_t>(i)].IsHollow == 1;
  for (int i = 0; i < g.DiscCount; ++i) {
    if (g.Discs[static_cast<size_t>(i)].IsRing == 1) {
      ++c.rings;
    } else {
      ++c.plain_discs;
    }
  }
  return c;
}

bool Level_Goals_Met(const GameState& g) {
  const LevelGoals& goals = g.Goals;
  const FieldCounts c = Count_Field(g);
  if (goals.GoalBricks != -1 && c.hollow_bricks != goals.GoalBricks) return false;
  if (goals.GoalDiscs != -1 && c.plain_discs != goals.GoalDiscs) return false;
  for (int f = 0; f < g.ForceFieldCount; ++f) {
    int passed = 0;
    for (int i = 0; i < g.DiscCount; ++i) passed += g.Discs[static_cast<size_t>(i)].FieldIndex == f;
    if (passed < goals.GoalForceField[static_cast<size_t>(f)]) return false;
  }
  if (goals.GoalPoints != -1 && g.Shooter.Score < goals.GoalPoints) return false;
  if (goals.GoalRings != -1 && c.rings != goals.GoalRings) return false;
  switch (goals.GoalTimeMode) {
    case 0:
      return true;
    case 1:
      return g.LevelTime <= goals.GoalTime;
    case -1:
      return g.LevelTime > goals.GoalTime;
    default:
      return false;
  }
}

bool Level_Can_Finish(const GameState& g) {
  const LevelGoals& goals = g.Goals;
  const FieldCounts c = Count_Field(g);
  if (goals.GoalBricks != -1 && c.hollow_bricks < goals.GoalBricks) return false;
  if (goals.GoalRings != -1 && c.rings < goals.GoalRings) return false;

  auto has = [&g](const Color& color, int ring) {
    for (int i = 0; i < g.DiscCount; ++i) {
      const Disc& d = g.Discs[static_cast<size_t>(i)];
      if (d.IsRing == ring && d.Disc_Color() == color) return true;
    }
    return false;
  };
  if (goals.CheckDiscMatchRing == 1 && g.DiscCount > 0) {
    for (const Color& color : {colors::kBlue, colors::kPurple, colors::kRed, colors::kYellow}) {
      if (has(color, 1) && !has(color, 0)) return false;
    }
  }
  if (goals.CheckDiscMatchForceField == 1) {
    for (const Color& color : {colors::kBlue, colors::kRed, colors::kYellow}) {
      int discs = 0, fields = 0;
      for (int i = 0; i < g.DiscCount; ++i) {
        const Disc& d = g.Discs[static_cast<size_t>(i)];
        discs += d.IsRing != 1 && d.Disc_Color() == color;
      }
      for (int f = 0; f < g.ForceFieldCount; ++f) {
        fields += goals.GoalForceField[static_cast<size_t>(f)] > 0 &&
                  g.ForceFields[static_cast<size_t>(f)].Field_Color() == color;
      }
      if (discs < fields) return false;
    }
  }
  if (goals.GoalPoints == 0 && g.Shooter.Score < 0) return false;
  if (goals.GoalTimeMode == 1 && g.LevelTime > goals.GoalTime) return false;
  return true;
}

void Complete_Level(GameState& g) {
  g.LevelStatus = LEVEL_COMPLETE;
  // The score table is read from disk, so the ranking happens outside the
  // step, where the game drains what the frame reported.
  if (g.Events != nullptr) g.Events->Level_Completed(g.LevelTime);
}
