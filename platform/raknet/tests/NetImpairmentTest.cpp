// The test-only network impairment (OMBRIN_NET_IMPAIR): the settings it accepts and refuses, a host left
// alone without it, and, through loss, duplication and delay on both ends of a loopback connection, reliable
// ordered streams that still arrive complete, once and in order, and sequenced ones that never go back.
#include "raknet/NetImpairment.h"

#include <enet/enet.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "LoopbackPair.h"
#include "raknet/MessageIdentifiers.h"

using namespace RakNet;
using Bytes = std::vector<unsigned char>;

namespace {

constexpr unsigned char kGameId = ID_USER_PACKET_ENUM + 1;

// Sets the variable for the peers a test starts, and clears it afterwards.
class ImpairedNetwork {
public:
    explicit ImpairedNetwork(const char* value) { setenv(kImpairmentVariable, value, 1); }
    ~ImpairedNetwork() { unsetenv(kImpairmentVariable); }
    ImpairedNetwork(const ImpairedNetwork&) = delete;
    ImpairedNetwork& operator=(const ImpairedNetwork&) = delete;
};

struct SettingsCase {
    const char* text;
    bool accepted;
    ImpairmentSettings settings;  // when accepted
    const char* error;            // part of the reason, when refused
};

void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ImpairmentSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

// A message of a numbered stream: identifier, channel, sequence number, then filler up to size bytes.
Bytes StreamMessage(unsigned char channel, int sequence, std::size_t size) {
    Bytes bytes{kGameId, channel, static_cast<unsigned char>(sequence >> 8),
                static_cast<unsigned char>(sequence)};
    bytes.resize(std::max<std::size_t>(size, bytes.size()), static_cast<unsigned char>(sequence));
    return bytes;
}

// The sequence numbers of each channel's stream, in the order they were received.
std::map<int, std::vector<int>> Streams(const std::vector<Received>& inbox) {
    std::map<int, std::vector<int>> streams;
    for (const Received& received : inbox) {
        if (received.id == kGameId && received.data.size() >= 4) {
            streams[received.data[1]].push_back((received.data[2] << 8) | received.data[3]);
        }
    }
    return streams;
}

}  // namespace

TEST_P(ImpairmentSettingsTest, AreReadOrRefusedWithAReason) {
    const SettingsCase& c = GetParam();
    ImpairmentSettings settings;
    settings.seed = 99;
    std::string error;
    EXPECT_EQ(ParseImpairment(c.text, settings, error), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(settings, c.settings);
        EXPECT_EQ(error, "");
    } else {
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(settings.seed, 99u) << "a refused text changes nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(
    NetImpairment, ImpairmentSettingsTest,
    ::testing::Values(SettingsCase{"loss=0.1,dup=0.02,delay=50", true, {0.1, 0.02, 50, 0, 1}, ""},
                      SettingsCase{"seed=7,jitter=10,loss=1", true, {1.0, 0.0, 0, 10, 7}, ""},
                      SettingsCase{"", true, {}, ""},
                      SettingsCase{"loss=1.5", false, {}, "loss must be a share between 0 and 1"},
                      SettingsCase{"dup=-0.1", false, {}, "dup must be a share"},
                      SettingsCase{"loss=nan", false, {}, "loss must be a share"},
                      SettingsCase{"delay=20000", false, {}, "delay must be between 0 and 10000"},
                      SettingsCase{"delay=fast", false, {}, "the value of delay is not a number"},
                      SettingsCase{"seed=-1", false, {}, "seed must be a whole number"},
                      SettingsCase{"speed=3", false, {}, "unknown key \"speed\""},
                      SettingsCase{"loss", false, {}, "is not key=value"},
                      SettingsCase{"loss=0.1,", false, {}, "is not key=value"}));

TEST(NetImpairment, HostIsLeftAloneWithoutTheVariableOrWithAMalformedOne) {
    ASSERT_EQ(enet_initialize(), 0);
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = 0;
    ENetHost* host = enet_host_create(&address, 1, 1, 0, 0);
    ASSERT_NE(host, nullptr);

    unsetenv(kImpairmentVariable);
    EXPECT_EQ(NetImpairment::FromEnvironment(host), nullptr);
    {
        const ImpairedNetwork network("loss=2");
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(NetImpairment::FromEnvironment(host), nullptr);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(
            said.find("OMBRIN_NET_IMPAIR=\"loss=2\": loss must be a share between 0 and 1; the network is "
                      "not impaired"),
            std::string::npos)
            << said;
    }
    EXPECT_EQ(host->intercept, nullptr);
    {
        const ImpairedNetwork network("loss=0.5");
        auto impairment = NetImpairment::FromEnvironment(host);
        ASSERT_NE(impairment, nullptr);
        EXPECT_NE(host->intercept, nullptr);
        impairment.reset();
        EXPECT_EQ(host->intercept, nullptr) << "a removed impairment detaches itself";
    }
    enet_host_destroy(host);
}

TEST(NetImpairment, ReliableStreamsArriveCompleteOnceAndInOrderThroughLossDuplicationAndDelay) {
    const ImpairedNetwork network("loss=0.2,dup=0.1,delay=20,jitter=30,seed=5");
    const ImpairmentCounts before = ProcessImpairmentCounts();
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));
    const RakNetGUID clientGuid = client->GetMyGUID();
    const RakNetGUID serverGuid = server->GetMyGUID();

    constexpr int kMessages = 150;
    // Channels 0 to 4 reliable ordered (every tenth message fragmented); channel 5 unreliable sequenced.
    for (int sequence = 0; sequence < kMessages; ++sequence) {
        for (unsigned char channel = 0; channel < kGameChannels; ++channel) {
            const bool reliable = channel < 5;
            const Bytes bytes = StreamMessage(channel, sequence, reliable && sequence % 10 == 0 ? 3000 : 24);
            const PacketReliability reliability = reliable ? RELIABLE_ORDERED : UNRELIABLE_SEQUENCED;
            for (auto [from, to] : {std::pair{client, serverGuid}, std::pair{server, clientGuid}}) {
                ASSERT_NE(
                    from->Send(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
                               HIGH_PRIORITY, reliability, static_cast<char>(channel), to, false),
                    0u);
            }
        }
        net.Pump();
    }
    const auto complete = [&](RakPeerInterface* peer) {
        const auto streams = Streams(net.Inbox(peer));
        for (int channel = 0; channel < 5; ++channel) {
            const auto found = streams.find(channel);
            if (found == streams.end() || found->second.size() < kMessages) {
                return false;
            }
        }
        return true;
    };
    ASSERT_TRUE(net.Until([&] { return complete(server) && complete(client); }, 60000));
    net.Until([] { return false; }, 300);  // late duplicates would show up now

    std::vector<int> expected(kMessages);
    for (int i = 0; i < kMessages; ++i) {
        expected[static_cast<std::size_t>(i)] = i;
    }
    for (RakPeerInterface* peer : {server, client}) {
        const auto streams = Streams(net.Inbox(peer));
        for (int channel = 0; channel < 5; ++channel) {
            EXPECT_EQ(streams.at(channel), expected) << "reliable ordered channel " << channel;
        }
        const auto sequenced = streams.find(5);
        ASSERT_NE(sequenced, streams.end()) << "some unreliable sequenced messages get through";
        for (std::size_t i = 1; i < sequenced->second.size(); ++i) {
            EXPECT_LT(sequenced->second[i - 1], sequenced->second[i]) << "a sequenced message went back";
        }
        EXPECT_LT(sequenced->second.size(), static_cast<std::size_t>(kMessages)) << "some were lost";
        EXPECT_EQ(net.Count(peer, ID_CONNECTION_LOST), 0u);
    }
    const ImpairmentCounts after = ProcessImpairmentCounts();
    EXPECT_GT(after.dropped, before.dropped);
    EXPECT_GT(after.duplicated, before.duplicated);
    EXPECT_GT(after.delayed, before.delayed);
}

TEST(NetImpairment, DelayHoldsEveryDatagramForItsTime) {
    const ImpairedNetwork network("delay=120");
    Loopback net;
    RakPeerInterface* server = net.AddServer();
    RakPeerInterface* client = net.AddClient();
    ASSERT_TRUE(net.Connect(client, server));

    const Bytes bytes = StreamMessage(0, 1, 8);
    const auto sent = std::chrono::steady_clock::now();
    client->Send(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), HIGH_PRIORITY,
                 RELIABLE_ORDERED, 0, server->GetMyGUID(), false);
    ASSERT_TRUE(net.Until([&] { return net.Count(server, kGameId) == 1; }));
    const auto took = std::chrono::steady_clock::now() - sent;
    EXPECT_GE(took, std::chrono::milliseconds(115));
    EXPECT_LT(took, std::chrono::milliseconds(1000));
}
