#include "frontend/fader.h"

void Fade_Start(ScreenFade& f, int kind, int target, float duration, int param) {
  f.Phase = FADE_OUT;
  f.Kind = kind;
  f.Remaining = f.PhaseLength = duration * 0.5f;
  f.Target = target;
  f.Param = param;
}

FadeStep Fade_Advance(ScreenFade& f, float dt) {
  if (f.Phase == FADE_IDLE) return FadeStep::NONE;
  f.Remaining -= dt;
  if (f.Remaining > 0.0f) return FadeStep::NONE;
  if (f.Phase == FADE_OUT) {
    f.Remaining = f.PhaseLength;
    f.Phase = FADE_IN;
    return FadeStep::SWITCHED;
  }
  f.Phase = FADE_IDLE;
  return FadeStep::FINISHED;
}

float Fade_Transparency(const ScreenFade& f) {
  if (f.Phase == FADE_IDLE) return 1.0f;
  const float part = f.PhaseLength > 0.0f ? f.Remaining / f.PhaseLength : 0.0f;
  return f.Phase == FADE_OUT ? part : 1.0f - part;
}
