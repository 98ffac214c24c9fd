// What each client reports seeing, merged per team: every player is told the union of the enemy indices
// its team mates see. The server makes no line-of-sight test of its own.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "server/PlayerRecord.h"

class VisibilityLists {
public:
    void Clear() { m_lists.clear(); }
    // Replaces the reporter's list. Only indices of current players are kept: anything else names nobody,
    // and a list of all 256 byte values would not fit the one-byte count of the merged list.
    void Set(const RakNet::RakNetGUID& reporter, const std::vector<std::uint8_t>& indices,
             const std::vector<PlayerRecord>& players);
    void Remove(const RakNet::RakNetGUID& reporter) { m_lists.erase(reporter); }
    // How many reporters have a list.
    std::size_t Size() const { return m_lists.size(); }

    // Per team, the indices its players report, in the order first reported (reporters taken in GUID
    // order), without repeats. Reporters that are not players, and indices of players who have left since,
    // are skipped.
    std::map<std::int32_t, std::vector<std::uint8_t>> MergeByTeam(
        const std::vector<PlayerRecord>& players) const;

private:
    std::map<RakNet::RakNetGUID, std::vector<std::int32_t>> m_lists;
};
