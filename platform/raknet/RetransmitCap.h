// ENet waits twice as long before each resend of an unacknowledged reliable datagram, without bound. On a
// lossy link a few losses in a row push the next resend many seconds out, and ENet then gives the
// connection up although the link works again: at one lost datagram in ten each way a long match lost a
// player or two. The peer resends instead at least every capMs, as a RakNet peer does, so a connection is
// only given up when nothing got through for the whole time-out.
#pragma once

#include <cstdint>

struct _ENetPeer;

namespace RakNet {

// Caps the resend wait of every reliable command peer has in flight at capMs and moves the peer's next
// time-out check forward to match. Call after every enet_host_service or enet_host_flush.
void CapRetransmitWait(_ENetPeer* peer, std::uint32_t capMs);

}  // namespace RakNet
