// The round's big notices in the middle of the match screen: the countdown to the next round (5 to 1,
// growing during each second), the message naming the team that won the round, and the victory or defeat
// banner once the match is over.
#pragma once

#include <cstdint>

#include "client/ui/MatchStatus.h"
#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

class RoundDisplay {
public:
    static constexpr int kLongestCountdownShown = 5;
    static constexpr float kCountdownStartSize = 50.0f;
    static constexpr float kCountdownLargestSize = 250.0f;
    static constexpr float kCountdownGrowth = 600.0f;  // font size per second
    static constexpr float kBannerWidth = 340.0f;
    static constexpr float kBannerHeight = 125.0f;
    static constexpr const char* kVictoryTexture = "../Ombrin/2DTextures/GUI/victory.png";
    static constexpr const char* kDefeatTexture = "../Ombrin/2DTextures/GUI/defeat.png";

    // The texts and the banner, all hidden, a quarter of the window's height above and below its centre.
    // Returns true.
    bool Initialize(float windowHeight);
    // One frame of deltaTime seconds:
    // - between rounds and after the match, a round won by red or blue shows "Red team won this round!" or
    //   "Blue team won this round!" in the team's colour;
    // - between rounds, a countdown value from 5 down to 1 shows in the colour of the last round's winner
    //   (kept when there is none): each new value starts at size 50 and grows by 600 per second up to 250.
    //   Larger values, and 0 (before the server's first second arrives), show nothing;
    // - after the match, the victory banner when the winner is the local team, otherwise the defeat banner.
    void Update(const MatchStatus& status, double deltaTime);
    // Queues what is shown: the banner, the countdown and the winner message.
    void Render() const;
    void Shutdown();

    bool CountdownShown() const { return m_countdownShown; }
    bool WinnerShown() const { return m_winnerShown; }
    bool BannerShown() const { return m_bannerShown; }
    const TextObject& Countdown() const { return m_countdown; }
    const TextObject& Winner() const { return m_winner; }
    const MenuItem& Banner() const { return m_banner; }

private:
    void UpdateCountdown(const MatchStatus& status, double deltaTime);

    TextObject m_countdown;
    TextObject m_winner;
    MenuItem m_banner;
    float m_countdownSize = kCountdownStartSize;
    int m_lastCount = -1;
    bool m_countdownShown = false;
    bool m_winnerShown = false;
    bool m_bannerShown = false;
};
