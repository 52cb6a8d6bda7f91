#include "service/player_medal.h"

#include "frontend/medals.h"
#include "service/protocol_words.h"

std::string Player_Medal(const PlayerStanding& p) {
  const bool all = p.levels >= kLastScoreLevel - kFirstScoreLevel + 1;
  switch (Medal_Summary(static_cast<float>(p.total), all).status) {
    case MedalStatus::Gold: return "Gold";
    case MedalStatus::Silver: return "Silver";
    case MedalStatus::Bronze: break;
  }
  return "Bronze";
}
