// Identifiers of the transport's own messages. The numbers are fixed on the wire: a packet's first byte is
// one of these or a game identifier above ID_USER_PACKET_ENUM.
#pragma once

#include <cstdint>

namespace RakNet {

using MessageID = unsigned char;

enum DefaultMessageIDTypes : MessageID {
    ID_CONNECTED_PING = 0,
    ID_UNCONNECTED_PING = 1,
    ID_UNCONNECTED_PING_OPEN_CONNECTIONS = 2,
    ID_CONNECTED_PONG = 3,
    ID_DETECT_LOST_CONNECTIONS = 4,
    ID_OPEN_CONNECTION_REQUEST_1 = 5,
    ID_OPEN_CONNECTION_REPLY_1 = 6,
    ID_OPEN_CONNECTION_REQUEST_2 = 7,
    ID_OPEN_CONNECTION_REPLY_2 = 8,
    ID_CONNECTION_REQUEST = 9,
    ID_REMOTE_SYSTEM_REQUIRES_PUBLIC_KEY = 10,
    ID_OUR_SYSTEM_REQUIRES_SECURITY = 11,
    ID_PUBLIC_KEY_MISMATCH = 12,
    ID_OUT_OF_BAND_INTERNAL = 13,
    ID_SND_RECEIPT_ACKED = 14,
    ID_SND_RECEIPT_LOSS = 15,
    ID_CONNECTION_REQUEST_ACCEPTED = 16,
    ID_CONNECTION_ATTEMPT_FAILED = 17,
    ID_ALREADY_CONNECTED = 18,
    ID_NEW_INCOMING_CONNECTION = 19,
    ID_NO_FREE_INCOMING_CONNECTIONS = 20,
    ID_DISCONNECTION_NOTIFICATION = 21,
    ID_CONNECTION_LOST = 22,
    ID_CONNECTION_BANNED = 23,
    ID_INVALID_PASSWORD = 24,
    ID_INCOMPATIBLE_PROTOCOL_VERSION = 25,
    ID_IP_RECENTLY_CONNECTED = 26,
    ID_TIMESTAMP = 27,
    ID_UNCONNECTED_PONG = 28,
    ID_ADVERTISE_SYSTEM = 29,
    ID_DOWNLOAD_PROGRESS = 30,
    ID_USER_PACKET_ENUM = 134,
};

// The name of a transport identifier ("ID_CONNECTED_PING"), or nullptr for one this layer does not name.
const char* TransportIdentifierName(MessageID id);

}  // namespace RakNet
