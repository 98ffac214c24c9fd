// A game with everything combat needs: the body models of GameFixture, small fixture shapes for shurikens,
// kunai, fans and runes, and a level with walls and runes of the test's choosing. Players are placed where
// a test wants them; abilities are used through the game state, as the dispatch does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GameFixture.h"
#include "protocol/MessageIds.h"

// The shapes the fixture writes for the flying objects and the runes (model space).
CollisionBox FixtureShurikenBox();
CollisionBox FixtureMegaShurikenBox();
CollisionBox FixtureKunaiBox();
CollisionBox FixtureFanBox();
CollisionBox FixtureRuneBox();

// A level box line (an obstacle) with this centre and these half-sizes.
std::string WallLine(const Float3& center, const Float3& halfSizes);
// A rune entity line of this kind ("Heal", "Invisible", "Shield") at a position in game coordinates.
std::string RuneLine(const std::string& kind, const Float3& position);

class CombatFixture : public GameFixture {
protected:
    // The runes of the standard combat level: heal, invisibility and shield, in that order.
    static const std::vector<std::string> kRunes;
    static constexpr Float3 kHealRune{0.0f, 0.0f, 20.0f};
    static constexpr Float3 kInvisibilityRune{20.0f, 0.0f, 20.0f};
    static constexpr Float3 kShieldRune{-20.0f, 0.0f, 20.0f};

    void SetUp() override;

    // Starts the game on a level with GameFixture's spawn points, these walls and these runes.
    void StartLevel(const std::vector<std::string>& walls = {},
                    const std::vector<std::string>& runes = kRunes);
    // A red and a blue player (GUIDs 101 and 102), both KatanaNinja.
    void StartDuel(const std::vector<std::string>& walls = {});

    // Puts the player at position, facing along facing.
    void Place(const RakNet::RakNetGUID& guid, const Float3& position,
               const Float3& facing = {1.0f, 0.0f, 0.0f});
    void Use(const RakNet::RakNetGUID& guid, protocol::AbilityId ability, float distance = 0.0f);
    float Health(const RakNet::RakNetGUID& guid) const { return Player(guid).health; }
    // Sends recorded since the last ClearSent, decoded.
    template <typename Message>
    std::vector<Message> Sent() const {
        return peer.Decoded<Message>();
    }
    // The sound numbers played, in order.
    std::vector<std::int32_t> Sounds() const;

    RakNet::RakNetGUID red;
    RakNet::RakNetGUID blue;
};
