#include "client/app/RandomPick.h"

namespace {
// A generator that keeps drawing the last pick is broken; after this many redraws the next pick is taken.
constexpr int kMostRedraws = 64;
}  // namespace

int NextRandomPick(int last, const std::function<unsigned()>& draw) {
    int pick = static_cast<int>(draw() % 12u);
    for (int redraws = 0; pick == last; ++redraws) {
        pick = redraws < kMostRedraws ? static_cast<int>(draw() % 9u) : (last + 1) % 9;
    }
    return pick;
}

LobbyChoice ChoiceOfPick(int pick) {
    if (pick >= 9 && pick <= 11) {
        return LobbyChoice{pick - 9, 3};
    }
    if (pick < 0 || pick > 11) {
        return LobbyChoice{};
    }
    return LobbyChoice{pick / 3, pick % 3};
}
