// The bar at the top of the match screen: both teams' round wins, a square per player (red to the left,
// blue to the right, the dead picture while the player is dead) and the round clock, which between rounds
// and after the match counts down to what comes next instead ("-0:07").
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/HudPlayer.h"
#include "client/ui/MatchStatus.h"
#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

class TeamStatusBar {
public:
    static constexpr float kSquareSize = 50.0f;
    static constexpr float kSquareStep = 55.0f;
    static constexpr float kFirstSquareX = 68.5f;  // from the centre
    static constexpr const char* kBackgroundTexture = "../Ombrin/2DTextures/GUI/statusBar_bg.png";
    static constexpr const char* kFrameTexture = "../Ombrin/2DTextures/GUI/statusBar_frame.png";
    static constexpr const char* kRedSquareTexture = "../Ombrin/2DTextures/GUI/statusBar_redSquare.png";
    static constexpr const char* kBlueSquareTexture = "../Ombrin/2DTextures/GUI/statusBar_blueSquare.png";
    static constexpr const char* kDeadTexture = "../Ombrin/2DTextures/GUI/statusBar_dead.png";

    struct Square {
        std::uint64_t id = 0;
        int team = 0;
        std::size_t index = 0;  // place in its team's half, 0 next to the centre
        MenuItem picture;
    };

    // The bar at the top of a window of that height, scores 0 - 0, the clock at 0:00, no squares. Returns
    // true.
    bool Initialize(float windowHeight);
    // The clock as the server counts it (a round joined while it runs); carried into minutes past 60
    // seconds. Values below 0 count as 0.
    void SetRoundTime(double minutes, double seconds);
    // One frame of deltaTime seconds: the scores; a square for every red or blue player, placed at the
    // first free place of its team when the player appears or changes team and removed when it leaves,
    // dead or alive as the player is; the clock, restarted at 0:00 when a new round started.
    void Update(const MatchStatus& status, const std::vector<HudPlayer>& players, double deltaTime);
    // Queues the background, the frame, the squares, the scores and the clock.
    void Render() const;
    void Shutdown();

    // "M:SS" for a round clock, "-0:SS" for a countdown.
    static std::string ClockText(double minutes, double seconds);
    static std::string CountdownText(int seconds);

    const TextObject& RedScore() const { return m_redScore; }
    const TextObject& BlueScore() const { return m_blueScore; }
    const TextObject& Clock() const { return m_clock; }
    std::size_t SquareCount() const { return m_squares.size(); }
    // The square of a player; null when it has none.
    const Square* SquareOf(std::uint64_t id) const;

private:
    void UpdateSquares(const std::vector<HudPlayer>& players);
    void AddSquare(const HudPlayer& player);
    static void Show(TextObject& text, const std::string& value);

    float m_top = 0.0f;
    MenuItem m_background;
    MenuItem m_frame;
    TextObject m_redScore;
    TextObject m_blueScore;
    TextObject m_clock;
    std::vector<std::unique_ptr<Square>> m_squares;
    double m_minutes = 0.0;
    double m_seconds = 0.0;
    int m_roundNumber = 0;
    bool m_roundSeen = false;
};
