#include "HostileClient.h"

#include <cmath>
#include <limits>

#include "protocol/ClientMessages.h"
#include "protocol/MessageSend.h"
#include "protocol/ServerMessages.h"
#include "raknet/MessageIdentifiers.h"

using namespace RakNet;

namespace {

constexpr std::size_t kLongestName = 65535;

const PacketReliability kReliabilities[] = {UNRELIABLE, UNRELIABLE_SEQUENCED, RELIABLE, RELIABLE_ORDERED,
                                            RELIABLE_SEQUENCED};

using protocol::Encode;

// Every client message, well formed, for cutting short.
std::vector<std::vector<std::uint8_t>> WellFormedMessages() {
    return {Encode(protocol::PlayerListRequest{}),
            Encode(protocol::PlayerPositionReport{{1.0f, 0.0f, 2.0f}}),
            Encode(protocol::PlayerDirectionReport{{0.0f, 0.0f, 1.0f}}),
            Encode(protocol::UseAbilityRequest{3, 7.5f}),
            Encode(protocol::StartGameRequest{}),
            Encode(protocol::AnimationReport{4}),
            Encode(protocol::JoinGameRequest{"Intruder", 1, 2, 1}),
            Encode(protocol::RoundTimeRequest{}),
            Encode(protocol::ScoresRequest{}),
            Encode(protocol::RuneStateRequest{}),
            Encode(protocol::VisiblePlayersReport{{0, 1, 2, 3, 4, 5, 6, 7}}),
            Encode(protocol::LobbyChoiceReport{1, 2, 1, "Intruder", true})};
}

// A message whose count or length field promises far more than follows.
std::vector<std::vector<std::uint8_t>> OverpromisingMessages() {
    return {
        {protocol::ID_VISIBLE_PLAYERS, 0xFF, 0x01},      // 255 indices, one present
        {protocol::ID_JOIN_GAME, 0xFF, 0xFF, 'a', 'b'},  // a 65535-byte name, two present
        {protocol::ID_LOBBY_STATE, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0xFF, 0xFF, 'x'},
        {protocol::ID_USE_ABILITY, 0x7F, 0xFF, 0xFF, 0xFF},  // distance missing
    };
}

}  // namespace

HostileClient::HostileClient(std::uint32_t seed) : m_random(seed) {
    m_peer = RakPeerInterface::GetInstance();
    SocketDescriptor descriptor(0, nullptr);
    m_peer->Startup(1, &descriptor, 1);
}

HostileClient::~HostileClient() {
    RakPeerInterface::DestroyInstance(m_peer);
}

bool HostileClient::Connect(unsigned short port) {
    m_port = port;
    m_connecting = m_peer->Connect("127.0.0.1", port, nullptr, 0) == CONNECTION_ATTEMPT_STARTED;
    return m_connecting;
}

bool HostileClient::Pump() {
    while (Packet* packet = m_peer->Receive()) {
        if (packet->length > 0) {
            switch (packet->data[0]) {
                case ID_CONNECTION_REQUEST_ACCEPTED:
                    m_server = packet->guid;
                    m_connected = true;
                    m_connecting = false;
                    break;
                case ID_CONNECTION_ATTEMPT_FAILED:
                case ID_NO_FREE_INCOMING_CONNECTIONS:
                    m_connecting = false;
                    break;
                case ID_DISCONNECTION_NOTIFICATION:
                case ID_CONNECTION_LOST:
                    m_connected = false;
                    break;
                default:
                    Handle(packet->data, packet->length);
                    break;
            }
        }
        m_peer->DeallocatePacket(packet);
    }
    if (!m_connected && !m_connecting && m_port != 0) {
        Connect(m_port);
    }
    return m_connected;
}

void HostileClient::Handle(const std::uint8_t* data, unsigned int length) {
    BitStream stream(data, length, false);
    if (data[0] == protocol::ID_KILL_NOTICE && !m_matchOver) {
        protocol::KillNoticeMessage notice;
        if (protocol::Read(stream, notice)) {
            ++m_notices;
            m_deaths += notice.victim == Guid() ? 1 : 0;
            m_kills += notice.killer == Guid() && notice.victim != Guid() ? 1 : 0;
            for (const std::uint64_t value :
                 {notice.victim.g, notice.killer.g,
                  static_cast<std::uint64_t>(static_cast<std::uint32_t>(notice.ability))}) {
                for (int shift = 0; shift < 64; shift += 8) {
                    m_digest = (m_digest ^ ((value >> shift) & 0xFFu)) * 1099511628211ull;
                }
            }
        }
    } else if (data[0] == protocol::ID_MATCH_WON) {
        m_matchOver = true;
    } else if (data[0] == protocol::ID_ROUND_WON) {
        ++m_rounds;
    } else if (data[0] == protocol::ID_PLAYER_LIST) {
        protocol::PlayerListMessage roster;
        if (protocol::Read(stream, roster)) {
            m_team = 0;
            for (const protocol::PlayerListEntry& entry : roster.players) {
                if (entry.guid == Guid()) {
                    m_team = entry.team;
                    m_alive = entry.alive;
                }
            }
        }
    } else if (data[0] == protocol::ID_PLAYER_HEALTH) {
        protocol::PlayerHealthMessage health;
        if (protocol::Read(stream, health) && health.player == Guid()) {
            m_alive = health.alive;
        }
    }
}

std::string HostileClient::Standing() const {
    const std::string rounds = ", " + std::to_string(m_rounds) + " rounds won so far";
    if (m_team == 0) {
        return "no player" + rounds;
    }
    return "team " + std::to_string(m_team) + (m_alive ? ", alive" : ", dead") + rounds;
}

void HostileClient::SendRaw(const std::vector<std::uint8_t>& bytes) {
    if (!m_connected || bytes.empty()) {
        return;
    }
    const auto channel = static_cast<char>(m_random() % kGameChannels);
    const PacketReliability reliability = kReliabilities[m_random() % std::size(kReliabilities)];
    m_peer->Send(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), HIGH_PRIORITY,
                 reliability, channel, m_server, false);
    ++m_sent;
}

template <typename Message>
void HostileClient::SendMessage(const Message& message) {
    SendRaw(Encode(message));
}

void HostileClient::Join() {
    const std::string name(kLongestName, 'N');
    SendMessage(protocol::PlayerListRequest{});
    SendMessage(protocol::LobbyChoiceReport{0, 0, 1, name, true});
    SendMessage(protocol::JoinGameRequest{name, 0, 0, 1});
}

std::vector<std::uint8_t> HostileClient::Garbage(std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(m_random());
    }
    return bytes;
}

float HostileClient::HostileFloat() {
    const float kValues[] = {std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity(),
                             std::numeric_limits<float>::max(),
                             -std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::denorm_min(),
                             1e6f,
                             -5e5f};
    return kValues[m_random() % std::size(kValues)];
}

void HostileClient::Attack() {
    static const std::vector<std::vector<std::uint8_t>> kWellFormed = WellFormedMessages();
    static const std::vector<std::vector<std::uint8_t>> kOverpromising = OverpromisingMessages();
    const std::uint64_t step = m_step++;
    switch (step % 8) {
        case 0: {  // every identifier in turn, with a garbage payload
            std::vector<std::uint8_t> bytes = Garbage(m_random() % 48);
            bytes.insert(bytes.begin(), static_cast<std::uint8_t>((step / 8) % 256));
            SendRaw(bytes);
            break;
        }
        case 1: {  // every client message cut at every length
            const std::vector<std::uint8_t>& message = kWellFormed[(step / 8) % kWellFormed.size()];
            const std::size_t cut = 1 + (step / 8 / kWellFormed.size()) % message.size();
            SendRaw(std::vector<std::uint8_t>(message.begin(), message.begin() + static_cast<long>(cut)));
            break;
        }
        case 2:
            SendRaw(kOverpromising[(step / 8) % kOverpromising.size()]);
            break;
        case 3:  // NaN, infinite and huge numbers
            SendMessage(protocol::PlayerPositionReport{{HostileFloat(), HostileFloat(), HostileFloat()}});
            SendMessage(protocol::PlayerDirectionReport{{HostileFloat(), HostileFloat(), HostileFloat()}});
            break;
        case 4: {  // teleporting
            const auto far = [this] { return static_cast<float>(m_random() % 2000) - 1000.0f; };
            SendMessage(protocol::PlayerPositionReport{{far(), 0.0f, far()}});
            break;
        }
        case 5:  // a joined player's lobby choice, which the server must ignore
            SendMessage(protocol::LobbyChoiceReport{2, 3, 2, "Changed", false});
            break;
        case 6:  // lobby changes and repeated joins, now and then with the longest name
            if ((step / 8) % 50 == 0) {
                Join();
            } else {
                SendMessage(protocol::LobbyChoiceReport{static_cast<std::int32_t>(m_random()), -1, 7,
                                                        "x" + std::to_string(step), (step & 1) != 0});
                SendMessage(protocol::VisiblePlayersReport{Garbage(m_random() % 256)});
            }
            break;
        default:
            SendRaw(Garbage(1 + m_random() % 200));
            break;
    }
    // Requests that make the server answer or send to everybody.
    switch (step % 6) {
        case 0:
            SendMessage(protocol::PlayerListRequest{});
            break;
        case 1:
            SendMessage(protocol::StartGameRequest{});
            break;
        case 2:
            SendMessage(protocol::AnimationReport{static_cast<std::int32_t>(m_random())});
            break;
        case 3:
            SendMessage(protocol::RoundTimeRequest{});
            break;
        case 4:
            SendMessage(protocol::ScoresRequest{});
            break;
        default:
            SendMessage(protocol::RuneStateRequest{});
            break;
    }
    // Ability numbers out of range, with hostile distances.
    const std::int32_t kAbilities[] = {-1,
                                       16,
                                       17,
                                       255,
                                       1000,
                                       std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::int32_t>::max()};
    SendMessage(protocol::UseAbilityRequest{kAbilities[step % std::size(kAbilities)], HostileFloat()});
}

void HostileClient::Leave() {
    if (m_connected) {
        m_peer->CloseConnection(m_server, true);
        m_peer->WaitForIncoming(50);
    }
    m_connected = false;
    m_port = 0;
}
