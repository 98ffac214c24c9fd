#include "FuzzPeer.h"

#include <cstring>

FuzzPeer::~FuzzPeer() {
    for (RakNet::Packet* packet : m_incoming) {
        DeallocatePacket(packet);
    }
}

void FuzzPeer::Deliver(const std::vector<std::uint8_t>& bytes, const RakNet::RakNetGUID& guid,
                       const RakNet::SystemAddress& address, bool generatedLocally) {
    auto* packet = new RakNet::Packet();
    packet->data = new unsigned char[bytes.size() + 1];
    if (!bytes.empty()) {
        std::memcpy(packet->data, bytes.data(), bytes.size());
    }
    packet->length = static_cast<unsigned int>(bytes.size());
    packet->bitSize = static_cast<RakNet::BitSize_t>(bytes.size() * 8u);
    packet->guid = guid;
    packet->systemAddress = address;
    packet->wasGeneratedLocally = generatedLocally;
    m_incoming.push_back(packet);
}

RakNet::Packet* FuzzPeer::Receive() {
    if (m_incoming.empty()) {
        return nullptr;
    }
    RakNet::Packet* packet = m_incoming.front();
    m_incoming.pop_front();
    return packet;
}

void FuzzPeer::DeallocatePacket(RakNet::Packet* packet) {
    if (packet != nullptr) {
        delete[] packet->data;
        delete packet;
    }
}

std::uint32_t FuzzPeer::Send(const RakNet::BitStream* bitStream, RakNet::PacketPriority priority,
                             RakNet::PacketReliability reliability, char orderingChannel,
                             const RakNet::AddressOrGUID& target, bool broadcast) {
    return Send(reinterpret_cast<const char*>(bitStream->GetData()),
                static_cast<int>(bitStream->GetNumberOfBytesUsed()), priority, reliability, orderingChannel,
                target, broadcast);
}

std::uint32_t FuzzPeer::Send(const char* data, int length, RakNet::PacketPriority /*priority*/,
                             RakNet::PacketReliability reliability, char orderingChannel,
                             const RakNet::AddressOrGUID& target, bool broadcast) {
    if (onSend) {
        onSend(FuzzSend{reinterpret_cast<const unsigned char*>(data), length, reliability, orderingChannel,
                        target, broadcast});
    }
    return ++m_sendNumber;
}
