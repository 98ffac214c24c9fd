#include "protocol/ServerLobbyMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

using detail::kNoFields;

constexpr auto kLobbyEntryFields = [](auto& io, auto& e) {
    return io(e.guid) && io(e.character) && io(e.tool) && io(e.teamChoice) && io(e.name) && io(e.ready);
};
constexpr auto kLobbyStateFields = [](auto& io, auto& m) {
    return detail::CountedList<std::uint32_t>(io, m.members, kLobbyEntryFields);
};

}  // namespace

void Write(RakNet::BitStream& s, const StartGameMessage& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const LobbyStateMessage& m) {
    detail::WriteMessage(s, m, kLobbyStateFields);
}

bool Read(RakNet::BitStream& s, StartGameMessage& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, LobbyStateMessage& m) {
    return detail::ReadMessage(s, m, kLobbyStateFields);
}

}  // namespace protocol
