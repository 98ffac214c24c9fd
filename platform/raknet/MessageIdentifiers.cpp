#include "MessageIdentifiers.h"

namespace RakNet {

const char* TransportIdentifierName(MessageID id) {
    static const char* const kNames[] = {
        "ID_CONNECTED_PING",
        "ID_UNCONNECTED_PING",
        "ID_UNCONNECTED_PING_OPEN_CONNECTIONS",
        "ID_CONNECTED_PONG",
        "ID_DETECT_LOST_CONNECTIONS",
        "ID_OPEN_CONNECTION_REQUEST_1",
        "ID_OPEN_CONNECTION_REPLY_1",
        "ID_OPEN_CONNECTION_REQUEST_2",
        "ID_OPEN_CONNECTION_REPLY_2",
        "ID_CONNECTION_REQUEST",
        "ID_REMOTE_SYSTEM_REQUIRES_PUBLIC_KEY",
        "ID_OUR_SYSTEM_REQUIRES_SECURITY",
        "ID_PUBLIC_KEY_MISMATCH",
        "ID_OUT_OF_BAND_INTERNAL",
        "ID_SND_RECEIPT_ACKED",
        "ID_SND_RECEIPT_LOSS",
        "ID_CONNECTION_REQUEST_ACCEPTED",
        "ID_CONNECTION_ATTEMPT_FAILED",
        "ID_ALREADY_CONNECTED",
        "ID_NEW_INCOMING_CONNECTION",
        "ID_NO_FREE_INCOMING_CONNECTIONS",
        "ID_DISCONNECTION_NOTIFICATION",
        "ID_CONNECTION_LOST",
        "ID_CONNECTION_BANNED",
        "ID_INVALID_PASSWORD",
        "ID_INCOMPATIBLE_PROTOCOL_VERSION",
        "ID_IP_RECENTLY_CONNECTED",
        "ID_TIMESTAMP",
        "ID_UNCONNECTED_PONG",
        "ID_ADVERTISE_SYSTEM",
        "ID_DOWNLOAD_PROGRESS",
    };
    return id < sizeof(kNames) / sizeof(kNames[0]) ? kNames[id] : nullptr;
}

}  // namespace RakNet
