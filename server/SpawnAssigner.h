// Seats players on the level's spawn points: the first free point of their team in level order, otherwise
// any point of the level at random. Assignments last one round.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "shared/LevelRecords.h"

class SpawnAssigner {
public:
    // Returns a non-negative number; the fallback takes it modulo the number of spawn points.
    using RandomSource = std::function<int()>;

    SpawnAssigner();

    void SetSpawnPoints(std::vector<LevelSpawnPoint> spawnPoints);
    void SetRandomSource(RandomSource random) { m_random = std::move(random); }

    // The spawn point for a player of team. A free point of the team is assigned to guid; when the team has
    // none free, a random point of either team is returned and not recorded. Nothing on a level without
    // spawn points.
    std::optional<Float3> Choose(const RakNet::RakNetGUID& guid, std::int32_t team);
    void Release(const RakNet::RakNetGUID& guid) { m_assignments.erase(guid); }
    // Every point becomes free again (round start).
    void Clear() { m_assignments.clear(); }

    bool HasSpawnPoints() const { return !m_spawnPoints.empty(); }
    const std::map<RakNet::RakNetGUID, std::size_t>& GetAssignments() const { return m_assignments; }

private:
    bool IsTakenByOther(std::size_t index, const RakNet::RakNetGUID& guid) const;

    std::vector<LevelSpawnPoint> m_spawnPoints;
    std::map<RakNet::RakNetGUID, std::size_t> m_assignments;
    RandomSource m_random;
};
