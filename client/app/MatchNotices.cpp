#include "client/app/MatchNotices.h"

#include "client/ui/GUIQueue.h"

namespace {

constexpr float kRoundSize = 70.0f;
constexpr float kNoticeSize = 50.0f;
constexpr float kUpperY = 250.0f;

}  // namespace

void MatchNotices::Initialize() {
    m_round.CreateSystemText(0u, kRoundText, kRoundSize, 0.0f, 0.0f);
    m_runes.CreateSystemText(0u, " ", kNoticeSize, 0.0f, 0.0f);
    m_joinedLeft.CreateSystemText(0u, " ", kNoticeSize, 0.0f, kUpperY);
    m_spectating.CreateSystemText(0u, " ", kNoticeSize, 0.0f, kUpperY);
}

void MatchNotices::Shutdown() {
    for (TextObject* text : {&m_round, &m_runes, &m_joinedLeft, &m_spectating}) {
        text->Release();
        text->colour = 0u;
    }
}

void MatchNotices::ShowText(TextObject& text, const std::string& value) {
    if (text.GetText() != value) {
        text.SetText(value);
    }
    Show(text);
}

void MatchNotices::ShowRunesAppeared() {
    ShowText(m_runes, kRunesText);
}

void MatchNotices::ShowJoinedLeft(const std::string& name, int kind) {
    const char* what = kind == 1   ? " has joined the red team"
                       : kind == 2 ? " has joined the blue team"
                       : kind == 3 ? " has left the game"
                                   : nullptr;
    if (what != nullptr) {
        ShowText(m_joinedLeft, name + what);
    }
}

void MatchNotices::ShowSpectating(const std::string& name) {
    ShowText(m_spectating, "Spectating " + name);
}

std::uint32_t MatchNotices::Faded(std::uint32_t colour) {
    const std::uint32_t alpha = colour >> 24;
    if (alpha <= static_cast<std::uint32_t>(kFadeSteps)) {
        return 0u;
    }
    return (colour & 0x00FFFFFFu) | ((alpha - kFadeSteps) << 24);
}

void MatchNotices::Fade() {
    for (TextObject* text : {&m_round, &m_runes, &m_joinedLeft, &m_spectating}) {
        text->colour = Faded(text->colour);
    }
}

void MatchNotices::Render() const {
    GUIQueue& queue = GUIQueue::GetInstance();
    for (const TextObject* text : {&m_round, &m_runes, &m_joinedLeft, &m_spectating}) {
        if ((text->colour >> 24) != 0u) {
            queue.AddText(text);
        }
    }
}
