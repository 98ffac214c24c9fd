// A client that attacks the server while a match is played: it connects and joins like a player, then sends
// every identifier 0-255 with garbage payloads, every client message cut at every length, counts that
// promise more than the message holds, names of 65535 bytes, NaN and infinite numbers, teleporting positions
// and ability numbers out of range, and floods the requests that make the server answer or broadcast, all
// at a steady rate. It keeps every kill notice it receives so that the test can check the bots against it.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "raknet/RakPeerInterface.h"

class HostileClient {
public:
    explicit HostileClient(std::uint32_t seed);
    ~HostileClient();
    HostileClient(const HostileClient&) = delete;
    HostileClient& operator=(const HostileClient&) = delete;

    // Starts a connection attempt.
    bool Connect(unsigned short port);
    // Takes what arrived; after a refusal it tries again. True while connected.
    bool Pump();
    bool IsConnected() const { return m_connected; }
    // The lobby choice and the join with a 65535-byte name (team request red).
    void Join();
    // Sends one garbage message, one request that makes the server answer or broadcast and one out-of-range
    // ability request.
    void Attack();
    void Leave();

    std::uint64_t MessagesSent() const { return m_sent; }
    RakNet::RakNetGUID Guid() const { return m_peer->GetMyGUID(); }
    // Kill notices of the first match (until its ID_MATCH_WON), as the bots count them.
    int Notices() const { return m_notices; }
    int Deaths() const { return m_deaths; }
    int Kills() const { return m_kills; }
    std::uint64_t NoticeDigest() const { return m_digest; }
    bool SawMatchEnd() const { return m_matchOver; }
    // Its own player as the latest roster and health message had it ("team 1, alive", or "no player").
    std::string Standing() const;

private:
    void SendRaw(const std::vector<std::uint8_t>& bytes);
    template <typename Message>
    void SendMessage(const Message& message);
    void Handle(const std::uint8_t* data, unsigned int length);
    std::vector<std::uint8_t> Garbage(std::size_t length);
    float HostileFloat();

    RakNet::RakPeerInterface* m_peer = nullptr;
    unsigned short m_port = 0;
    RakNet::RakNetGUID m_server;
    bool m_connected = false;
    bool m_connecting = false;
    std::mt19937 m_random;
    std::uint64_t m_sent = 0;
    std::uint64_t m_step = 0;
    int m_notices = 0;
    int m_deaths = 0;
    int m_kills = 0;
    std::uint64_t m_digest = 1469598103934665603ull;
    bool m_matchOver = false;
    int m_team = 0;
    bool m_alive = false;
    int m_rounds = 0;
};
