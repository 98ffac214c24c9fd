#include "RetransmitCap.h"

#include <enet/enet.h>
#include <enet/time.h>

namespace RakNet {

void CapRetransmitWait(ENetPeer* peer, std::uint32_t capMs) {
    if (peer == nullptr || capMs == 0 || enet_list_empty(&peer->sentReliableCommands)) {
        return;
    }
    bool first = true;
    enet_uint32 nextTimeout = 0;
    for (ENetListIterator at = enet_list_begin(&peer->sentReliableCommands);
         at != enet_list_end(&peer->sentReliableCommands); at = enet_list_next(at)) {
        auto* command = reinterpret_cast<ENetOutgoingCommand*>(at);
        if (command->roundTripTimeout > capMs) {
            command->roundTripTimeout = capMs;
        }
        const enet_uint32 due = command->sentTime + command->roundTripTimeout;
        if (first || ENET_TIME_LESS(due, nextTimeout)) {
            nextTimeout = due;
            first = false;
        }
    }
    peer->nextTimeout = nextTimeout;
}

}  // namespace RakNet
