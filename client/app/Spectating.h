// What a dead player of a match watches. After a death the camera stays where it is for kDelay seconds
// (also after every round start); then it follows a living team mate, the left click moving on to the next
// one. A watched team mate's name is announced when the click chose it. With no living team mate there is
// nobody to follow and the camera stays where it is.
#pragma once

#include <vector>

class Player;

class Spectating {
public:
    static constexpr double kDelay = 2.0;

    // The team mate to follow this update (none: the camera stays), and whether to announce its name.
    struct Target {
        const Player* player = nullptr;
        bool announce = false;
    };

    // A new match: nobody watched, the delays at their start.
    void Reset();
    // A round started: the spectating delay starts again and no name is pending.
    void RoundStarted();
    // The local player's life this update: alive forgets the watched team mate; the first dead update
    // starts both delays. The death delay runs down while it is above 0.
    void UpdateLife(bool alive, double frameTime);
    // The dead player's update: the spectating delay runs down, then a living team mate is followed. An
    // index beyond the list starts again at the first team mate.
    Target Follow(const std::vector<const Player*>& livingTeamMates, double frameTime);
    // The left click while dead: the next update follows the next team mate and announces it.
    void Advance();

    bool IsDead() const { return m_dead; }
    int Index() const { return m_index; }
    double SpectateDelay() const { return m_spectateDelay; }
    double DeathDelay() const { return m_deathDelay; }

private:
    bool m_dead = false;
    int m_index = -1;
    bool m_next = false;
    double m_spectateDelay = kDelay;
    double m_deathDelay = 0.0;
};
