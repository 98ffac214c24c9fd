// Prints the bit stream's write and read throughput and the round-trip time of a reliable message on
// loopback.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "raknet/BitStream.h"
#include "raknet/MessageIdentifiers.h"
#include "raknet/RakPeerInterface.h"
#include "raknet/RakString.h"

using namespace RakNet;
using Clock = std::chrono::steady_clock;

namespace {

// A roster-like record: the mix of fields the game's largest message carries, with bools breaking alignment.
void WriteRecord(BitStream& out, std::uint32_t i) {
    out.Write(RakNetGUID(0x1234567890ABCDEFull + i));
    out.Write(static_cast<std::int32_t>(i & 7));
    out.Write(RakString("Shadow of the Lotus"));
    for (int f = 0; f < 6; ++f) {
        out.Write(static_cast<float>(i) * 0.5f + static_cast<float>(f));
    }
    out.Write(std::int32_t{1});
    out.Write(std::int32_t{2});
    out.Write(100.0f);
    out.Write(75.0f);
    out.Write(true);
    out.Write(false);
    out.Write(std::int32_t{3});
    out.Write(std::int32_t{4});
    out.Write(std::int32_t{5});
    out.Write(0.0f);
    out.Write(true);
}

bool ReadRecord(BitStream& in, std::uint64_t& checksum) {
    RakNetGUID guid;
    std::int32_t a = 0, b = 0, c = 0, d = 0, e = 0, index = 0;
    RakString name;
    float v[6] = {};
    float maxHealth = 0, health = 0, shield = 0;
    bool alive = false, invisible = false, healing = false;
    bool ok = in.Read(guid) && in.Read(index) && in.Read(name);
    for (float& x : v) {
        ok = ok && in.Read(x);
    }
    ok = ok && in.Read(a) && in.Read(b) && in.Read(maxHealth) && in.Read(health) && in.Read(alive) &&
         in.Read(invisible) && in.Read(c) && in.Read(d) && in.Read(e) && in.Read(shield) && in.Read(healing);
    checksum += guid.g + static_cast<std::uint64_t>(index + a + b + c + d + e) + name.GetLength() +
                static_cast<std::uint64_t>(v[5]) + (alive ? 1u : 0u);
    return ok;
}

void BenchBitStream() {
    constexpr std::uint32_t kRecords = 2'000'000;
    BitStream out(64 * 1024 * 1024);
    auto start = Clock::now();
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        WriteRecord(out, i);
    }
    const double writeSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double megabytes = out.GetNumberOfBytesUsed() / 1e6;

    BitStream in(out.GetData(), out.GetNumberOfBytesUsed(), false);
    std::uint64_t checksum = 0;
    start = Clock::now();
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        if (!ReadRecord(in, checksum)) {
            std::printf("read failed at record %u\n", i);
            return;
        }
    }
    const double readSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("BitStream write: %.1f MB/s, %.1f M roster records/s (%.1f MB, unaligned fields)\n",
                megabytes / writeSeconds, kRecords / writeSeconds / 1e6, megabytes);
    std::printf("BitStream read:  %.1f MB/s, %.1f M roster records/s (checksum %llu)\n",
                megabytes / readSeconds, kRecords / readSeconds / 1e6,
                static_cast<unsigned long long>(checksum % 1000));
}

void BenchRoundTrip() {
    RakPeerInterface* server = RakPeerInterface::GetInstance();
    RakPeerInterface* client = RakPeerInterface::GetInstance();
    SocketDescriptor serverSocket(0, "127.0.0.1");
    SocketDescriptor clientSocket(0, "127.0.0.1");
    server->Startup(8, &serverSocket, 1);
    server->SetMaximumIncomingConnections(8);
    client->Startup(1, &clientSocket, 1);
    client->Connect("127.0.0.1", server->GetMyBoundAddress().GetPort(), nullptr, 0);

    bool connected = false;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!connected && Clock::now() < deadline) {
        while (Packet* p = server->Receive()) {
            server->DeallocatePacket(p);
        }
        while (Packet* p = client->Receive()) {
            connected = connected || p->data[0] == ID_CONNECTION_REQUEST_ACCEPTED;
            client->DeallocatePacket(p);
        }
    }
    if (!connected) {
        std::printf("round trip: could not connect\n");
        return;
    }

    constexpr int kRoundTrips = 5000;
    std::vector<double> micros;
    micros.reserve(kRoundTrips);
    const unsigned char message[16] = {ID_USER_PACKET_ENUM + 1};
    for (int i = 0; i < kRoundTrips; ++i) {
        const auto sent = Clock::now();
        client->Send(reinterpret_cast<const char*>(message), sizeof(message), HIGH_PRIORITY, RELIABLE_ORDERED,
                     3, server->GetMyGUID(), false);
        bool answered = false;
        while (!answered) {
            client->WaitForIncoming(0);  // flushes the request
            while (Packet* p = server->Receive()) {
                server->Send(reinterpret_cast<const char*>(p->data), static_cast<int>(p->length),
                             HIGH_PRIORITY, RELIABLE_ORDERED, 3, p->guid, false);
                server->DeallocatePacket(p);
            }
            server->WaitForIncoming(0);  // flushes the echo
            while (Packet* p = client->Receive()) {
                answered = answered || p->data[0] == ID_USER_PACKET_ENUM + 1;
                client->DeallocatePacket(p);
            }
        }
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - sent).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf(
        "Reliable ordered round trip on loopback (%d trips, 16 bytes): median %.1f us, p99 %.1f us, max %.1f "
        "us\n",
        kRoundTrips, micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
    client->Shutdown(100);
    server->Shutdown(100);
    RakPeerInterface::DestroyInstance(client);
    RakPeerInterface::DestroyInstance(server);
}

}  // namespace

int main() {
    BenchBitStream();
    BenchRoundTrip();
    return 0;
}
