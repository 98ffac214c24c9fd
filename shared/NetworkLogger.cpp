#include "shared/NetworkLogger.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "raknet/MessageIdentifiers.h"

namespace {

constexpr std::size_t kTableRows = 5;

// The most frequent names first; equal counts in reverse alphabetical order.
std::string MessageTable(const std::map<std::string, int>& counts, const char* label) {
    std::vector<std::pair<std::string, int>> rows(counts.begin(), counts.end());
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first > b.first;
    });
    std::string table;
    const std::size_t shown = std::min(rows.size(), kTableRows);
    for (std::size_t i = 0; i < shown; ++i) {
        table += label;
        table += rows[i].first;
        table += "  Nr: ";
        table += std::to_string(rows[i].second);
        table += "\n";
    }
    return table;
}

double BytesPerSecond(std::uint32_t bits, double seconds) {
    return seconds > 0.0 ? static_cast<double>(bits / 8) / seconds : 0.0;
}

}  // namespace

void NetworkLogger::OnInternalPacket(RakNet::InternalPacket* internalPacket, unsigned /*frameNumber*/,
                                     RakNet::SystemAddress /*remote*/, RakNet::TimeMS /*time*/, int isSend) {
    if (internalPacket == nullptr) {
        return;
    }
    const RakNet::BitSize_t bits = internalPacket->dataBitLength;
    const bool countNames = !serverMode;
    // The identifier is only read from a packet that holds a whole first byte.
    std::string name;
    if (countNames) {
        name = internalPacket->data != nullptr && bits >= 8 ? IDTOString(internalPacket->data[0])
                                                            : std::string(kEmptyPacketName);
    }

    if (isSend != 0) {
        m_outBits += bits;
        if (countNames) {
            ++m_outMessageCounts[name];
        }
    } else {
        m_inBits += bits;
        if (countNames) {
            ++m_inMessageCounts[name];
        }
    }
}

void NetworkLogger::ReportTraffic() {
    lastReport.inBytesPerSecond = BytesPerSecond(m_inBits, m_windowTime);
    lastReport.outBytesPerSecond = BytesPerSecond(m_outBits, m_windowTime);
    lastReport.inMessageTable = MessageTable(m_inMessageCounts, "InMessage: ");
    lastReport.outMessageTable = MessageTable(m_outMessageCounts, "OutMessage: ");
    m_windowTime = 0.0;
    m_inBits = 0;
    m_outBits = 0;
    m_inMessageCounts.clear();
    m_outMessageCounts.clear();
}
