#include "protocol/ServerCombatMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

constexpr auto kHealthFields = [](auto& io, auto& m) { return io(m.player) && io(m.health) && io(m.alive); };
constexpr auto kAbilityAckFields = [](auto& io, auto& m) { return io(m.ability); };
constexpr auto kDashTargetFields = [](auto& io, auto& m) { return io(m.target); };
constexpr auto kStabStartedFields = [](auto& io, auto& m) { return io(m.player); };
constexpr auto kDamageDealtFields = [](auto& io, auto& m) {
    return io(m.attacker) && io(m.damage) && io(m.victimPosition);
};
constexpr auto kKillNoticeFields = [](auto& io, auto& m) {
    return io(m.victim) && io(m.killer) && io(m.ability);
};
constexpr auto kHitEffectFields = [](auto& io, auto& m) { return io(m.ability) && io(m.position); };
constexpr auto kPlaySoundFields = [](auto& io, auto& m) { return io(m.sound) && io(m.position); };
constexpr auto kKillStatsFields = [](auto& io, auto& m) {
    return io(m.victim) && io(m.killer) && io(m.victimDeaths) && io(m.killerKills);
};

}  // namespace

void Write(RakNet::BitStream& s, const PlayerHealthMessage& m) {
    detail::WriteMessage(s, m, kHealthFields);
}
void Write(RakNet::BitStream& s, const UseAbilityAck& m) {
    detail::WriteMessage(s, m, kAbilityAckFields);
}
void Write(RakNet::BitStream& s, const DashTargetMessage& m) {
    detail::WriteMessage(s, m, kDashTargetFields);
}
void Write(RakNet::BitStream& s, const StabStartedMessage& m) {
    detail::WriteMessage(s, m, kStabStartedFields);
}
void Write(RakNet::BitStream& s, const DamageDealtMessage& m) {
    detail::WriteMessage(s, m, kDamageDealtFields);
}
void Write(RakNet::BitStream& s, const KillNoticeMessage& m) {
    detail::WriteMessage(s, m, kKillNoticeFields);
}
void Write(RakNet::BitStream& s, const HitEffectMessage& m) {
    detail::WriteMessage(s, m, kHitEffectFields);
}
void Write(RakNet::BitStream& s, const PlaySoundMessage& m) {
    detail::WriteMessage(s, m, kPlaySoundFields);
}
void Write(RakNet::BitStream& s, const KillStatsMessage& m) {
    detail::WriteMessage(s, m, kKillStatsFields);
}

bool Read(RakNet::BitStream& s, PlayerHealthMessage& m) {
    return detail::ReadMessage(s, m, kHealthFields);
}
bool Read(RakNet::BitStream& s, UseAbilityAck& m) {
    return detail::ReadMessage(s, m, kAbilityAckFields);
}
bool Read(RakNet::BitStream& s, DashTargetMessage& m) {
    return detail::ReadMessage(s, m, kDashTargetFields);
}
bool Read(RakNet::BitStream& s, StabStartedMessage& m) {
    return detail::ReadMessage(s, m, kStabStartedFields);
}
bool Read(RakNet::BitStream& s, DamageDealtMessage& m) {
    return detail::ReadMessage(s, m, kDamageDealtFields);
}
bool Read(RakNet::BitStream& s, KillNoticeMessage& m) {
    return detail::ReadMessage(s, m, kKillNoticeFields);
}
bool Read(RakNet::BitStream& s, HitEffectMessage& m) {
    return detail::ReadMessage(s, m, kHitEffectFields);
}
bool Read(RakNet::BitStream& s, PlaySoundMessage& m) {
    return detail::ReadMessage(s, m, kPlaySoundFields);
}
bool Read(RakNet::BitStream& s, KillStatsMessage& m) {
    return detail::ReadMessage(s, m, kKillStatsFields);
}

}  // namespace protocol
