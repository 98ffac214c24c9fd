// The machine's own IPv4 address, for showing where a server can be reached.
#pragma once

#include <cstdint>

namespace RakNet {

// The first IPv4 address of an interface that is up and not loopback, in host byte order; 127.0.0.1 when the
// machine has none.
std::uint32_t PrimaryIpv4Address();

}  // namespace RakNet
