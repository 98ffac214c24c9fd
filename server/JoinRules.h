// The rules a joining player is seated by: its team, its player index, its character and its name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "server/PlayerRecord.h"

// A team asking for red is sent to blue once this many reds play; blue has no such limit.
inline constexpr int kMaxRequestedReds = 4;

// Request 0 balances the teams (blue only while it has fewer players than red, so red on a tie); 1 asks for
// red and any other value for blue.
std::int32_t ChooseTeam(const std::vector<PlayerRecord>& players, std::int32_t teamRequest);

// The lowest non-negative index that no current player holds.
std::int32_t LowestFreePlayerIndex(const std::vector<PlayerRecord>& players);

// A character number names one of the three body models; anything else is taken as the first, so that it
// never selects a model that does not exist.
std::int32_t ValidCharacter(std::int32_t character);

// Names are shown in a few characters (the client's name box takes 15), but every roster and lobby broadcast
// repeats them to every connection: the server keeps at most this many bytes of a name.
inline constexpr std::size_t kMaxPlayerNameBytes = 32;

// The name as the server keeps it: at most kMaxPlayerNameBytes, cut before a UTF-8 character that would
// not fit whole.
std::string PlayerName(std::string_view name);
