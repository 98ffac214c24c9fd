// Send parameters. Priorities are accepted for compatibility and do not change the order of sends.
#pragma once

namespace RakNet {

enum PacketPriority {
    IMMEDIATE_PRIORITY,
    HIGH_PRIORITY,
    MEDIUM_PRIORITY,
    LOW_PRIORITY,
    NUMBER_OF_PRIORITIES
};

enum PacketReliability {
    UNRELIABLE,
    UNRELIABLE_SEQUENCED,
    RELIABLE,
    RELIABLE_ORDERED,
    RELIABLE_SEQUENCED,
    NUMBER_OF_RELIABILITIES
};

}  // namespace RakNet
