#include "client/app/LobbyTexts.h"

const std::array<std::array<const char*, kNinjaAbilityCount>, kNinjaCount> kAbilityDescriptions = {{
    {"The ninja makes a quick forward attack with his katana.",
     "The ninja throws a shuriken straight ahead.\n\nThis ability has 3 charges,\nallowing for a rapid "
     "flurry "
     "of shurikens.",
     "The ninja dashes forwards a short distance,\ndamaging enemies that he passes through.",
     "The ninja hurls an absurdly large shuriken,\ndoing heavy damage to enemies struck by it."},
    {"The ninja swings her metal tessen in an arc in front of her.",
     "The ninja attacks forward with her chain whip.",
     "The ninja throws her tessen like a boomerang,\nwhich returns to her if it strikes an enemy or object.",
     "The ninja spins her whip in a wide circle around her,\ndamaging enemies caught in its path."},
    {"The ninja swings his spear in front of him,\ndealing damage in a small arc.",
     "The ninja throws a kunai forwards.\n\nThis ability has 5 charges,\nallowing for a barrage of kunai.",
     "The ninja performs a flurry of stabs with his spear,\nover a short period of time.",
     "The ninja throws several kunai into the air,\nsending them in a high arc towards a small target.\nThis "
     "requires a precise aim, but deals massive damage."},
}};

const std::array<const char*, kLobbyToolCount> kToolDescriptions = {
    "The ninja scatter pointy caltrops over the area,\ndamaging enemies who enter the zone.",
    "The ninja lobs a smoke bomb at the target,\nobscuring vision for everyone in the area.",
    "The ninja shatters a vial of sticky sludge against the ground,\nhampering the movement of anyone who "
    "steps in the contents.",
    "The ninja throws a stun grenade,\nblinding anyone who stands to close to\nor looks towards its point of "
    "impact",
};
