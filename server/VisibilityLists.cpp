#include "server/VisibilityLists.h"

#include <algorithm>

namespace {

bool IsPlayerIndex(const std::vector<PlayerRecord>& players, std::int32_t index) {
    return std::any_of(players.begin(), players.end(),
                       [index](const PlayerRecord& player) { return player.playerIndex == index; });
}

std::int32_t TeamOf(const std::vector<PlayerRecord>& players, const RakNet::RakNetGUID& guid) {
    for (const PlayerRecord& player : players) {
        if (player.guid == guid) {
            return player.team;
        }
    }
    return kNoTeam;
}

}  // namespace

void VisibilityLists::Set(const RakNet::RakNetGUID& reporter, const std::vector<std::uint8_t>& indices,
                          const std::vector<PlayerRecord>& players) {
    std::vector<std::int32_t> kept;
    for (const std::uint8_t index : indices) {
        if (IsPlayerIndex(players, index)) {
            kept.push_back(index);
        }
    }
    m_lists[reporter] = std::move(kept);
}

std::map<std::int32_t, std::vector<std::uint8_t>> VisibilityLists::MergeByTeam(
    const std::vector<PlayerRecord>& players) const {
    std::map<std::int32_t, std::vector<std::uint8_t>> merged;
    for (const auto& [reporter, indices] : m_lists) {
        const std::int32_t team = TeamOf(players, reporter);
        if (team == kNoTeam) {
            continue;
        }
        std::vector<std::uint8_t>& list = merged[team];
        for (const std::int32_t index : indices) {
            const auto value = static_cast<std::uint8_t>(index);
            if (IsPlayerIndex(players, index) && std::find(list.begin(), list.end(), value) == list.end()) {
                list.push_back(value);
            }
        }
    }
    return merged;
}
