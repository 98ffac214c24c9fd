// A test-only switch that makes the network worse on purpose: it drops, duplicates and delays a chosen share
// of the datagrams a host receives, so that real server and bot processes can be tested on a lossy, slow
// link without program options of their own. It is on only when the environment variable
//
//     OMBRIN_NET_IMPAIR="loss=0.1,dup=0.02,delay=50,jitter=10,seed=7"
//
// is set when a peer starts up (loss and dup are shares between 0 and 1, delay and jitter milliseconds,
// every key optional). Without the variable nothing here runs and hosts are serviced as they always are.
//
// How: ENet hands every received datagram to the host's intercept callback before it looks at it. A datagram
// to be lost is swallowed there. One to be delayed or duplicated is copied into a queue and swallowed; when
// it is due, the host sends itself a small wake-up datagram, and when that arrives the callback puts the held
// datagram (with its original sender's address) in its place in ENet's receive buffer, so ENet processes it
// as if it had just come in.
// Each host draws from its own generator, seeded from the seed and the order in which hosts start.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct _ENetHost;
struct _ENetEvent;

namespace RakNet {

inline constexpr const char* kImpairmentVariable = "OMBRIN_NET_IMPAIR";

struct ImpairmentSettings {
    double loss = 0.0;       // share of datagrams dropped
    double duplicate = 0.0;  // share of datagrams delivered twice
    unsigned delayMs = 0;    // every datagram arrives this much later ...
    unsigned jitterMs = 0;   // ... plus up to this much more, so that some overtake others
    std::uint32_t seed = 1;

    friend bool operator==(const ImpairmentSettings&, const ImpairmentSettings&) = default;
};

// Reads "key=value" pairs separated by commas (keys loss, dup, delay, jitter, seed). False, with the reason
// in error, for an unknown key, a value that is not a number or one out of range (shares 0..1, times
// 0..10000 ms).
bool ParseImpairment(std::string_view text, ImpairmentSettings& settings, std::string& error);

// What the impairments of this process have done so far, for tests and the announcement.
struct ImpairmentCounts {
    std::uint64_t received = 0;  // datagrams that arrived from the network
    std::uint64_t dropped = 0;
    std::uint64_t duplicated = 0;
    std::uint64_t delayed = 0;
};
ImpairmentCounts ProcessImpairmentCounts();

class NetImpairment {
public:
    // The impairment the environment asks for, attached to host; nullptr when the variable is unset or
    // empty. A malformed value is reported on standard error and leaves the host unimpaired.
    static std::unique_ptr<NetImpairment> FromEnvironment(_ENetHost* host);

    NetImpairment(_ENetHost* host, const ImpairmentSettings& settings);
    ~NetImpairment();
    NetImpairment(const NetImpairment&) = delete;
    NetImpairment& operator=(const NetImpairment&) = delete;

    // Call before servicing the host: wakes the host up once for every held datagram that is due.
    void Release();
    // How long a wait for network input may last before the next held datagram is due.
    unsigned MillisecondsUntilDue(unsigned wanted) const;

private:
    struct Datagram {
        std::vector<std::uint8_t> bytes;
        std::uint32_t host = 0;  // sender, as ENet keeps it
        std::uint16_t port = 0;
    };

    static int Intercept(_ENetHost* host, _ENetEvent* event);
    int OnDatagram();
    bool IsWakeUp() const;
    bool Chance(double share);
    void Hold(std::uint64_t due);

    _ENetHost* m_host;
    ImpairmentSettings m_settings;
    std::uint64_t m_random;
    std::uint64_t m_token;                          // marks this host's wake-up datagrams
    std::multimap<std::uint64_t, Datagram> m_held;  // by due time
    std::size_t m_wakeUpsInFlight = 0;              // sent to ourselves, not yet arrived
    std::uint64_t m_lastWakeUp = 0;
    std::uint32_t m_selfHost = 0;
    std::uint16_t m_selfPort = 0;
};

}  // namespace RakNet
