// The lobby's random button: one of twelve ninja-and-tool combinations, never the one picked last.
#pragma once

#include <functional>

struct LobbyChoice {
    int ninja = 0;
    int tool = 0;
};

// The pick after last: draw() mod 12, and while that equals last, draw() mod 9 instead. (So after a first
// draw equal to the last pick, the four picks with the fourth tool cannot come up.)
int NextRandomPick(int last, const std::function<unsigned()>& draw);
// Picks 0..8 are the three ninjas with the first three tools; 9, 10 and 11 give each ninja the fourth tool.
LobbyChoice ChoiceOfPick(int pick);
