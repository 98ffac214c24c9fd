// Sends one game message with the parameters the protocol's table gives it.
#pragma once

#include <cstdint>

#include "protocol/SendParameters.h"
#include "raknet/BitStream.h"
#include "raknet/RakPeerInterface.h"

// To one connection.
template <typename Message>
std::uint32_t SendTo(RakNet::RakPeerInterface* peer, const Message& message, const RakNet::AddressOrGUID& to,
                     const protocol::SendParameters& parameters = protocol::SendParamsFor<Message>()) {
    RakNet::BitStream stream;
    protocol::Write(stream, message);
    return peer->Send(&stream, parameters.priority, parameters.reliability, parameters.orderingChannel, to,
                      false);
}

// To every connection but except (none when except is left out).
template <typename Message>
std::uint32_t Broadcast(RakNet::RakPeerInterface* peer, const Message& message,
                        const RakNet::AddressOrGUID& except = RakNet::AddressOrGUID(),
                        const protocol::SendParameters& parameters = protocol::SendParamsFor<Message>()) {
    RakNet::BitStream stream;
    protocol::Write(stream, message);
    return peer->Send(&stream, parameters.priority, parameters.reliability, parameters.orderingChannel,
                      except, true);
}
