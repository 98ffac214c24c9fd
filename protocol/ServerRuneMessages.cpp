#include "protocol/ServerRuneMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

using detail::kNoFields;

constexpr auto kPlacementFields = [](auto& io, auto& rune) { return io(rune.type) && io(rune.position); };
constexpr auto kStateEntryFields = [](auto& io, auto& entry) {
    return io(entry.present) && kPlacementFields(io, entry.rune);
};
constexpr auto kRunesSpawnedFields = [](auto& io, auto& m) {
    for (auto& rune : m.runes) {
        if (!kPlacementFields(io, rune)) {
            return false;
        }
    }
    return true;
};
constexpr auto kRespawnedFields = [](auto& io, auto& m) { return kPlacementFields(io, m.rune); };
constexpr auto kRuneRemovedFields = [](auto& io, auto& m) { return io(m.type); };
constexpr auto kRuneStateFields = [](auto& io, auto& m) {
    for (auto& entry : m.runes) {
        if (!kStateEntryFields(io, entry)) {
            return false;
        }
    }
    return true;
};
constexpr auto kPlayerFields = [](auto& io, auto& m) { return io(m.player); };
constexpr auto kHealingFields = [](auto& io, auto& m) { return io(m.player) && io(m.healing); };
constexpr auto kShieldValueFields = [](auto& io, auto& m) { return io(m.player) && io(m.shield); };

}  // namespace

void Write(RakNet::BitStream& s, const RunesSpawnedMessage& m) {
    detail::WriteMessage(s, m, kRunesSpawnedFields);
}
void Write(RakNet::BitStream& s, const HealRuneRespawnedMessage& m) {
    detail::WriteMessage(s, m, kRespawnedFields);
}
void Write(RakNet::BitStream& s, const RuneRemovedMessage& m) {
    detail::WriteMessage(s, m, kRuneRemovedFields);
}
void Write(RakNet::BitStream& s, const RuneStateMessage& m) {
    detail::WriteMessage(s, m, kRuneStateFields);
}
void Write(RakNet::BitStream& s, const HealRuneTakenMessage& m) {
    detail::WriteMessage(s, m, kPlayerFields);
}
void Write(RakNet::BitStream& s, const ShieldRuneTakenMessage& m) {
    detail::WriteMessage(s, m, kPlayerFields);
}
void Write(RakNet::BitStream& s, const InvisibilityRuneTakenMessage& m) {
    detail::WriteMessage(s, m, kPlayerFields);
}
void Write(RakNet::BitStream& s, const ShieldEndedMessage& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const InvisibilityEndedMessage& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const HealingStateMessage& m) {
    detail::WriteMessage(s, m, kHealingFields);
}
void Write(RakNet::BitStream& s, const ShieldValueMessage& m) {
    detail::WriteMessage(s, m, kShieldValueFields);
}

bool Read(RakNet::BitStream& s, RunesSpawnedMessage& m) {
    return detail::ReadMessage(s, m, kRunesSpawnedFields);
}
bool Read(RakNet::BitStream& s, HealRuneRespawnedMessage& m) {
    return detail::ReadMessage(s, m, kRespawnedFields);
}
bool Read(RakNet::BitStream& s, RuneRemovedMessage& m) {
    return detail::ReadMessage(s, m, kRuneRemovedFields);
}
bool Read(RakNet::BitStream& s, RuneStateMessage& m) {
    return detail::ReadMessage(s, m, kRuneStateFields);
}
bool Read(RakNet::BitStream& s, HealRuneTakenMessage& m) {
    return detail::ReadMessage(s, m, kPlayerFields);
}
bool Read(RakNet::BitStream& s, ShieldRuneTakenMessage& m) {
    return detail::ReadMessage(s, m, kPlayerFields);
}
bool Read(RakNet::BitStream& s, InvisibilityRuneTakenMessage& m) {
    return detail::ReadMessage(s, m, kPlayerFields);
}
bool Read(RakNet::BitStream& s, ShieldEndedMessage& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, InvisibilityEndedMessage& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, HealingStateMessage& m) {
    return detail::ReadMessage(s, m, kHealingFields);
}
bool Read(RakNet::BitStream& s, ShieldValueMessage& m) {
    return detail::ReadMessage(s, m, kShieldValueFields);
}

}  // namespace protocol
