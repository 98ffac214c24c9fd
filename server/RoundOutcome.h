// When a round is over and who won it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "server/PlayerRecord.h"

// Nothing while the round goes on. A round is over when the players belong to more than one team and fewer
// than two of those teams still have a living player; with one team (or nobody) it never ends. The winner
// is the team of the first living player in list order, or -1 when nobody is alive.
std::optional<std::int32_t> RoundWinner(const std::vector<PlayerRecord>& players);
