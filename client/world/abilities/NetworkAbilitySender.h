// Abilities report their uses to the server through the client's connection (ClientNetwork::SendAbility,
// the use-ability request).
#pragma once

#include "client/net/ClientNetwork.h"
#include "client/world/abilities/AbilitySender.h"

class NetworkAbilitySender final : public AbilitySender {
public:
    // The network stays the caller's and must outlive the sender.
    explicit NetworkAbilitySender(ClientNetwork& network) : m_network(network) {}

    void SendAbility(std::int32_t ability, float distance) override {
        m_network.SendAbility(ability, distance);
    }

private:
    ClientNetwork& m_network;
};
