#include "server/JoinRules.h"

#include <algorithm>

namespace {

int CountTeam(const std::vector<PlayerRecord>& players, std::int32_t team) {
    return static_cast<int>(std::count_if(
        players.begin(), players.end(), [team](const PlayerRecord& player) { return player.team == team; }));
}

}  // namespace

std::int32_t ChooseTeam(const std::vector<PlayerRecord>& players, std::int32_t teamRequest) {
    const int reds = CountTeam(players, kRedTeam);
    if (teamRequest == 0) {
        return CountTeam(players, kBlueTeam) < reds ? kBlueTeam : kRedTeam;
    }
    if (reds >= kMaxRequestedReds) {
        return kBlueTeam;
    }
    return teamRequest == kRedTeam ? kRedTeam : kBlueTeam;
}

std::int32_t LowestFreePlayerIndex(const std::vector<PlayerRecord>& players) {
    std::int32_t index = 0;
    while (std::any_of(players.begin(), players.end(),
                       [index](const PlayerRecord& player) { return player.playerIndex == index; })) {
        ++index;
    }
    return index;
}

std::int32_t ValidCharacter(std::int32_t character) {
    return character >= 0 && character < kCharacterCount ? character : 0;
}

std::string PlayerName(std::string_view name) {
    if (name.size() <= kMaxPlayerNameBytes) {
        return std::string(name);
    }
    std::size_t end = kMaxPlayerNameBytes;
    // The byte after the cut continues a character (10xxxxxx): go back to that character's first byte.
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0u) == 0x80u) {
        --end;
    }
    return std::string(name.substr(0, end));
}
