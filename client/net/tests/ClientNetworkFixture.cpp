#include "ClientNetworkFixture.h"

#include <algorithm>

void ClientNetworkFixture::SetUp() {
    network.SetLogSink([this](std::string_view line) { log.emplace_back(line); });
    ASSERT_TRUE(network.Initialize(&peer));
    ReceiveBytes({RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
    ASSERT_TRUE(network.connected);
    peer.ClearSent();
    log.clear();
}

void ClientNetworkFixture::ReceiveBytes(const std::vector<unsigned char>& bytes,
                                        const RakNet::RakNetGUID& from) {
    peer.Deliver(bytes, from);
    network.Update(0.0);
}

protocol::PlayerListEntry ClientNetworkFixture::Entry(const RakNet::RakNetGUID& guid, int index, int team,
                                                      const std::string& name) {
    protocol::PlayerListEntry entry;
    entry.guid = guid;
    entry.playerIndex = index;
    entry.team = team;
    entry.name = name;
    entry.position = {1.0f, 0.0f, 2.0f};
    entry.direction = {0.0f, 0.0f, 1.0f};
    entry.maxHealth = 100.0f;
    entry.health = 80.0f;
    entry.alive = true;
    entry.character = 2;
    entry.tool = 3;
    return entry;
}

bool ClientNetworkFixture::Logged(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
}
