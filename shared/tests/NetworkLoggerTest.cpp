#include "shared/NetworkLogger.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "raknet/MessageIdentifiers.h"
#include "shared/tests/CaseLabel.h"

namespace {

class NetworkLoggerTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessValues(); }
    void TearDown() override { ResetProcessValues(); }

    static void ResetProcessValues() {
        NetworkLogger::serverMode = false;
        NetworkLogger::lastReport = TrafficReport{};
    }

    // One internal packet whose first byte is id and whose data is bits long.
    void Feed(unsigned char id, RakNet::BitSize_t bits, bool isSend) {
        std::vector<unsigned char> data((bits + 7) / 8 + 1, 0);
        data[0] = id;
        RakNet::InternalPacket packet;
        packet.data = data.data();
        packet.dataBitLength = bits;
        m_logger.OnInternalPacket(&packet, 0, RakNet::SystemAddress(0x7F000001, 60000), 0, isSend ? 1 : 0);
    }

    NetworkLogger m_logger;
};

TEST_F(NetworkLoggerTest, RatesAreWholeBytesPerSecondOfWindow) {
    for (int i = 0; i < 12; ++i) {
        Feed(RakNet::ID_CONNECTED_PING, 800, false);
    }
    Feed(148, 15, true);  // 15 bits are one whole byte
    m_logger.AddWindowTime(2.51);
    m_logger.AddWindowTime(2.51);
    EXPECT_EQ(m_logger.GetInBits(), 9600u);
    EXPECT_EQ(m_logger.GetOutBits(), 15u);

    m_logger.ReportTraffic();
    EXPECT_NEAR(NetworkLogger::lastReport.inBytesPerSecond, 239.04, 0.005);
    EXPECT_DOUBLE_EQ(NetworkLogger::lastReport.inBytesPerSecond, 1200.0 / 5.02);
    EXPECT_DOUBLE_EQ(NetworkLogger::lastReport.outBytesPerSecond, 1.0 / 5.02);
}

TEST_F(NetworkLoggerTest, NamesTransportMessagesAndNumbersTheRest) {
    const std::pair<unsigned char, const char*> cases[] = {
        {0, "ID_CONNECTED_PING"},
        {21, "ID_DISCONNECTION_NOTIFICATION"},
        {100, "100"},  // below ID_USER_PACKET_ENUM but without a transport name
        {134, "134"},
        {148, "148"},
        {255, "255"},
    };
    for (const auto& [id, name] : cases) {
        EXPECT_EQ(NetworkLogger().IDTOString(id), name) << static_cast<int>(id);
    }
}

struct TableCase {
    const char* label;
    std::vector<std::pair<unsigned char, int>> packets;  // identifier, how many
    const char* inTable;
    const char* outTable;
};

class NetworkLoggerTableTest : public NetworkLoggerTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(NetworkLoggerTableTest, ListsFiveMostFrequentNames) {
    for (const auto& [id, count] : GetParam().packets) {
        for (int i = 0; i < count; ++i) {
            Feed(id, 8, false);
            Feed(id, 8, true);
        }
    }
    m_logger.AddWindowTime(5.0);
    m_logger.ReportTraffic();
    EXPECT_EQ(NetworkLogger::lastReport.inMessageTable, GetParam().inTable);
    EXPECT_EQ(NetworkLogger::lastReport.outMessageTable, GetParam().outTable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkLoggerTableTest,
    ::testing::Values(
        TableCase{"NoTraffic", {}, "", ""},
        // Equal counts in reverse alphabetical order.
        TableCase{"TiesReverseAlphabetical",
                  {{0, 2}, {138, 7}, {148, 7}},
                  "InMessage: 148  Nr: 7\nInMessage: 138  Nr: 7\nInMessage: ID_CONNECTED_PING  Nr: 2\n",
                  "OutMessage: 148  Nr: 7\nOutMessage: 138  Nr: 7\nOutMessage: ID_CONNECTED_PING  Nr: 2\n"},
        TableCase{
            "OnlyFiveOfSeven",
            {{140, 1}, {141, 2}, {142, 3}, {143, 4}, {144, 5}, {145, 6}, {146, 7}},
            "InMessage: 146  Nr: 7\nInMessage: 145  Nr: 6\nInMessage: 144  Nr: 5\nInMessage: 143  Nr: 4\n"
            "InMessage: 142  Nr: 3\n",
            "OutMessage: 146  Nr: 7\nOutMessage: 145  Nr: 6\nOutMessage: 144  Nr: 5\n"
            "OutMessage: 143  Nr: 4\nOutMessage: 142  Nr: 3\n"},
        // Counts are compared as numbers: 10 ranks above 9.
        TableCase{"CountsCompareNumerically",
                  {{150, 9}, {151, 10}},
                  "InMessage: 151  Nr: 10\nInMessage: 150  Nr: 9\n",
                  "OutMessage: 151  Nr: 10\nOutMessage: 150  Nr: 9\n"}),
    LabelOf<TableCase>);

TEST_F(NetworkLoggerTest, ServerModeCountsBitsButNoNames) {
    NetworkLogger::serverMode = true;
    for (int i = 0; i < 4; ++i) {
        Feed(148, 80, false);
        Feed(RakNet::ID_CONNECTED_PONG, 40, true);
    }
    EXPECT_TRUE(m_logger.GetInMessageCounts().empty());
    EXPECT_TRUE(m_logger.GetOutMessageCounts().empty());

    m_logger.AddWindowTime(2.0);
    m_logger.ReportTraffic();
    EXPECT_DOUBLE_EQ(NetworkLogger::lastReport.inBytesPerSecond, 20.0);
    EXPECT_DOUBLE_EQ(NetworkLogger::lastReport.outBytesPerSecond, 10.0);
    EXPECT_EQ(NetworkLogger::lastReport.inMessageTable, "");
    EXPECT_EQ(NetworkLogger::lastReport.outMessageTable, "");
}

TEST_F(NetworkLoggerTest, PacketWithoutWholeFirstByteCountsBitsUnderEmptyName) {
    // Neither packet may be read: one has no data, the other a zero-length buffer.
    RakNet::InternalPacket noData;
    noData.dataBitLength = 5;
    const auto zeroLength = std::make_unique<unsigned char[]>(0);
    RakNet::InternalPacket noBits;
    noBits.data = zeroLength.get();
    noBits.dataBitLength = 0;

    m_logger.OnInternalPacket(&noData, 0, RakNet::SystemAddress(), 0, 0);
    m_logger.OnInternalPacket(&noBits, 0, RakNet::SystemAddress(), 0, 1);
    m_logger.OnInternalPacket(nullptr, 0, RakNet::SystemAddress(), 0, 0);

    EXPECT_EQ(m_logger.GetInBits(), 5u);
    EXPECT_EQ(m_logger.GetOutBits(), 0u);
    EXPECT_EQ(m_logger.GetInMessageCounts(), (std::map<std::string, int>{{"(empty)", 1}}));
    EXPECT_EQ(m_logger.GetOutMessageCounts(), (std::map<std::string, int>{{"(empty)", 1}}));
}

TEST_F(NetworkLoggerTest, ReportStartsNewWindow) {
    Feed(148, 800, false);
    Feed(149, 800, true);
    m_logger.AddWindowTime(5.1);
    m_logger.ReportTraffic();

    EXPECT_EQ(m_logger.GetWindowTime(), 0.0);
    EXPECT_EQ(m_logger.GetInBits(), 0u);
    EXPECT_EQ(m_logger.GetOutBits(), 0u);
    EXPECT_TRUE(m_logger.GetInMessageCounts().empty());
    EXPECT_TRUE(m_logger.GetOutMessageCounts().empty());

    // The next window counts only its own traffic.
    Feed(150, 80, false);
    m_logger.AddWindowTime(1.0);
    m_logger.ReportTraffic();
    EXPECT_DOUBLE_EQ(NetworkLogger::lastReport.inBytesPerSecond, 10.0);
    EXPECT_DOUBLE_EQ(NetworkLogger::lastReport.outBytesPerSecond, 0.0);
    EXPECT_EQ(NetworkLogger::lastReport.inMessageTable, "InMessage: 150  Nr: 1\n");
}

TEST_F(NetworkLoggerTest, ReportWithoutElapsedTimeGivesZeroRates) {
    Feed(148, 800, false);
    Feed(148, 800, true);
    m_logger.ReportTraffic();
    EXPECT_EQ(NetworkLogger::lastReport.inBytesPerSecond, 0.0);
    EXPECT_EQ(NetworkLogger::lastReport.outBytesPerSecond, 0.0);
    EXPECT_EQ(NetworkLogger::lastReport.inMessageTable, "InMessage: 148  Nr: 1\n");
}

}  // namespace
