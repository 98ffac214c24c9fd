// The scoreboard shown while its key is held: a row per player in two sections, red above blue, each with
// the ninja's portrait, the name and kills/deaths, and the dead mark over the portrait of a dead player.
// Rows follow the player list: the local player's row is placed in its team's section, the others' rows
// appear, move between sections and go as the players join, change team and leave. Within a section rows
// stand in ascending id order, 60 pixels apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/HudPlayer.h"
#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

class Scoreboard {
public:
    static constexpr float kWidth = 514.0f;
    static constexpr float kHeight = 626.0f;
    static constexpr float kPortraitSize = 50.0f;
    static constexpr float kRowStep = 60.0f;
    static constexpr float kRedSectionTop = 97.0f;  // below the board's top edge
    static constexpr float kBlueSectionTop = 367.0f;
    static constexpr std::uint32_t kTextColour = 0xFF000000u;
    static constexpr float kTextSize = 25.0f;
    static constexpr const char* kBackgroundTexture = "../Ombrin/2DTextures/GUI/scoreboard_bg.png";
    static constexpr const char* kDeadTexture = "../Ombrin/2DTextures/GUI/statusBar_dead.png";
    static constexpr const char* kUnknownPortrait = "../Ombrin/2DTextures/GUI/TB_cd.png";

    enum Section { kRed, kBlue };

    struct Row {
        MenuItem portrait;
        MenuItem deadMark;
        TextObject name;
        TextObject score;  // "kills/deaths"
        int kills = 0;
        int deaths = 0;
        bool alive = false;
    };

    // The background and two empty sections. Returns true.
    bool Initialize();
    // Rows follow the players: the local player's row goes into its team's section (none for a player
    // without a team) and moves when the team changes; each other red or blue player has a row in its
    // team's section; rows of players no longer listed go, and the rows below close up. Every row takes its
    // player's kills, deaths and life from the list.
    void Update(const HudPlayer& localPlayer, const std::vector<HudPlayer>& otherPlayers);
    // A kill's new figures: the victim's row takes its deaths, the killer's row its kills (the same row for
    // a death without a killer). A player without a row (gone, or between sections) gets none from it.
    void OnKillStats(std::uint64_t victim, std::uint64_t killer, int victimDeaths, int killerKills);
    // Queues the background, then for the red and then the blue section each row: the portrait, the score,
    // the name and, for a dead player, the dead mark.
    void Render() const;
    // Frees every row; the board is empty until the next Initialize.
    void Shutdown();

    // The portrait of ninja 0..2; the placeholder picture for anything else.
    static std::string PortraitTexture(int character);
    // Where the portrait of row index of a section stands.
    static float PortraitX();
    static float RowY(Section section, std::size_t index);

    std::size_t RowCount(Section section) const { return m_sections[section].size(); }
    // The row of a player in a section; null when it has none there.
    const Row* RowOf(Section section, std::uint64_t id) const;
    bool LocalPlaced() const { return m_localPlaced; }

private:
    using Rows = std::map<std::uint64_t, std::unique_ptr<Row>>;

    void AddRow(Section section, const HudPlayer& player);
    // Removes the player's row from the section, if it has one.
    void RemoveRow(Section section, std::uint64_t id);
    void Relayout(Section section);
    static void PlaceRow(Row& row, Section section, std::size_t index);
    static void SetFigures(Row& row, int kills, int deaths);
    Row* FindRow(std::uint64_t id);

    MenuItem m_background;
    Rows m_sections[2];
    bool m_moved[2] = {false, false};  // rows came or went since the section was laid out
    bool m_localPlaced = false;
    int m_localTeam = 0;
    std::uint64_t m_localId = 0;
};
