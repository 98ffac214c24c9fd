#include "NetImpairment.h"

#include <enet/enet.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "RakNetTime.h"

namespace RakNet {

namespace {

constexpr std::uint8_t kWakeUpMagic[4] = {'O', 'M', 'B', 'W'};
constexpr std::size_t kWakeUpSize = sizeof(kWakeUpMagic) + 8;
// Held datagrams beyond this are dropped, so a flood cannot grow the queue without bound.
constexpr std::size_t kMaxHeld = 8192;
constexpr unsigned kMaxMilliseconds = 10000;

std::atomic<std::uint64_t> g_received{0};
std::atomic<std::uint64_t> g_dropped{0};
std::atomic<std::uint64_t> g_duplicated{0};
std::atomic<std::uint64_t> g_delayed{0};
std::atomic<std::uint32_t> g_hostsStarted{0};

// The impairment of each host: ENet's callback receives only the host.
std::mutex g_registryMutex;
std::map<ENetHost*, NetImpairment*>& Registry() {
    static std::map<ENetHost*, NetImpairment*> registry;
    return registry;
}

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool ParseNumber(std::string_view text, double& value) {
    // from_chars for doubles is not in every standard library this builds with; strtod on a copy is.
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtod(copy.c_str(), &end);
    return !copy.empty() && end == copy.c_str() + copy.size();
}

}  // namespace

bool ParseImpairment(std::string_view text, ImpairmentSettings& settings, std::string& error) {
    ImpairmentSettings parsed;
    for (bool more = !text.empty(); more;) {
        const std::size_t comma = text.find(',');
        const std::string_view pair = text.substr(0, comma);
        more = comma != std::string_view::npos;
        text = more ? text.substr(comma + 1) : std::string_view();
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            error = "\"" + std::string(pair) + "\" is not key=value";
            return false;
        }
        const std::string_view key = pair.substr(0, equals);
        const std::string_view valueText = pair.substr(equals + 1);
        double value = 0.0;
        if (!ParseNumber(valueText, value)) {
            error = "the value of " + std::string(key) + " is not a number";
            return false;
        }
        if (key == "loss" || key == "dup") {
            if (!(value >= 0.0 && value <= 1.0)) {
                error = std::string(key) + " must be a share between 0 and 1";
                return false;
            }
            (key == "loss" ? parsed.loss : parsed.duplicate) = value;
        } else if (key == "delay" || key == "jitter") {
            if (!(value >= 0.0 && value <= kMaxMilliseconds)) {
                error = std::string(key) + " must be between 0 and 10000 milliseconds";
                return false;
            }
            (key == "delay" ? parsed.delayMs : parsed.jitterMs) = static_cast<unsigned>(value);
        } else if (key == "seed") {
            std::uint32_t seed = 0;
            const auto [end, code] =
                std::from_chars(valueText.data(), valueText.data() + valueText.size(), seed);
            if (code != std::errc() || end != valueText.data() + valueText.size()) {
                error = "seed must be a whole number from 0 to 4294967295";
                return false;
            }
            parsed.seed = seed;
        } else {
            error = "unknown key \"" + std::string(key) + "\" (loss, dup, delay, jitter, seed)";
            return false;
        }
    }
    settings = parsed;
    return true;
}

ImpairmentCounts ProcessImpairmentCounts() {
    return ImpairmentCounts{g_received.load(), g_dropped.load(), g_duplicated.load(), g_delayed.load()};
}

std::unique_ptr<NetImpairment> NetImpairment::FromEnvironment(ENetHost* host) {
    const char* text = std::getenv(kImpairmentVariable);
    if (text == nullptr || text[0] == '\0' || host == nullptr) {
        return nullptr;
    }
    ImpairmentSettings settings;
    std::string error;
    if (!ParseImpairment(text, settings, error)) {
        std::fprintf(stderr, "%s=\"%s\": %s; the network is not impaired\n", kImpairmentVariable, text,
                     error.c_str());
        return nullptr;
    }
    static std::once_flag announced;
    std::call_once(announced, [&] {
        std::fprintf(stderr, "%s: loss %.3g, duplicates %.3g, delay %u ms + up to %u ms, seed %u\n",
                     kImpairmentVariable, settings.loss, settings.duplicate, settings.delayMs,
                     settings.jitterMs, static_cast<unsigned>(settings.seed));
    });
    return std::make_unique<NetImpairment>(host, settings);
}

NetImpairment::NetImpairment(ENetHost* host, const ImpairmentSettings& settings)
    : m_host(host),
      m_settings(settings),
      m_random(std::uint64_t{settings.seed} * 0x100000001B3ull + g_hostsStarted.fetch_add(1)) {
    m_token = SplitMix(m_random);
    ENetAddress self{};
    if (enet_socket_get_address(m_host->socket, &self) == 0) {
        m_selfPort = self.port;
        m_selfHost = self.host;
    }
    if (m_selfHost == ENET_HOST_ANY) {
        ENetAddress loopback{};
        enet_address_set_host_ip(&loopback, "127.0.0.1");
        m_selfHost = loopback.host;
    }
    {
        const std::lock_guard<std::mutex> lock(g_registryMutex);
        Registry()[m_host] = this;
    }
    m_host->intercept = &NetImpairment::Intercept;
}

NetImpairment::~NetImpairment() {
    m_host->intercept = nullptr;
    const std::lock_guard<std::mutex> lock(g_registryMutex);
    Registry().erase(m_host);
}

void NetImpairment::Release() {
    const std::uint64_t now = GetTime();
    std::uint8_t wakeUp[kWakeUpSize];
    std::memcpy(wakeUp, kWakeUpMagic, sizeof(kWakeUpMagic));
    std::memcpy(wakeUp + sizeof(kWakeUpMagic), &m_token, sizeof(m_token));
    ENetBuffer buffer{};
    buffer.data = wakeUp;
    buffer.dataLength = sizeof(wakeUp);
    ENetAddress self{};
    self.host = m_selfHost;
    self.port = m_selfPort;
    // A wake-up that never arrived (a full socket buffer) must not hold the queue up for good.
    if (m_wakeUpsInFlight > 0 && now - m_lastWakeUp > 200) {
        m_wakeUpsInFlight = 0;
    }
    std::size_t due = 0;
    for (auto it = m_held.begin(); it != m_held.end() && it->first <= now; ++it) {
        ++due;
    }
    for (; m_wakeUpsInFlight < due; ++m_wakeUpsInFlight) {
        enet_socket_send(m_host->socket, &self, &buffer, 1);
        m_lastWakeUp = now;
    }
}

unsigned NetImpairment::MillisecondsUntilDue(unsigned wanted) const {
    if (m_held.empty()) {
        return wanted;
    }
    const std::uint64_t now = GetTime();
    const std::uint64_t due = m_held.begin()->first;
    return due <= now ? 0u : static_cast<unsigned>(std::min<std::uint64_t>(wanted, due - now));
}

int NetImpairment::Intercept(ENetHost* host, ENetEvent* /*event*/) {
    NetImpairment* impairment = nullptr;
    {
        const std::lock_guard<std::mutex> lock(g_registryMutex);
        const auto found = Registry().find(host);
        impairment = found != Registry().end() ? found->second : nullptr;
    }
    return impairment != nullptr ? impairment->OnDatagram() : 0;
}

bool NetImpairment::IsWakeUp() const {
    const std::uint8_t* data = m_host->receivedData;
    return m_host->receivedDataLength == kWakeUpSize && m_host->receivedAddress.port == m_selfPort &&
           std::memcmp(data, kWakeUpMagic, sizeof(kWakeUpMagic)) == 0 &&
           std::memcmp(data + sizeof(kWakeUpMagic), &m_token, sizeof(m_token)) == 0;
}

bool NetImpairment::Chance(double share) {
    if (share <= 0.0) {
        return false;
    }
    const double draw = static_cast<double>(SplitMix(m_random) >> 11) * 0x1.0p-53;
    return draw < share;
}

void NetImpairment::Hold(std::uint64_t due) {
    if (m_held.size() >= kMaxHeld || m_host->receivedDataLength > sizeof(m_host->packetData[0])) {
        ++g_dropped;
        return;
    }
    Datagram datagram;
    datagram.bytes.assign(m_host->receivedData, m_host->receivedData + m_host->receivedDataLength);
    datagram.host = m_host->receivedAddress.host;
    datagram.port = m_host->receivedAddress.port;
    m_held.emplace(due, std::move(datagram));
}

// 1: ENet forgets the datagram; 0: ENet processes what receivedData now points at.
int NetImpairment::OnDatagram() {
    const std::uint64_t now = GetTime();
    if (IsWakeUp()) {
        // Not traffic: keep the host's totals to what the network carried.
        m_host->totalReceivedData -= static_cast<enet_uint32>(m_host->receivedDataLength);
        --m_host->totalReceivedPackets;
        if (m_wakeUpsInFlight > 0) {
            --m_wakeUpsInFlight;
        }
        if (m_held.empty() || m_held.begin()->first > now) {
            return 1;
        }
        // Into ENet's own receive buffer: ENet reads whole command records from it, past the end of a
        // short datagram, and the buffer is as long as the largest datagram.
        const Datagram& held = m_held.begin()->second;
        std::memcpy(m_host->packetData[0], held.bytes.data(), held.bytes.size());
        m_host->receivedData = m_host->packetData[0];
        m_host->receivedDataLength = held.bytes.size();
        m_host->receivedAddress.host = held.host;
        m_host->receivedAddress.port = held.port;
        m_held.erase(m_held.begin());
        return 0;
    }
    ++g_received;
    if (Chance(m_settings.loss)) {
        ++g_dropped;
        return 1;
    }
    const bool duplicate = Chance(m_settings.duplicate);
    if (duplicate) {
        ++g_duplicated;
    }
    const auto delay = [this, now] {
        const unsigned jitter = m_settings.jitterMs > 0
                                    ? static_cast<unsigned>(SplitMix(m_random) % (m_settings.jitterMs + 1u))
                                    : 0u;
        return now + m_settings.delayMs + jitter;
    };
    if (m_settings.delayMs == 0 && m_settings.jitterMs == 0) {
        if (duplicate) {
            Hold(now);  // the copy follows on the next service
        }
        return 0;
    }
    ++g_delayed;
    Hold(delay());
    if (duplicate) {
        Hold(delay());
    }
    return 1;
}

}  // namespace RakNet
