// Monotonic milliseconds used by the transport for pings and time-outs.
#pragma once

#include <cstdint>

namespace RakNet {

using Time = std::uint64_t;
using TimeMS = std::uint32_t;

Time GetTime();
TimeMS GetTimeMS();

}  // namespace RakNet
