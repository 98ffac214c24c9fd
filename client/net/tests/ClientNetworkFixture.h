// A ClientNetwork around a recording peer, connected to a pretend server, with the log lines kept.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingPeer.h"
#include "client/net/ClientNetwork.h"
#include "raknet/MessageIdentifiers.h"

inline const RakNet::RakNetGUID kServerGuid{0x5E4E4E4E00000001ull};
inline const RakNet::RakNetGUID kOtherGuid{0x0000000000000A11ull};
inline const RakNet::RakNetGUID kThirdGuid{0x0000000000000B22ull};

// The recording peer, also counting pings.
class PingCountingPeer : public RecordingPeer {
public:
    void Ping(const RakNet::SystemAddress& target) override {
        ++pings;
        lastPingTarget = target;
    }
    int pings = 0;
    RakNet::SystemAddress lastPingTarget;
};

class ClientNetworkFixture : public ::testing::Test {
public:
    void SetUp() override;

    // Queues the message from the server and runs one frame of zero time.
    template <typename Message>
    void Receive(const Message& message) {
        peer.Deliver(message, kServerGuid);
        network.Update(0.0);
    }
    void ReceiveBytes(const std::vector<unsigned char>& bytes, const RakNet::RakNetGUID& from = kServerGuid);
    // A roster entry for guid with index, team and name.
    static protocol::PlayerListEntry Entry(const RakNet::RakNetGUID& guid, int index, int team,
                                           const std::string& name);
    RakNet::RakNetGUID Me() const { return peer.GetMyGUID(); }
    bool Logged(const std::string& line) const;

    PingCountingPeer peer;
    ClientNetwork network;
    std::vector<std::string> log;
};
