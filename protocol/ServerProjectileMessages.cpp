#include "protocol/ServerProjectileMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

constexpr auto kShurikenAddFields = [](auto& io, auto& m) {
    return io(m.start) && io(m.direction) && io(m.shurikenId) && io(m.owner) && io(m.speed) && io(m.mega);
};
constexpr auto kShurikenRemoveFields = [](auto& io, auto& m) { return io(m.shurikenId); };
constexpr auto kProjectileAddFields = [](auto& io, auto& m) {
    return io(m.start) && io(m.direction) && io(m.kind) && io(m.projectileId) && io(m.owner) && io(m.speed);
};
constexpr auto kProjectileRemoveFields = [](auto& io, auto& m) { return io(m.projectileId); };
constexpr auto kFanAddFields = [](auto& io, auto& m) {
    return io(m.start) && io(m.direction) && io(m.fanId) && io(m.owner) && io(m.speed);
};
constexpr auto kFanRemoveFields = [](auto& io, auto& m) { return io(m.fanId); };
constexpr auto kFanReturningFields = [](auto& io, auto& m) {
    return io(m.fanId) && io(m.remainingOutwardTime);
};

}  // namespace

void Write(RakNet::BitStream& s, const ShurikenAddMessage& m) {
    detail::WriteMessage(s, m, kShurikenAddFields);
}
void Write(RakNet::BitStream& s, const ShurikenRemoveMessage& m) {
    detail::WriteMessage(s, m, kShurikenRemoveFields);
}
void Write(RakNet::BitStream& s, const ProjectileAddMessage& m) {
    detail::WriteMessage(s, m, kProjectileAddFields);
}
void Write(RakNet::BitStream& s, const ProjectileRemoveMessage& m) {
    detail::WriteMessage(s, m, kProjectileRemoveFields);
}
void Write(RakNet::BitStream& s, const FanAddMessage& m) {
    detail::WriteMessage(s, m, kFanAddFields);
}
void Write(RakNet::BitStream& s, const FanRemoveMessage& m) {
    detail::WriteMessage(s, m, kFanRemoveFields);
}
void Write(RakNet::BitStream& s, const FanReturningMessage& m) {
    detail::WriteMessage(s, m, kFanReturningFields);
}

bool Read(RakNet::BitStream& s, ShurikenAddMessage& m) {
    return detail::ReadMessage(s, m, kShurikenAddFields);
}
bool Read(RakNet::BitStream& s, ShurikenRemoveMessage& m) {
    return detail::ReadMessage(s, m, kShurikenRemoveFields);
}
bool Read(RakNet::BitStream& s, ProjectileAddMessage& m) {
    return detail::ReadMessage(s, m, kProjectileAddFields);
}
bool Read(RakNet::BitStream& s, ProjectileRemoveMessage& m) {
    return detail::ReadMessage(s, m, kProjectileRemoveFields);
}
bool Read(RakNet::BitStream& s, FanAddMessage& m) {
    return detail::ReadMessage(s, m, kFanAddFields);
}
bool Read(RakNet::BitStream& s, FanRemoveMessage& m) {
    return detail::ReadMessage(s, m, kFanRemoveFields);
}
bool Read(RakNet::BitStream& s, FanReturningMessage& m) {
    return detail::ReadMessage(s, m, kFanReturningFields);
}

}  // namespace protocol
