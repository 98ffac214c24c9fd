#include "client/ui/Scoreboard.h"

#include <algorithm>

#include "client/ui/GUIQueue.h"
#include "protocol/GameFacts.h"

namespace {

constexpr float kNameX = Scoreboard::kPortraitSize - Scoreboard::kWidth / 2.0f + 50.0f;    // -157
constexpr float kScoreX = Scoreboard::kPortraitSize - Scoreboard::kWidth / 2.0f + 300.0f;  // 93

// The section of a team; false for a player without one.
bool SectionOf(int team, Scoreboard::Section& section) {
    if (team == kRedTeam) {
        section = Scoreboard::kRed;
        return true;
    }
    if (team == kBlueTeam) {
        section = Scoreboard::kBlue;
        return true;
    }
    return false;
}

Scoreboard::Section Other(Scoreboard::Section section) {
    return section == Scoreboard::kRed ? Scoreboard::kBlue : Scoreboard::kRed;
}

}  // namespace

bool Scoreboard::Initialize() {
    Shutdown();
    m_background.InitializeItem(0.0f, 0.0f, kWidth, kHeight, kBackgroundTexture);
    return true;
}

std::string Scoreboard::PortraitTexture(int character) {
    if (character < 0 || character >= kCharacterCount) {
        return kUnknownPortrait;
    }
    return "../Ombrin/2DTextures/Ninjas/ninja" + std::to_string(character + 1) + ".png";
}

float Scoreboard::PortraitX() {
    return kPortraitSize / 2.0f - kWidth / 2.0f + 25.0f;
}

float Scoreboard::RowY(Section section, std::size_t index) {
    const float sectionTop = section == kRed ? kRedSectionTop : kBlueSectionTop;
    return kHeight / 2.0f - kPortraitSize / 2.0f - sectionTop - kRowStep * static_cast<float>(index);
}

void Scoreboard::PlaceRow(Row& row, Section section, std::size_t index) {
    const float y = RowY(section, index);
    row.portrait.SetPosition(PortraitX(), y);
    row.deadMark.SetPosition(PortraitX(), y);
    row.name.SetPosition(kNameX, y);
    row.score.SetPosition(kScoreX, y);
}

void Scoreboard::SetFigures(Row& row, int kills, int deaths) {
    if (row.kills == kills && row.deaths == deaths && !row.score.GetText().empty()) {
        return;
    }
    row.kills = kills;
    row.deaths = deaths;
    row.score.SetText(std::to_string(kills) + "/" + std::to_string(deaths));
}

void Scoreboard::AddRow(Section section, const HudPlayer& player) {
    auto row = std::make_unique<Row>();
    row->portrait.InitializeItem(0.0f, 0.0f, kPortraitSize, kPortraitSize, PortraitTexture(player.character));
    row->deadMark.InitializeItem(0.0f, 0.0f, kPortraitSize, kPortraitSize, kDeadTexture);
    row->name.CreateText(kTextColour, player.name, kTextSize, kNameX, 0.0f);
    row->score.CreateText(kTextColour, "", kTextSize, kScoreX, 0.0f);
    SetFigures(*row, player.kills, player.deaths);
    row->alive = player.alive;
    m_sections[section][player.id] = std::move(row);
    m_moved[section] = true;
}

void Scoreboard::RemoveRow(Section section, std::uint64_t id) {
    if (m_sections[section].erase(id) > 0) {
        m_moved[section] = true;
    }
}

// Rows stand in the order the board draws them, so that a row's dead mark always lies on its portrait.
void Scoreboard::Relayout(Section section) {
    std::size_t index = 0;
    for (auto& [id, row] : m_sections[section]) {
        PlaceRow(*row, section, index++);
    }
    m_moved[section] = false;
}

void Scoreboard::Update(const HudPlayer& localPlayer, const std::vector<HudPlayer>& otherPlayers) {
    if (m_localPlaced && (localPlayer.team != m_localTeam || localPlayer.id != m_localId)) {
        RemoveRow(kRed, m_localId);
        RemoveRow(kBlue, m_localId);
        m_localPlaced = false;
    }
    Section section = kRed;
    if (!m_localPlaced && SectionOf(localPlayer.team, section)) {
        AddRow(section, localPlayer);
        m_localPlaced = true;
        m_localTeam = localPlayer.team;
        m_localId = localPlayer.id;
    }

    for (const HudPlayer& player : otherPlayers) {
        if (m_localPlaced && player.id == m_localId) {
            continue;
        }
        if (!SectionOf(player.team, section)) {
            continue;
        }
        RemoveRow(Other(section), player.id);
        if (!m_sections[section].contains(player.id)) {
            AddRow(section, player);
        }
    }

    for (Section each : {kRed, kBlue}) {
        const std::size_t gone = std::erase_if(m_sections[each], [&](const auto& entry) {
            if (m_localPlaced && entry.first == m_localId) {
                return false;
            }
            return std::none_of(otherPlayers.begin(), otherPlayers.end(),
                                [&](const HudPlayer& player) { return player.id == entry.first; });
        });
        if (gone > 0 || m_moved[each]) {
            Relayout(each);
        }
    }

    // Every row shows its player's figures as the list has them.
    auto follow = [this](const HudPlayer& player) {
        if (Row* row = FindRow(player.id)) {
            SetFigures(*row, player.kills, player.deaths);
            row->alive = player.alive;
        }
    };
    if (m_localPlaced) {
        follow(localPlayer);
    }
    for (const HudPlayer& player : otherPlayers) {
        if (!(m_localPlaced && player.id == m_localId)) {
            follow(player);
        }
    }
}

Scoreboard::Row* Scoreboard::FindRow(std::uint64_t id) {
    for (Rows& rows : m_sections) {
        if (auto found = rows.find(id); found != rows.end()) {
            return found->second.get();
        }
    }
    return nullptr;
}

const Scoreboard::Row* Scoreboard::RowOf(Section section, std::uint64_t id) const {
    const auto found = m_sections[section].find(id);
    return found != m_sections[section].end() ? found->second.get() : nullptr;
}

void Scoreboard::OnKillStats(std::uint64_t victim, std::uint64_t killer, int victimDeaths, int killerKills) {
    if (Row* row = FindRow(victim)) {
        SetFigures(*row, row->kills, victimDeaths);
    }
    if (killer == victim) {
        return;
    }
    if (Row* row = FindRow(killer)) {
        SetFigures(*row, killerKills, row->deaths);
    }
}

void Scoreboard::Render() const {
    m_background.Render();
    GUIQueue& queue = GUIQueue::GetInstance();
    for (const Rows& rows : m_sections) {
        for (const auto& [id, row] : rows) {
            row->portrait.Render();
            queue.AddText(&row->score);
            queue.AddText(&row->name);
            if (!row->alive) {
                row->deadMark.Render();
            }
        }
    }
}

void Scoreboard::Shutdown() {
    m_background.Shutdown();
    for (Section each : {kRed, kBlue}) {
        m_sections[each].clear();
        m_moved[each] = false;
    }
    m_localPlaced = false;
    m_localTeam = 0;
    m_localId = 0;
}
