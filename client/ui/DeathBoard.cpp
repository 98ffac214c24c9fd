#include "client/ui/DeathBoard.h"

#include <algorithm>
#include <cmath>

#include "client/ui/GUIQueue.h"
#include "client/ui/TeamColours.h"
#include "protocol/MessageIds.h"

namespace {

constexpr float kFromRight = 40.0f;
constexpr float kFromTop = 30.0f;
constexpr float kFirstGap = 22.5f;  // between texts and icon of the empty lines
constexpr float kGap = 30.0f;       // between texts and icon of a kill
constexpr float kBackgroundMargin = 85.0f;
constexpr float kBackgroundShift = 10.0f;
constexpr const char* kIconFolder = "../Ombrin/2DTextures/DeathBoard/";
constexpr const char* kUnknownIcon = "Unknown.png";

struct AbilityIcon {
    protocol::AbilityId ability;
    const char* file;
};

constexpr AbilityIcon kIcons[] = {
    {protocol::AbilityId::ShurikenAbility, "n1ranged.png"},
    {protocol::AbilityId::Dash, "n1q.png"},
    {protocol::AbilityId::MeleeSwing, "n1melee.png"},
    {protocol::AbilityId::MegaShuriken, "n1e.png"},
    {protocol::AbilityId::SpikeAbility, "caltrop.png"},
    {protocol::AbilityId::FanMelee, "n2melee.png"},
    {protocol::AbilityId::WhipPrimaryAttackAbility, "n2ranged.png"},
    {protocol::AbilityId::WhipSecondaryAttackAbility, "n2e.png"},
    {protocol::AbilityId::FanBoomerangAbility, "n2q.png"},
    {protocol::AbilityId::NaginataSlash, "n3melee.png"},
    {protocol::AbilityId::KunaiAbility, "n3ranged.png"},
    {protocol::AbilityId::NaginataStab, "n3q.png"},
    {protocol::AbilityId::VolleyAbility, "n3e.png"},
};

// The texts end at their x: trailing alignment takes effect with the next layout.
void CreateEndingText(TextObject& text, const std::string& value, float x, float y) {
    text.CreateText(DeathBoard::kWhite, value, DeathBoard::kTextSize, x, y);
    text.alignment = TextObject::kTrailing;
    text.SetText(value);
}

}  // namespace

std::string DeathBoard::IconTexture(std::int32_t ability) {
    for (const AbilityIcon& icon : kIcons) {
        if (static_cast<std::int32_t>(icon.ability) == ability) {
            return std::string(kIconFolder) + icon.file;
        }
    }
    return std::string(kIconFolder) + kUnknownIcon;
}

void DeathBoard::Anchor(float windowWidth, float windowHeight) {
    m_anchorX = windowWidth / 2.0f - kFromRight;
    m_anchorY = windowHeight / 2.0f - kFromTop;
}

bool DeathBoard::Initialize(float windowWidth, float windowHeight) {
    Anchor(windowWidth, windowHeight);
    for (std::size_t i = 0; i < kLineCount; ++i) {
        Line& line = m_lines[i];
        line.background.InitializeItem(m_anchorX, m_anchorY, kIconSize, kIconSize, kBackgroundTexture);
        CreateEndingText(line.victim, "Name", m_anchorX, m_anchorY);
        const float iconX = m_anchorX - (line.victim.GetWidth() + kFirstGap);
        line.icon.InitializeItem(iconX, m_anchorY, kIconSize, kIconSize, IconTexture(-1));
        CreateEndingText(line.killer, "Name", iconX - kFirstGap, m_anchorY);
        line.remaining = 0.0;
        m_contents[i] = Content{};
    }
    m_lastLine = -1;
    return true;
}

void DeathBoard::AddKill(const KillFeedEntry& kill, bool inLobby) {
    if (inLobby) {
        return;
    }
    if (m_lastLine < static_cast<int>(kLineCount) - 1) {
        ++m_lastLine;
    }
    const std::size_t index = static_cast<std::size_t>(m_lastLine);
    const Content& previous = m_contents[index];
    Content content;
    content.victim = kill.victimName;
    content.victimColour = TeamColour(kill.victimTeam, previous.victimColour);
    content.killerColour = TeamColour(kill.killerTeam, previous.killerColour);
    content.icon = IconTexture(kill.ability);
    content.killer = kill.ability == static_cast<std::int32_t>(protocol::AbilityId::SuddenDeath)
                         ? kSuddenDeathKiller
                         : kill.killerName;
    content.remaining = kLineSeconds;
    Show(index, content);
}

void DeathBoard::Show(std::size_t index, const Content& content) {
    Line& line = m_lines[index];
    const float y = m_anchorY - kLineStep * static_cast<float>(index);
    line.victim.SetText(content.victim);
    line.victim.SetPosition(m_anchorX, y);
    line.victim.colour = content.victimColour;
    const float iconX = m_anchorX - (line.victim.GetWidth() + kGap);
    line.icon.InitializeItem(iconX, y, kIconSize, kIconSize, content.icon);
    line.killer.SetText(content.killer);
    line.killer.SetPosition(iconX - kGap, y);
    line.killer.colour = content.killerColour;
    const float width = line.victim.GetWidth() + kBackgroundMargin + line.killer.GetWidth();
    line.background.InitializeItem(m_anchorX - width / 2.0f + kBackgroundShift, y, width, kIconSize,
                                   kBackgroundTexture);
    line.remaining = content.remaining;
    m_contents[index] = content;
}

void DeathBoard::Update(double deltaTime, float windowWidth, float windowHeight) {
    Anchor(windowWidth, windowHeight);
    if (m_lastLine < 0) {
        return;
    }
    const double step = std::isfinite(deltaTime) ? std::max(deltaTime, 0.0) : 0.0;
    // Every shown line ages once; then the lines still shown close up, each keeping what it says.
    std::size_t kept = 0;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(m_lastLine); ++i) {
        Content content = m_contents[i];
        content.remaining -= step;
        if (content.remaining <= 0.0) {
            continue;
        }
        if (kept != i) {
            Show(kept, content);
        } else {
            m_contents[i].remaining = content.remaining;
            m_lines[i].remaining = content.remaining;
        }
        ++kept;
    }
    for (std::size_t i = kept; i < kLineCount; ++i) {
        m_lines[i].remaining = 0.0;
        m_contents[i].remaining = 0.0;
    }
    m_lastLine = static_cast<int>(kept) - 1;
}

void DeathBoard::Render() const {
    GUIQueue& queue = GUIQueue::GetInstance();
    for (const Line& line : m_lines) {
        if (line.remaining <= 0.0) {
            continue;
        }
        line.background.Render();
        queue.AddText(&line.killer);
        line.icon.Render();
        queue.AddText(&line.victim);
    }
}

void DeathBoard::Shutdown() {
    for (Line& line : m_lines) {
        line.background.Shutdown();
        line.icon.Shutdown();
        line.killer.Release();
        line.victim.Release();
        line.remaining = 0.0;
    }
    m_contents = {};
    m_lastLine = -1;
}
