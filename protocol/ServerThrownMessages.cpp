#include "protocol/ServerThrownMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

constexpr auto kSmokeBombAddFields = [](auto& io, auto& m) {
    return io(m.smokeBombId) && io(m.start) && io(m.target) && io(m.lifetime);
};
constexpr auto kSmokeBombRemoveFields = [](auto& io, auto& m) { return io(m.smokeBombId); };
constexpr auto kSpikeTrapAddFields = [](auto& io, auto& m) {
    return io(m.spikeTrapId) && io(m.start) && io(m.target) && io(m.lifetime) && io(m.owner) &&
           io(m.ownerTeam);
};
constexpr auto kSpikeTrapRemoveFields = [](auto& io, auto& m) { return io(m.spikeTrapId); };
constexpr auto kVolleyAddFields = [](auto& io, auto& m) {
    return io(m.volleyId) && io(m.start) && io(m.target) && io(m.owner);
};
constexpr auto kStickyTrapAddFields = [](auto& io, auto& m) {
    return io(m.stickyTrapId) && io(m.start) && io(m.target) && io(m.lifetime) && io(m.owner);
};
constexpr auto kStickyTrapRemoveFields = [](auto& io, auto& m) { return io(m.stickyTrapId); };
constexpr auto kFlashBangFields = [](auto& io, auto& m) { return io(m.start) && io(m.target); };

}  // namespace

void Write(RakNet::BitStream& s, const SmokeBombAddMessage& m) {
    detail::WriteMessage(s, m, kSmokeBombAddFields);
}
void Write(RakNet::BitStream& s, const SmokeBombRemoveMessage& m) {
    detail::WriteMessage(s, m, kSmokeBombRemoveFields);
}
void Write(RakNet::BitStream& s, const SpikeTrapAddMessage& m) {
    detail::WriteMessage(s, m, kSpikeTrapAddFields);
}
void Write(RakNet::BitStream& s, const SpikeTrapRemoveMessage& m) {
    detail::WriteMessage(s, m, kSpikeTrapRemoveFields);
}
void Write(RakNet::BitStream& s, const VolleyAddMessage& m) {
    detail::WriteMessage(s, m, kVolleyAddFields);
}
void Write(RakNet::BitStream& s, const StickyTrapAddMessage& m) {
    detail::WriteMessage(s, m, kStickyTrapAddFields);
}
void Write(RakNet::BitStream& s, const StickyTrapRemoveMessage& m) {
    detail::WriteMessage(s, m, kStickyTrapRemoveFields);
}
void Write(RakNet::BitStream& s, const FlashBangMessage& m) {
    detail::WriteMessage(s, m, kFlashBangFields);
}

bool Read(RakNet::BitStream& s, SmokeBombAddMessage& m) {
    return detail::ReadMessage(s, m, kSmokeBombAddFields);
}
bool Read(RakNet::BitStream& s, SmokeBombRemoveMessage& m) {
    return detail::ReadMessage(s, m, kSmokeBombRemoveFields);
}
bool Read(RakNet::BitStream& s, SpikeTrapAddMessage& m) {
    return detail::ReadMessage(s, m, kSpikeTrapAddFields);
}
bool Read(RakNet::BitStream& s, SpikeTrapRemoveMessage& m) {
    return detail::ReadMessage(s, m, kSpikeTrapRemoveFields);
}
bool Read(RakNet::BitStream& s, VolleyAddMessage& m) {
    return detail::ReadMessage(s, m, kVolleyAddFields);
}
bool Read(RakNet::BitStream& s, StickyTrapAddMessage& m) {
    return detail::ReadMessage(s, m, kStickyTrapAddFields);
}
bool Read(RakNet::BitStream& s, StickyTrapRemoveMessage& m) {
    return detail::ReadMessage(s, m, kStickyTrapRemoveFields);
}
bool Read(RakNet::BitStream& s, FlashBangMessage& m) {
    return detail::ReadMessage(s, m, kFlashBangFields);
}

}  // namespace protocol
