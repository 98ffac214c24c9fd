#include "client/ui/RoundDisplay.h"

#include <algorithm>
#include <string>

#include "client/ui/GUIQueue.h"
#include "client/ui/TeamColours.h"

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr float kWinnerSize = 50.0f;

bool IsTeam(int team) {
    return team == kRedTeam || team == kBlueTeam;
}
}  // namespace

bool RoundDisplay::Initialize(float windowHeight) {
    const float quarter = windowHeight / 4.0f;
    m_countdown.CreateText(kRedTeamColour, "", kCountdownStartSize, 0.0f, quarter);
    m_winner.CreateText(kWhite, "", kWinnerSize, 0.0f, -quarter);
    m_banner.InitializeItem(0.0f, quarter, kBannerWidth, kBannerHeight, kDefeatTexture);
    m_countdownSize = kCountdownStartSize;
    m_lastCount = -1;
    m_countdownShown = false;
    m_winnerShown = false;
    m_bannerShown = false;
    return true;
}

void RoundDisplay::Update(const MatchStatus& status, double deltaTime) {
    const bool roundOver = status.countdownActive || status.matchOver;
    m_winnerShown = roundOver && IsTeam(status.lastRoundWinner);
    if (m_winnerShown) {
        const std::string message =
            status.lastRoundWinner == kRedTeam ? "Red team won this round!" : "Blue team won this round!";
        if (m_winner.GetText() != message) {
            m_winner.SetText(message);
        }
        m_winner.colour = TeamColour(status.lastRoundWinner, kWhite);
    }

    UpdateCountdown(status, deltaTime);

    m_bannerShown = status.matchOver;
    if (m_bannerShown) {
        const bool won = IsTeam(status.matchWinner) && status.matchWinner == status.localTeam;
        const char* banner = won ? kVictoryTexture : kDefeatTexture;
        if (m_banner.Texture() != banner) {
            m_banner.SetTexture(banner);
        }
    }
}

void RoundDisplay::UpdateCountdown(const MatchStatus& status, double deltaTime) {
    const int count = status.countdownSeconds;
    m_countdownShown =
        status.countdownActive && !status.matchOver && count >= 1 && count <= kLongestCountdownShown;
    if (!m_countdownShown) {
        // The next countdown starts afresh, whatever value it begins with.
        m_lastCount = -1;
        return;
    }
    m_countdown.colour = TeamColour(status.lastRoundWinner, m_countdown.colour);
    if (count != m_lastCount) {
        m_countdown.SetText(std::to_string(count));
        m_countdownSize = kCountdownStartSize;
        m_lastCount = count;
        return;
    }
    if (!(deltaTime > 0.0) || m_countdownSize >= kCountdownLargestSize) {
        return;
    }
    m_countdownSize =
        std::min(m_countdownSize + kCountdownGrowth * static_cast<float>(deltaTime), kCountdownLargestSize);
    m_countdown.SetFontSize(m_countdownSize);
}

void RoundDisplay::Render() const {
    GUIQueue& queue = GUIQueue::GetInstance();
    if (m_bannerShown) {
        m_banner.Render();
    }
    if (m_countdownShown) {
        queue.AddText(&m_countdown);
    }
    if (m_winnerShown) {
        queue.AddText(&m_winner);
    }
}

void RoundDisplay::Shutdown() {
    m_countdown.Release();
    m_winner.Release();
    m_banner.Shutdown();
    m_lastCount = -1;
    m_countdownShown = false;
    m_winnerShown = false;
    m_bannerShown = false;
}
