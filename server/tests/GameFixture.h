// Drives the game state of a level with chosen frame times and a recording peer: levels written to a
// temporary folder, body models in the model library, helpers to join, move and kill players.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RecordingPeer.h"
#include "server/NormalState.h"
#include "shared/LevelRecords.h"

// A folder under the system's temporary directory, removed with its contents at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// A level file with these spawn points (in game coordinates), box lines and further entity lines.
std::string LevelText(const std::vector<LevelSpawnPoint>& spawnPoints,
                      const std::vector<std::string>& boxLines = {},
                      const std::vector<std::string>& entityLines = {});

// The body box of each character in the fixture models: centre (0, 1, 0), half-sizes that tell the
// characters apart.
CollisionBox FixtureBodyBox(int character);

class GameFixture : public ::testing::Test {
protected:
    // Red spawn points at (10, 0, 5) and (12, 0, 5), blue at (-10, 0, -5) and (-12, 0, -5), in level order
    // red, blue, red, blue.
    static const std::vector<LevelSpawnPoint> kSpawnPoints;

    void SetUp() override;
    void TearDown() override;

    // Writes a level file into the scratch folder and returns its path.
    std::string WriteLevel(const std::string& name, const std::vector<LevelSpawnPoint>& spawnPoints,
                           const std::vector<std::string>& boxLines = {},
                           const std::vector<std::string>& entityLines = {});
    // Starts the game on these levels (the standard level alone by default), first level first.
    void Start(std::vector<std::string> levels = {});

    // Joins a new player through the game state; GUIDs are 101, 102, ... in order of joining.
    RakNet::RakNetGUID Join(std::int32_t teamRequest, std::int32_t character = 0,
                            const std::string& name = "");
    PlayerRecord Player(const RakNet::RakNetGUID& guid) const;
    ServerPlayerManager& Players() const { return *state.GetPlayerManager(); }
    void Kill(const RakNet::RakNetGUID& guid);
    // Runs frames of step seconds until seconds have passed.
    void Advance(double seconds, double step = 0.01);
    // Runs frames until a send with the identifier appears (at most limit seconds); true when it did.
    bool AdvanceUntil(RakNet::MessageID id, double limit, double step = 0.01);

    ScratchFolder scratch;
    RecordingPeer peer;
    NormalState state;
    int joined = 0;
};
