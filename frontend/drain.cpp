#include "frontend/drain.h"

#include "frontend/game.h"
#include "frontend/scene.h"

void Drain_Events(Game& game) {
  GameState& g = game.g;
  for (const QueuedEvent& e : game.events.Pending()) {
    switch (e.kind) {
      case QueuedEvent::SOUND:
        if (g.Sound == 1) game.audio.Play(e.value);
        break;
      case QueuedEvent::EFFECT:
        Capture_Effect(game, e.value, e.x, e.y);
        break;
      case QueuedEvent::LEVEL_COMPLETED:
        Rank_Completed_Time(g.Scores, g.ScoresFolder, g.Level, e.seconds);
        break;
      case QueuedEvent::REPLAY:
        game.replays.Record(e.replay);
        break;
    }
  }
  game.events.Clear();
}
