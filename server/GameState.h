// The game on one level: the level being played and, as they are built, the managers that live on it.
// NormalState adds the match rules. A level change re-initialises the state in place.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "shared/LevelData.h"

namespace RakNet {
class RakPeerInterface;
}

class GameState {
public:
    virtual ~GameState() = default;

    // Re-initialises for another level with the stored peer and level list; false before Initialize.
    virtual bool Reset(int levelIndex);
    virtual bool Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                            int levelIndex);
    virtual void Shutdown();
    virtual void Update(double frameTime);

    // A connection arrived (before it is counted and told the level).
    virtual void OnNewConnection(RakNet::RakNetGUID guid);
    // A connection left or was lost: its player and lobby entry go.
    virtual void RemovePlayer(RakNet::RakNetGUID guid);

    // The path of the level being played: its level list entry.
    const std::string& GetCurrentLevelPath() const {
        return m_levelList[static_cast<std::size_t>(m_levelIndex)];
    }
    int GetLevelIndex() const { return m_levelIndex; }
    const LevelData* GetLevel() const { return m_level.get(); }
    bool IsRoundCountdownActive() const { return m_roundCountdownActive; }

protected:
    RakNet::RakPeerInterface* m_peer = nullptr;
    std::vector<std::string> m_levelList;
    int m_levelIndex = 0;
    std::unique_ptr<LevelData> m_level;
    bool m_roundCountdownActive = false;
    float m_lastFrameTime = 0.0f;
};
