// A flood guard for the requests that make the server answer or send to everybody: the roster, the lobby,
// start, join, the animation relay, abilities, the round time, the scores and the rune state. Each
// connection may make kBurst of them at once and kPerSecond on average; a request beyond that is dropped.
// Players make a few of these a second at most, so only floods meet the limit, and a flooding client can
// no longer make the server send to everybody as often as it likes.
#pragma once

#include <cstddef>
#include <map>
#include <set>

#include "raknet/RakNetTypes.h"

class RequestBudget {
public:
    static constexpr double kPerSecond = 30.0;
    static constexpr double kBurst = 60.0;

    // Whether a message with this identifier counts against the budget.
    static bool Counts(unsigned char id);

    // True, counting the request, when guid has one left; false when the request is to be dropped.
    bool Take(const RakNet::RakNetGUID& guid);
    // Gives every connection back kPerSecond requests a second.
    void Advance(double seconds);
    // The connection is gone.
    void Forget(const RakNet::RakNetGUID& guid);
    // True the first time guid ran out (to say so once on the console).
    bool FirstOverrun(const RakNet::RakNetGUID& guid) { return m_overrun.insert(guid).second; }

    // Connections with requests not yet given back.
    std::size_t Size() const { return m_used.size(); }

private:
    std::map<RakNet::RakNetGUID, double> m_used;
    std::set<RakNet::RakNetGUID> m_overrun;
};
