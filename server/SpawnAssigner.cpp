#include "server/SpawnAssigner.h"

#include <cstdlib>

SpawnAssigner::SpawnAssigner() : m_random([] { return std::rand(); }) {}

void SpawnAssigner::SetSpawnPoints(std::vector<LevelSpawnPoint> spawnPoints) {
    m_spawnPoints = std::move(spawnPoints);
    m_assignments.clear();
}

bool SpawnAssigner::IsTakenByOther(std::size_t index, const RakNet::RakNetGUID& guid) const {
    for (const auto& [holder, held] : m_assignments) {
        if (held == index && holder != guid) {
            return true;
        }
    }
    return false;
}

std::optional<Float3> SpawnAssigner::Choose(const RakNet::RakNetGUID& guid, std::int32_t team) {
    for (std::size_t i = 0; i < m_spawnPoints.size(); ++i) {
        if (m_spawnPoints[i].team == team && !IsTakenByOther(i, guid)) {
            m_assignments[guid] = i;
            return m_spawnPoints[i].position;
        }
    }
    if (m_spawnPoints.empty()) {
        return std::nullopt;
    }
    const auto drawn = static_cast<unsigned int>(m_random());
    return m_spawnPoints[drawn % m_spawnPoints.size()].position;
}
