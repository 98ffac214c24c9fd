// One game message as bytes and on its way: encoded, decoded, and sent with the parameters the protocol's
// table gives it. The server, the client, the bots and the tests all send through these.
#pragma once

#include <cstdint>
#include <vector>

#include "protocol/SendParameters.h"
#include "raknet/BitStream.h"
#include "raknet/RakPeerInterface.h"

namespace protocol {

// The message's bytes, identifier first.
template <typename Message>
std::vector<std::uint8_t> Encode(const Message& message) {
    RakNet::BitStream stream;
    Write(stream, message);
    return {stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed()};
}

// True and the message filled when the bytes hold a whole, valid message of this type.
template <typename Message>
bool Decode(const std::vector<std::uint8_t>& bytes, Message& message) {
    if (bytes.empty()) {
        return false;
    }
    RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), false);
    return Read(stream, message);
}

// To one connection.
template <typename Message>
std::uint32_t SendTo(RakNet::RakPeerInterface* peer, const Message& message, const RakNet::AddressOrGUID& to,
                     const SendParameters& parameters = SendParamsFor<Message>()) {
    RakNet::BitStream stream;
    Write(stream, message);
    return peer->Send(&stream, parameters.priority, parameters.reliability, parameters.orderingChannel, to,
                      false);
}

// To every connection but except (none when except is left out).
template <typename Message>
std::uint32_t Broadcast(RakNet::RakPeerInterface* peer, const Message& message,
                        const RakNet::AddressOrGUID& except = RakNet::AddressOrGUID(),
                        const SendParameters& parameters = SendParamsFor<Message>()) {
    RakNet::BitStream stream;
    Write(stream, message);
    return peer->Send(&stream, parameters.priority, parameters.reliability, parameters.orderingChannel,
                      except, true);
}

}  // namespace protocol
