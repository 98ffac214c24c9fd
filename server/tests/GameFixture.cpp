#include "GameFixture.h"

#include <stdlib.h>

#include <fstream>
#include <system_error>

#include "server/ServerPlayerManager.h"
#include "shared/ModelFileData.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "ombrin_server_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder";
    }
    m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string LevelText(const std::vector<LevelSpawnPoint>& spawnPoints,
                      const std::vector<std::string>& boxLines, const std::vector<std::string>& entityLines) {
    // Line 1 field 3 holds the entity count plus one, line 2 field 4 the box count.
    std::string text =
        "Level\n# entity lines: " + std::to_string(spawnPoints.size() + entityLines.size() + 1) +
        "\n# box line count: " + std::to_string(boxLines.size()) + "\n";
    for (const std::string& line : boxLines) {
        text += line + "\n";
    }
    for (const LevelSpawnPoint& point : spawnPoints) {
        // Level files are right-handed: the loader negates z.
        text += "spawnPoint_" + std::to_string(point.team) + " " + std::to_string(point.position.x) + " " +
                std::to_string(point.position.y) + " " + std::to_string(-point.position.z) + " 0 0 0\n";
    }
    for (const std::string& line : entityLines) {
        text += line + "\n";
    }
    return text;
}

CollisionBox FixtureBodyBox(int character) {
    return MakeCollisionBox({0.0f, 1.0f, 0.0f}, {0.5f, 1.0f + 0.25f * static_cast<float>(character), 0.5f});
}

const std::vector<LevelSpawnPoint> GameFixture::kSpawnPoints = {
    {kRedTeam, {10.0f, 0.0f, 5.0f}, {}},
    {kBlueTeam, {-10.0f, 0.0f, -5.0f}, {}},
    {kRedTeam, {12.0f, 0.0f, 5.0f}, {}},
    {kBlueTeam, {-12.0f, 0.0f, -5.0f}, {}},
};

void GameFixture::SetUp() {
    ModelLibrary& library = ModelLibrary::GetInstance();
    library.Clear();
    for (int character = 0; character < kCharacterCount; ++character) {
        ModelFileData model;
        model.boxes.push_back(FixtureBodyBox(character));
        const std::string file = scratch.File("body" + std::to_string(character) + ".ZMD");
        std::string error;
        ASSERT_TRUE(SaveModelFile(file, model, error)) << error;
        ASSERT_TRUE(library.Get(kCharacterBodyModels[static_cast<std::size_t>(character)]).LoadModel(file));
    }
}

void GameFixture::TearDown() {
    state.Shutdown();
    ModelLibrary::GetInstance().Clear();
}

std::string GameFixture::WriteLevel(const std::string& name, const std::vector<LevelSpawnPoint>& spawnPoints,
                                    const std::vector<std::string>& boxLines,
                                    const std::vector<std::string>& entityLines) {
    const std::string path = scratch.File(name);
    std::ofstream(path, std::ios::binary) << LevelText(spawnPoints, boxLines, entityLines);
    return path;
}

void GameFixture::Start(std::vector<std::string> levels) {
    if (levels.empty()) {
        levels.push_back(WriteLevel("arena.ZMDL", kSpawnPoints));
    }
    ASSERT_TRUE(state.Initialize(&peer, std::move(levels), 0));
}

RakNet::RakNetGUID GameFixture::Join(std::int32_t teamRequest, std::int32_t character,
                                     const std::string& name) {
    ++joined;
    const RakNet::RakNetGUID guid(100u + static_cast<unsigned>(joined));
    EXPECT_TRUE(state.AddPlayer(name.empty() ? "Player" + std::to_string(joined) : name, character, 0,
                                teamRequest, guid));
    return guid;
}

PlayerRecord GameFixture::Player(const RakNet::RakNetGUID& guid) const {
    return Players().GetPlayer(guid);
}

void GameFixture::Kill(const RakNet::RakNetGUID& guid) {
    PlayerRecord* player = Players().FindPlayer(guid);
    ASSERT_NE(player, nullptr);
    player->health = 0.0f;
    player->alive = false;
}

void GameFixture::Advance(double seconds, double step) {
    for (double passed = 0.0; passed < seconds - 1e-9; passed += step) {
        state.Update(step);
    }
}

bool GameFixture::AdvanceUntil(RakNet::MessageID id, double limit, double step) {
    const std::size_t seen = peer.SentWithId(id).size();
    for (double passed = 0.0; passed < limit; passed += step) {
        state.Update(step);
        if (peer.SentWithId(id).size() > seen) {
            return true;
        }
    }
    return false;
}
