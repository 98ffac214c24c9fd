// The four notices over the match, all white and centred: the round text ("Round started\nFight enemy
// team!"), the rune text, the joined/left text and the spectating text. A notice shown is opaque white and
// fades: every update its alpha drops by three steps, so it is gone 85 updates after it was shown, and once
// the alpha reaches 0 the whole colour is 0.
#pragma once

#include <cstdint>
#include <string>

#include "client/ui/TextObject.h"

class MatchNotices {
public:
    static constexpr std::uint32_t kShown = 0xFFFFFFFFu;
    static constexpr int kFadeSteps = 3;
    static constexpr const char* kRoundText = "Round started\nFight enemy team!";
    static constexpr const char* kRunesText = "Runes have spawned!";

    // The four texts, hidden: the round and rune texts on the window's centre, the other two 250 pixels
    // above it.
    void Initialize();
    void Shutdown();

    void ShowRoundStarted() { Show(m_round); }
    void ShowRunesAppeared();
    // "<name> has joined the red team" (kind 1), "... the blue team" (kind 2), "<name> has left the game"
    // (kind 3); another kind shows nothing.
    void ShowJoinedLeft(const std::string& name, int kind);
    void ShowSpectating(const std::string& name);

    // One update's fading of every notice.
    void Fade();
    // Queues the notices that are still visible.
    void Render() const;

    // The colour after one update's fading (alpha in the top byte).
    static std::uint32_t Faded(std::uint32_t colour);

    const TextObject& Round() const { return m_round; }
    const TextObject& Runes() const { return m_runes; }
    const TextObject& JoinedLeft() const { return m_joinedLeft; }
    const TextObject& Spectating() const { return m_spectating; }

private:
    static void Show(TextObject& text) { text.colour = kShown; }
    static void ShowText(TextObject& text, const std::string& value);

    TextObject m_round;
    TextObject m_runes;
    TextObject m_joinedLeft;
    TextObject m_spectating;
};
