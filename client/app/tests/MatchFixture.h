// The match on the null engine with the generated data (models, level, pictures), connected through a
// ClientNetwork around a recording peer: the test plays the server (the roster, deaths, rounds, the end of
// the match) and drives the keyboard and the mouse. A frame runs as the application runs it: the state's
// update, the events it left dropped, the network's update, then the input ages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "RecordingPeer.h"
#include "client/app/PlayingState.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/DeathBoard.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/TrailRenderer.h"
#include "protocol/ServerMessages.h"

namespace ombrin::test {

inline const RakNet::RakNetGUID kMatchServer{0x5E4E4E4E00000001ull};
inline constexpr const char* kArena = "../Ombrin/Levels/NightTimeArena.ZMDL";

class MatchFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 1024;
    static constexpr double kFrame = 1.0 / 60.0;

    void SetUp() override;
    void TearDown() override;

    RakNet::RakNetGUID Me() const { return peer.GetMyGUID(); }
    // A roster entry: alive, 100 of 100 health, a Katana ninja facing +z.
    static protocol::PlayerListEntry Entry(const RakNet::RakNetGUID& guid, int index, int team,
                                           const glm::vec3& position, const std::string& name = "");
    // The roster with this client's player (red, index 0) at position and the others, then the match.
    void StartMatch(const glm::vec3& position, const std::vector<protocol::PlayerListEntry>& others = {});

    void ServerSends(const std::vector<unsigned char>& bytes);
    template <typename Message>
    void ServerSends(const Message& message) {
        peer.Deliver(message, kMatchServer);
        network.Update(0.0);
    }
    // The server's word that a player died (or lives again).
    void SetAlive(const RakNet::RakNetGUID& guid, bool alive);

    // Input for the next frame.
    void KeyDown(int code);
    void KeyUp(int code);
    // The mouse at window pixel (x, y), y down; at a point of GUI space (pixels from the centre, y up).
    void MoveMouseToPixel(int x, int y);
    void Click(float guiX, float guiY);

    GameStateSwitch Frame(double deltaTime = kFrame);
    // Frames of kFrame for about seconds; the first switch asked for, or NO_CHANGE.
    GameStateSwitch Frames(double seconds);

    // The engine operations one render of the match records, in order.
    std::vector<std::string> RenderedOperations();

    RecordingPeer peer;
    ClientNetwork network;
    ParticleRenderer particles;
    TrailRenderer trails;
    DeathBoard deathBoard;
    PlayingState match{network, MatchSharedParts{&particles, &trails, &deathBoard}};
};

}  // namespace ombrin::test
