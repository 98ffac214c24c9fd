// The client's records of the players: one per player in the match (the roster) and one per other player in
// the lobby.
#pragma once

#include <cstdint>
#include <string>

#include "protocol/WireTypes.h"
#include "raknet/RakNetTypes.h"

struct NetworkPlayer {
    std::string name;
    protocol::Vec3 position{};
    protocol::Vec3 direction{1.0f, 0.0f, 0.0f};
    RakNet::RakNetGUID guid{};
    int playerIndex = -1;  // -1: the empty record a failed lookup returns
    int team = 0;          // kRedTeam or kBlueTeam
    int character = 0;     // 0..2
    float maxHealth = 0.0f;
    float health = 0.0f;
    int tool = 0;  // 0..3
    int deaths = 0;
    int kills = 0;
    bool alive = false;
    bool invisible = false;
    float shield = 0.0f;  // 1.0 while a shield rune's shield is up
    bool healing = false;
};

struct LobbyPlayer {
    std::string name;
    int character = 0;
    int tool = 0;
    int team = 0;  // kRedTeam, kBlueTeam, anything else none
    bool ready = false;
    RakNet::RakNetGUID guid{};
};
