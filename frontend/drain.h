// Drain_Events: the one place where what a frame of play reported is acted
// on, once, after the step: sounds (when Sound is on), the flash pictures,
// the replay events and the ranking of a completed level's time.
#pragma once

class Game;

void Drain_Events(Game& game);
