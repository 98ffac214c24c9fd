// The kill feed in the upper right corner of the match screen: up to five lines of killer, weapon icon and
// victim, the newest at the bottom, each shown for five seconds. When a line runs out, the lines below it
// move up one place; a kill that comes while five lines are shown replaces the fifth. The board lives as
// long as the program; the match feeds it and draws it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

// One kill as the board shows it: the ability that killed (its number on the wire) and both players' names
// and teams as the player list has them (an unknown player has no name and no team).
struct KillFeedEntry {
    std::int32_t ability = 0;
    std::string killerName;
    int killerTeam = 0;
    std::string victimName;
    int victimTeam = 0;
};

class DeathBoard {
public:
    static constexpr std::size_t kLineCount = 5;
    static constexpr double kLineSeconds = 5.0;
    static constexpr float kLineStep = 55.0f;
    static constexpr float kTextSize = 35.0f;
    static constexpr float kIconSize = 50.0f;
    static constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
    static constexpr const char* kBackgroundTexture = "../Ombrin/2DTextures/GUI/abilitybarLobby.png";
    static constexpr const char* kSuddenDeathKiller = "Evil Mist Demon";

    struct Line {
        MenuItem background;
        MenuItem icon;
        TextObject killer;  // both texts end at their x
        TextObject victim;
        double remaining = 0.0;  // seconds; shown while above 0
    };

    // Five empty lines in the corner of a window of that size. Returns true.
    bool Initialize(float windowWidth, float windowHeight);
    // Adds the kill below the lines shown, or in place of the fifth line when five are shown. Nothing is
    // added while the player is in the lobby. The names take their team's colour (a line keeps its last
    // colour for a player without a team); a sudden-death kill names the mist as the killer.
    void AddKill(const KillFeedEntry& kill, bool inLobby);
    // One frame of deltaTime seconds: every shown line ages, and the lines that ran out leave; the corner
    // follows the window's size for the lines added from now on.
    void Update(double deltaTime, float windowWidth, float windowHeight);
    // Queues each shown line, top first: background, killer, icon, victim.
    void Render() const;
    void Shutdown();

    // The icon for an ability number; "Unknown.png" for a number without one.
    static std::string IconTexture(std::int32_t ability);

    // How many lines are shown (they are always lines 0 .. count - 1).
    std::size_t ShownCount() const { return static_cast<std::size_t>(m_lastLine + 1); }
    const Line& LineAt(std::size_t index) const { return m_lines.at(index); }

private:
    // What a line says, kept so that it can move to another line.
    struct Content {
        std::string killer;
        std::string victim;
        std::uint32_t killerColour = kWhite;
        std::uint32_t victimColour = kWhite;
        std::string icon;
        double remaining = 0.0;
    };

    void Anchor(float windowWidth, float windowHeight);
    // Lays line index out with content at its own height.
    void Show(std::size_t index, const Content& content);

    float m_anchorX = 0.0f;
    float m_anchorY = 0.0f;
    std::array<Line, kLineCount> m_lines;
    std::array<Content, kLineCount> m_contents;
    int m_lastLine = -1;
};
