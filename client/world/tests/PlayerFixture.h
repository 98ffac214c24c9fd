// Players on the null engine with the generated ninja models, driven through a real ClientNetwork over a
// recording peer: the test plays the server (rosters, records, events) and reads what the client sent. A
// frame runs the connection first (receiving, and sending its reports at their cadence) and then the
// players, as the client's frame does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include <glm/vec3.hpp>

#include "RecordingPeer.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/tests/RecordingSoundSystem.h"
#include "client/world/CollisionManager.h"
#include "client/world/PlayerManager.h"
#include "client/world/StickyTrapField.h"

namespace ombrin::test {

inline const RakNet::RakNetGUID kServerGuid{0x5E4E4E4E00000001ull};
inline const RakNet::RakNetGUID kOtherGuid{0x0000000000000A11ull};
inline const RakNet::RakNetGUID kThirdGuid{0x0000000000000B22ull};

inline constexpr int kKatana = 0;
inline constexpr int kTessen = 1;
inline constexpr int kNaginata = 2;

// A list of landed sticky traps the test sets.
class TrapList : public StickyTrapField {
public:
    std::span<const CollisionSphere> LandedStickyTraps() const override { return traps; }
    std::vector<CollisionSphere> traps;
};

// What the server makes of the reported positions: each is accepted when it lies within 5 units on every
// axis of the last one accepted, as Quellhost decides.
struct ServerCheck {
    explicit ServerCheck(const protocol::Vec3& start) : accepted(start) {}
    // Goes through the reports in the order they were sent.
    void Take(const std::vector<protocol::Vec3>& reports);

    protocol::Vec3 accepted;
    int refused = 0;
};

class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    RakNet::RakNetGUID Me() const { return peer.GetMyGUID(); }
    // A roster entry: alive, 100 of 100 health, facing +z, tool 0.
    static protocol::PlayerListEntry Entry(const RakNet::RakNetGUID& guid, int index, int team, int character,
                                           const glm::vec3& position);
    // The server's message arrives; the connection takes it in a frame of no time.
    template <typename Message>
    void Receive(const Message& message) {
        peer.Deliver(message, kServerGuid);
        network.Update(0.0);
    }
    // The roster with this client's player (index 0, red) of the character at position, then the others;
    // the players of a match are made from it, with the obstacles and traps below.
    void JoinAs(int character, const glm::vec3& position,
                const std::vector<protocol::PlayerListEntry>& others = {});
    // A frame: the connection, then the players.
    void Frame(double frameTime, const PlayerInput& input = {});
    // Frames of frameTime for about seconds.
    void Frames(double seconds, double frameTime, const PlayerInput& input = {});

    Player& Local();
    // What the client sent, in order.
    std::vector<std::int32_t> SentAnimations() const;
    std::vector<protocol::Vec3> SentPositions() const;
    std::vector<protocol::UseAbilityRequest> SentUses() const;

    RecordingPeer peer;
    ClientNetwork network;
    PlayerManager players{network};
    CollisionManager obstacles;
    TrapList traps;
};

// Keys held for a whole frame.
PlayerInput Holding(std::initializer_list<KeyInput PlayerInput::*> keys);

}  // namespace ombrin::test
