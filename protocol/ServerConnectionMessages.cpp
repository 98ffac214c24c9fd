#include "protocol/ServerConnectionMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

constexpr auto kConnectionCountFields = [](auto& io, auto& m) {
    return io(m.connectionCount) && io(m.connection);
};
constexpr auto kLevelNameFields = [](auto& io, auto& m) { return io(m.levelPath); };
constexpr auto kPlayerEntryFields = [](auto& io, auto& e) {
    return io(e.guid) && io(e.playerIndex) && io(e.name) && io(e.position) && io(e.direction) && io(e.team) &&
           io(e.character) && io(e.maxHealth) && io(e.health) && io(e.alive) && io(e.invisible) &&
           io(e.tool) && io(e.deaths) && io(e.kills) && io(e.shield) && io(e.healing);
};
constexpr auto kPlayerListFields = [](auto& io, auto& m) {
    return detail::CountedList<std::uint32_t>(io, m.players, kPlayerEntryFields);
};
constexpr auto kJoinedLeftFields = [](auto& io, auto& m) { return io(m.name) && io(m.kind); };

}  // namespace

void Write(RakNet::BitStream& s, const ConnectionCountMessage& m) {
    detail::WriteMessage(s, m, kConnectionCountFields);
}
void Write(RakNet::BitStream& s, const LevelNameMessage& m) {
    detail::WriteMessage(s, m, kLevelNameFields);
}
void Write(RakNet::BitStream& s, const PlayerListMessage& m) {
    detail::WriteMessage(s, m, kPlayerListFields);
}
void Write(RakNet::BitStream& s, const PlayerJoinedLeftMessage& m) {
    detail::WriteMessage(s, m, kJoinedLeftFields);
}

bool Read(RakNet::BitStream& s, ConnectionCountMessage& m) {
    return detail::ReadMessage(s, m, kConnectionCountFields);
}
bool Read(RakNet::BitStream& s, LevelNameMessage& m) {
    return detail::ReadMessage(s, m, kLevelNameFields);
}
bool Read(RakNet::BitStream& s, PlayerListMessage& m) {
    return detail::ReadMessage(s, m, kPlayerListFields);
}
bool Read(RakNet::BitStream& s, PlayerJoinedLeftMessage& m) {
    return detail::ReadMessage(s, m, kJoinedLeftFields);
}

}  // namespace protocol
