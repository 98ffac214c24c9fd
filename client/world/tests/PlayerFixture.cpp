#include "client/world/tests/PlayerFixture.h"

#include <cmath>

#include "Lumagrid/GE.h"
#include "client/ui/GUIQueue.h"
#include "client/world/Model.h"
#include "raknet/MessageIdentifiers.h"
#include "shared/ModelLibrary.h"

namespace ombrin::test {

void ServerCheck::Take(const std::vector<protocol::Vec3>& reports) {
    for (const protocol::Vec3& report : reports) {
        if (std::fabs(report.x - accepted.x) > 5.0f || std::fabs(report.y - accepted.y) > 5.0f ||
            std::fabs(report.z - accepted.z) > 5.0f || !std::isfinite(report.x + report.y + report.z)) {
            ++refused;
        } else {
            accepted = report;
        }
    }
}

void PlayerFixture::SetUp() {
    ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
    const Model prototype;
    ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
    ASSERT_TRUE(ModelLibrary::GetInstance().Get("../Ombrin/Models/Ninja1Shape.ZMD").GetVertexCount() > 0)
        << "run from the bin folder of a layout with the generated data";
    ASSERT_TRUE(network.Initialize(&peer));
    peer.Deliver({RakNet::ID_CONNECTION_REQUEST_ACCEPTED}, kServerGuid);
    network.Update(0.0);
    ASSERT_TRUE(network.connected);
    peer.ClearSent();
}

void PlayerFixture::TearDown() {
    players.Shutdown();
    GUIQueue::GetInstance().Clear();
    ModelLibrary::GetInstance().Clear();
    Lumaspace::GE::GetInstance()->Shutdown();
}

protocol::PlayerListEntry PlayerFixture::Entry(const RakNet::RakNetGUID& guid, int index, int team,
                                               int character, const glm::vec3& position) {
    protocol::PlayerListEntry entry;
    entry.guid = guid;
    entry.playerIndex = index;
    entry.team = team;
    entry.name = "Player" + std::to_string(index);
    entry.position = {position.x, position.y, position.z};
    entry.direction = {0.0f, 0.0f, 1.0f};
    entry.maxHealth = 100.0f;
    entry.health = 100.0f;
    entry.alive = true;
    entry.character = character;
    entry.tool = 0;
    return entry;
}

void PlayerFixture::JoinAs(int character, const glm::vec3& position,
                           const std::vector<protocol::PlayerListEntry>& others) {
    std::vector<protocol::PlayerListEntry> roster{Entry(Me(), 0, kRedTeam, character, position)};
    roster.insert(roster.end(), others.begin(), others.end());
    Receive(protocol::PlayerListMessage{roster});
    // The connection places its player at the first roster only: a respawn places it again for each case.
    Receive(protocol::RespawnPositionMessage{{position.x, position.y, position.z}});
    network.events.respawns.Clear();
    players.SetCollision(&obstacles);
    players.SetStickyTraps(&traps);
    ASSERT_TRUE(players.Initialize(false));
    ASSERT_NE(players.GetLocalPlayer(), nullptr);
    peer.ClearSent();
}

void PlayerFixture::Frame(double frameTime, const PlayerInput& input) {
    network.Update(frameTime);
    players.Update(frameTime, input);
    network.DropUnreadEvents();
}

void PlayerFixture::Frames(double seconds, double frameTime, const PlayerInput& input) {
    const long frames = std::lround(seconds / frameTime);
    for (long frame = 0; frame < frames; ++frame) {
        Frame(frameTime, input);
    }
}

Player& PlayerFixture::Local() {
    return *players.GetLocalPlayer();
}

std::vector<std::int32_t> PlayerFixture::SentAnimations() const {
    std::vector<std::int32_t> animations;
    for (const protocol::AnimationReport& report : peer.Decoded<protocol::AnimationReport>()) {
        animations.push_back(report.animation);
    }
    return animations;
}

std::vector<protocol::Vec3> PlayerFixture::SentPositions() const {
    std::vector<protocol::Vec3> positions;
    for (const protocol::PlayerPositionReport& report : peer.Decoded<protocol::PlayerPositionReport>()) {
        positions.push_back(report.position);
    }
    return positions;
}

std::vector<protocol::UseAbilityRequest> PlayerFixture::SentUses() const {
    return peer.Decoded<protocol::UseAbilityRequest>();
}

PlayerInput Holding(std::initializer_list<KeyInput PlayerInput::*> keys) {
    PlayerInput input;
    for (KeyInput PlayerInput::*key : keys) {
        (input.*key).down = true;
    }
    return input;
}

}  // namespace ombrin::test
