#include "client/ui/TeamStatusBar.h"

#include <algorithm>
#include <cmath>

#include "client/ui/GUIQueue.h"
#include "client/ui/TeamColours.h"

namespace {

constexpr float kTextSize = 25.0f;
constexpr float kScoreX = 20.0f;
constexpr std::uint32_t kClockColour = 0xFFFFFFFFu;
constexpr double kLongestClock = 999999.0;  // minutes; a longer time from the server shows this

// Whole seconds with a "0" in front below 10.
std::string TwoDigits(long long value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

bool TeamStatusBar::Initialize(float windowHeight) {
    m_top = windowHeight / 2.0f;
    m_background.InitializeItem(0.0f, m_top - 27.5f, 80.0f, 55.0f, kBackgroundTexture);
    m_frame.InitializeItem(0.0f, m_top - 40.0f, 570.0f, 80.0f, kFrameTexture);
    m_redScore.CreateText(kRedTeamColour, "0", kTextSize, -kScoreX, m_top - 40.5f);
    m_blueScore.CreateText(kBlueTeamColour, "0", kTextSize, kScoreX, m_top - 40.5f);
    m_clock.CreateText(kClockColour, ClockText(0.0, 0.0), kTextSize, 0.0f, m_top - 12.5f);
    m_squares.clear();
    m_minutes = 0.0;
    m_seconds = 0.0;
    m_roundSeen = false;
    return true;
}

void TeamStatusBar::SetRoundTime(double minutes, double seconds) {
    m_minutes = std::isfinite(minutes) ? std::max(minutes, 0.0) : 0.0;
    m_seconds = std::isfinite(seconds) ? std::max(seconds, 0.0) : 0.0;
    const double carried = std::floor(m_seconds / 60.0);
    m_minutes = std::min(m_minutes + carried, kLongestClock);
    m_seconds = std::clamp(m_seconds - carried * 60.0, 0.0, 59.999);
}

std::string TeamStatusBar::ClockText(double minutes, double seconds) {
    return std::to_string(static_cast<long long>(std::clamp(minutes, 0.0, kLongestClock))) + ":" +
           TwoDigits(static_cast<long long>(std::clamp(seconds, 0.0, 59.0)));
}

std::string TeamStatusBar::CountdownText(int seconds) {
    return "-0:" + TwoDigits(seconds);
}

void TeamStatusBar::Show(TextObject& text, const std::string& value) {
    if (text.GetText() != value) {
        text.SetText(value);
    }
}

void TeamStatusBar::Update(const MatchStatus& status, const std::vector<HudPlayer>& players,
                           double deltaTime) {
    Show(m_redScore, std::to_string(status.redRoundWins));
    Show(m_blueScore, std::to_string(status.blueRoundWins));
    UpdateSquares(players);

    if (m_roundSeen && status.roundNumber != m_roundNumber) {
        SetRoundTime(0.0, 0.0);
    }
    m_roundNumber = status.roundNumber;
    m_roundSeen = true;
    if (deltaTime > 0.0 && std::isfinite(deltaTime)) {
        SetRoundTime(m_minutes, m_seconds + deltaTime);
    }
    const bool counting = status.countdownActive || status.matchOver;
    Show(m_clock, counting ? CountdownText(status.countdownSeconds) : ClockText(m_minutes, m_seconds));
}

void TeamStatusBar::UpdateSquares(const std::vector<HudPlayer>& players) {
    // Squares of players who left or changed team go first, so that their places are free again.
    std::erase_if(m_squares, [&](const std::unique_ptr<Square>& square) {
        return std::none_of(players.begin(), players.end(), [&](const HudPlayer& player) {
            return player.id == square->id && player.team == square->team;
        });
    });
    for (const HudPlayer& player : players) {
        if (player.team != kRedTeam && player.team != kBlueTeam) {
            continue;
        }
        auto found =
            std::find_if(m_squares.begin(), m_squares.end(),
                         [&](const std::unique_ptr<Square>& square) { return square->id == player.id; });
        if (found == m_squares.end()) {
            AddSquare(player);
            found = std::prev(m_squares.end());
        }
        Square& square = **found;
        const char* picture = !player.alive             ? kDeadTexture
                              : player.team == kRedTeam ? kRedSquareTexture
                                                        : kBlueSquareTexture;
        if (square.picture.Texture() != picture) {
            square.picture.SetTexture(picture);
        }
    }
}

void TeamStatusBar::AddSquare(const HudPlayer& player) {
    std::size_t index = 0;
    while (std::any_of(m_squares.begin(), m_squares.end(), [&](const std::unique_ptr<Square>& square) {
        return square->team == player.team && square->index == index;
    })) {
        ++index;
    }
    auto square = std::make_unique<Square>();
    square->id = player.id;
    square->team = player.team;
    square->index = index;
    const float side = player.team == kRedTeam ? -1.0f : 1.0f;
    const float x = side * (static_cast<float>(index) * kSquareStep + kFirstSquareX);
    square->picture.InitializeItem(x, m_top - 27.5f, kSquareSize, kSquareSize,
                                   player.team == kRedTeam ? kRedSquareTexture : kBlueSquareTexture);
    m_squares.push_back(std::move(square));
}

const TeamStatusBar::Square* TeamStatusBar::SquareOf(std::uint64_t id) const {
    for (const auto& square : m_squares) {
        if (square->id == id) {
            return square.get();
        }
    }
    return nullptr;
}

void TeamStatusBar::Render() const {
    m_background.Render();
    m_frame.Render();
    for (const auto& square : m_squares) {
        square->picture.Render();
    }
    GUIQueue& queue = GUIQueue::GetInstance();
    queue.AddText(&m_redScore);
    queue.AddText(&m_blueScore);
    queue.AddText(&m_clock);
}

void TeamStatusBar::Shutdown() {
    m_background.Shutdown();
    m_frame.Shutdown();
    m_redScore.Release();
    m_blueScore.Release();
    m_clock.Release();
    m_squares.clear();
}
