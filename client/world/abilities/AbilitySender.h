// Where an ability reports its use: the server connection in the game (NetworkAbilitySender), a recorder in
// tests.
#pragma once

#include <cstdint>

class AbilitySender {
public:
    virtual ~AbilitySender() = default;
    // One use of the ability with this identifier; distance is how far ahead it is aimed, or 0.
    virtual void SendAbility(std::int32_t ability, float distance) = 0;
};
