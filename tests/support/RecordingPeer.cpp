#include "RecordingPeer.h"

#include <cstring>

using namespace RakNet;

RecordingPeer::RecordingPeer() = default;

RecordingPeer::~RecordingPeer() {
    for (Packet* packet : m_incoming) {
        DeallocatePacket(packet);
    }
}

std::vector<int> RecordingPeer::SentIds() const {
    std::vector<int> ids;
    for (const SentMessage& sent : m_sent) {
        ids.push_back(sent.id);
    }
    return ids;
}

std::vector<SentMessage> RecordingPeer::SentWithId(MessageID id) const {
    std::vector<SentMessage> found;
    for (const SentMessage& sent : m_sent) {
        if (sent.id == id) {
            found.push_back(sent);
        }
    }
    return found;
}

void RecordingPeer::Deliver(std::vector<unsigned char> bytes, const RakNetGUID& guid,
                            const SystemAddress& address) {
    auto* packet = new Packet;
    packet->guid = guid;
    packet->systemAddress = address;
    packet->length = static_cast<unsigned int>(bytes.size());
    packet->bitSize = packet->length * 8u;
    packet->data = new unsigned char[bytes.size() + 1];
    if (!bytes.empty()) {
        std::memcpy(packet->data, bytes.data(), bytes.size());
    }
    m_incoming.push_back(packet);
}

StartupResult RecordingPeer::Startup(unsigned int, SocketDescriptor*, unsigned int, int) {
    return RAKNET_STARTED;
}

ConnectionAttemptResult RecordingPeer::Connect(const char*, unsigned short, const char*, int, void*, unsigned,
                                               unsigned, unsigned, TimeMS) {
    return INVALID_PARAMETER;
}

void RecordingPeer::Shutdown(unsigned int, unsigned char, PacketPriority) {
    m_shutDown = true;
}

void RecordingPeer::CloseConnection(const AddressOrGUID&, bool, unsigned char, PacketPriority) {}

Packet* RecordingPeer::Receive() {
    if (m_incoming.empty()) {
        return nullptr;
    }
    Packet* packet = m_incoming.front();
    m_incoming.pop_front();
    return packet;
}

void RecordingPeer::DeallocatePacket(Packet* packet) {
    if (packet != nullptr) {
        delete[] packet->data;
        delete packet;
    }
}

bool RecordingPeer::WaitForIncoming(unsigned int) {
    return !m_incoming.empty();
}

std::uint32_t RecordingPeer::Send(const BitStream* bitStream, PacketPriority priority,
                                  PacketReliability reliability, char orderingChannel,
                                  const AddressOrGUID& target, bool broadcast) {
    return Send(reinterpret_cast<const char*>(bitStream->GetData()),
                static_cast<int>(bitStream->GetNumberOfBytesUsed()), priority, reliability, orderingChannel,
                target, broadcast);
}

std::uint32_t RecordingPeer::Send(const char* data, int length, PacketPriority priority,
                                  PacketReliability reliability, char orderingChannel,
                                  const AddressOrGUID& target, bool broadcast) {
    EXPECT_GT(length, 0) << "an empty send";
    if (length <= 0) {
        return 0;
    }
    SentMessage sent;
    sent.bytes.assign(reinterpret_cast<const unsigned char*>(data),
                      reinterpret_cast<const unsigned char*>(data) + length);
    sent.id = sent.bytes[0];
    sent.target = target;
    sent.broadcast = broadcast;
    sent.parameters = protocol::SendParameters{priority, reliability, orderingChannel};
    m_sent.push_back(std::move(sent));
    return ++m_sendNumber;
}

void RecordingPeer::Ping(const SystemAddress&) {}

int RecordingPeer::GetAveragePing(const AddressOrGUID&) const {
    return -1;
}

int RecordingPeer::GetLastPing(const AddressOrGUID&) const {
    return -1;
}

SystemAddress RecordingPeer::GetSystemAddressFromGuid(const RakNetGUID& guid) const {
    return guid == m_guid ? GetMyBoundAddress() : UNASSIGNED_SYSTEM_ADDRESS;
}

RakNetGUID RecordingPeer::GetGuidFromSystemAddress(const SystemAddress&) const {
    return UNASSIGNED_RAKNET_GUID;
}

SystemAddress RecordingPeer::GetMyBoundAddress() const {
    return SystemAddress(0x7F000001u, 60000);
}

void RecordingPeer::SetTimeoutTime(TimeMS, const SystemAddress&) {}

void RecordingPeer::AttachPlugin(PluginInterface2*) {}

void RecordingPeer::DetachPlugin(PluginInterface2*) {}
