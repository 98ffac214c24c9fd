#include "RakNetTime.h"

#include <chrono>

namespace RakNet {

Time GetTime() {
    using namespace std::chrono;
    return static_cast<Time>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TimeMS GetTimeMS() {
    return static_cast<TimeMS>(GetTime());
}

}  // namespace RakNet
