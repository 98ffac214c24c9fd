#include "protocol/ClientMessages.h"
#include "protocol/ServerMessages.h"
#include "protocol/tests/MessageCase.h"

namespace protocol::test {

namespace {

const RakNet::RakNetGUID kGuidA{0x0102030405060708ull};
const RakNet::RakNetGUID kGuidB{0xF1E2D3C4B5A69788ull};
const Vec3 kPoint{1.5f, -2.25f, 40.0f};
const Vec3 kFacing{0.5f, 0.25f, -0.75f};
const GroundPoint kFrom{-3.5f, 12.0f};
const GroundPoint kTo{8.0f, -16.5f};

PlayerListEntry RosterEntry(RakNet::RakNetGUID guid, std::int32_t index, const char* name) {
    return {.guid = guid,
            .playerIndex = index,
            .name = name,
            .position = kPoint,
            .direction = kFacing,
            .team = 2,
            .character = 1,
            .maxHealth = 100.0f,
            .health = 55.0f,
            .alive = true,
            .invisible = true,
            .tool = 3,
            .deaths = 4,
            .kills = 6,
            .shield = 1.0f,
            .healing = true};
}

LobbyEntry LobbyMember(RakNet::RakNetGUID guid, const char* name) {
    return {.guid = guid, .character = 2, .tool = 1, .teamChoice = 2, .name = name, .ready = true};
}

std::vector<MessageCase> ClientCases() {
    return {
        MakeCase("PlayerListRequest", 137, 8, PlayerListRequest{}),
        MakeCase("PlayerPositionReport", 138, 8 + 96, PlayerPositionReport{kPoint}),
        MakeCase("PlayerDirectionReport", 139, 8 + 96, PlayerDirectionReport{kFacing}),
        MakeCase("UseAbilityRequest", 148, 8 + 64, UseAbilityRequest{.ability = 14, .distance = 12.5f}),
        MakeCase("StartGameRequest", 157, 8, StartGameRequest{}),
        MakeCase("AnimationReport", 158, 8 + 32, AnimationReport{7}),
        MakeCase("JoinGameRequest", 162, 8 + 16 + 40 + 96,
                 JoinGameRequest{.name = "Hanzo", .character = 2, .tool = 3, .teamRequest = 1}),
        MakeCase("RoundTimeRequest", 169, 8, RoundTimeRequest{}),
        MakeCase("ScoresRequest", 172, 8, ScoresRequest{}),
        MakeCase("RuneStateRequest", 187, 8, RuneStateRequest{}),
        MakeCase("VisiblePlayersReport", 194, 8 + 8 + 24, VisiblePlayersReport{{3, 5, 7}}),
        // The name's bytes start on a byte boundary; the ready bit follows them.
        MakeCase(
            "LobbyChoiceReport", 198, 8 + 96 + 16 + 48 + 1,
            LobbyChoiceReport{.character = 1, .tool = 2, .teamChoice = 2, .name = "Kasumi", .ready = true}),
    };
}

std::vector<MessageCase> ConnectionAndMovementCases() {
    return {
        MakeCase("ConnectionCountMessage", 135, 8 + 32 + 64, ConnectionCountMessage{3, kGuidA}),
        MakeCase("LevelNameMessage", 136, 8 + 16 + 17 * 8, LevelNameMessage{"Levels/Arena.ZMDL"}),
        MakeCase("PlayerListMessage_Empty", 137, 8 + 32, PlayerListMessage{}),
        // Entry 1 ends at bit 627 after the healing bit, so entry 2's name length ends at 739 and its bytes
        // start at the boundary 744; entry 2 ends at 1219.
        MakeCase("PlayerListMessage", 137, 1219,
                 PlayerListMessage{{RosterEntry(kGuidA, 1, "Kai"), RosterEntry(kGuidB, 2, "Ren")}}),
        MakeCase("PlayerJoinedLeftMessage", 163, 8 + 16 + 24 + 32, PlayerJoinedLeftMessage{"Kai", 3}),
        MakeCase("RespawnPositionMessage", 144, 8 + 96, RespawnPositionMessage{kPoint}),
        MakeCase("PositionRejectedMessage", 146, 8, PositionRejectedMessage{}),
        MakeCase("AnimationRelayMessage", 158, 8 + 64 + 32, AnimationRelayMessage{kGuidA, 4}),
        MakeCase("PositionUpdateMessage", 175, 8 + 8 + 24 + 24 + 16 + 16,
                 PositionUpdateMessage{.playerIndex = 5,
                                       .x = {6250, 4},
                                       .z = {-7500, 2},
                                       .directionX = {-70, -1},
                                       .directionZ = {99, 3}}),
        MakeCase("VisiblePlayersMessage", 194, 8 + 8 + 16, VisiblePlayersMessage{{1, 2}}),
        MakeCase("PlayerPositionRelay", 138, 8 + 64 + 96, PlayerPositionRelay{kGuidB, kPoint}),
        MakeCase("PlayerDirectionRelay", 139, 8 + 64 + 96, PlayerDirectionRelay{kGuidB, kFacing}),
    };
}

std::vector<MessageCase> CombatObjectCases() {
    return {
        MakeCase("ShurikenAddMessage", 140, 8 + 192 + 32 + 64 + 32 + 1,
                 ShurikenAddMessage{kPoint, kFacing, 77, kGuidA, 30.0f, true}),
        MakeCase("ShurikenRemoveMessage", 141, 40, ShurikenRemoveMessage{77}),
        MakeCase("ProjectileAddMessage", 142, 8 + 192 + 32 + 32 + 64 + 32,
                 ProjectileAddMessage{kPoint, kFacing, 2, 91, kGuidB, 45.0f}),
        MakeCase("ProjectileRemoveMessage", 143, 40, ProjectileRemoveMessage{91}),
        MakeCase("FanAddMessage", 164, 8 + 192 + 32 + 64 + 32,
                 FanAddMessage{kPoint, kFacing, 12, kGuidA, 20.0f}),
        MakeCase("FanRemoveMessage", 165, 40, FanRemoveMessage{12}),
        MakeCase("FanReturningMessage", 167, 8 + 32 + 32, FanReturningMessage{12, -0.015625f}),
        MakeCase("SmokeBombAddMessage", 153, 8 + 32 + 128 + 32, SmokeBombAddMessage{5, kFrom, kTo, 6.0f}),
        MakeCase("SmokeBombRemoveMessage", 154, 40, SmokeBombRemoveMessage{5}),
        MakeCase("SpikeTrapAddMessage", 159, 8 + 32 + 128 + 32 + 64 + 32,
                 SpikeTrapAddMessage{6, kFrom, kTo, 10.0f, kGuidB, 1}),
        MakeCase("SpikeTrapRemoveMessage", 160, 40, SpikeTrapRemoveMessage{6}),
        MakeCase("VolleyAddMessage", 168, 8 + 32 + 128 + 64, VolleyAddMessage{8, kFrom, kTo, kGuidA}),
        MakeCase("StickyTrapAddMessage", 170, 8 + 32 + 128 + 32 + 64,
                 StickyTrapAddMessage{9, kFrom, kTo, 8.0f, kGuidB}),
        MakeCase("StickyTrapRemoveMessage", 171, 40, StickyTrapRemoveMessage{9}),
        MakeCase("FlashBangMessage", 197, 8 + 128, FlashBangMessage{kFrom, kTo}),
    };
}

std::vector<MessageCase> CombatCases() {
    return {
        MakeCase("PlayerHealthMessage", 147, 8 + 64 + 32 + 1, PlayerHealthMessage{kGuidA, 55.0f, true}),
        MakeCase("UseAbilityAck", 148, 40, UseAbilityAck{13}),
        MakeCase("DashTargetMessage", 161, 8 + 96, DashTargetMessage{kPoint}),
        MakeCase("StabStartedMessage", 173, 8 + 64, StabStartedMessage{kGuidB}),
        MakeCase("DamageDealtMessage", 174, 8 + 64 + 32 + 96, DamageDealtMessage{kGuidA, 15.0f, kPoint}),
        MakeCase("KillNoticeMessage", 176, 8 + 128 + 32, KillNoticeMessage{kGuidA, kGuidB, 16}),
        MakeCase("HitEffectMessage", 177, 8 + 32 + 96, HitEffectMessage{9, kPoint}),
        MakeCase("PlaySoundMessage", 178, 8 + 32 + 96, PlaySoundMessage{31, kPoint}),
        MakeCase("KillStatsMessage", 183, 8 + 128 + 64, KillStatsMessage{kGuidA, kGuidB, 3, 8}),
    };
}

std::vector<MessageCase> RoundAndLobbyCases() {
    return {
        MakeCase("RoundWonMessage", 149, 40, RoundWonMessage{2}),
        MakeCase("RoundStartedMessage", 150, 8, RoundStartedMessage{}),
        MakeCase("RoundCountdownStartMessage", 151, 8, RoundCountdownStartMessage{}),
        MakeCase("CountdownSecondsMessage", 152, 40, CountdownSecondsMessage{7}),
        MakeCase("MatchWonMessage", 155, 40, MatchWonMessage{1}),
        MakeCase("NewLevelMessage", 156, 8 + 16 + 16 * 8, NewLevelMessage{"Levels/Dojo.ZMDL"}),
        MakeCase("RoundTimeMessage", 169, 8 + 128, RoundTimeMessage{1.0, 42.5}),
        MakeCase("ScoresMessage", 172, 8 + 32 + 128, ScoresMessage{{{1, 2}, {2, 1}}}),
        MakeCase("SuddenDeathMessage", 181, 9, SuddenDeathMessage{true}),
        MakeCase("StartGameMessage", 157, 8, StartGameMessage{}),
        // Entry 1 ends at bit 241 after the ready bit; entry 2's name length ends at 417, its bytes start at
        // 424.
        MakeCase("LobbyStateMessage", 198, 449,
                 LobbyStateMessage{{LobbyMember(kGuidA, "Kai"), LobbyMember(kGuidB, "Ren")}}),
    };
}

std::vector<MessageCase> RuneCases() {
    const RunePlacement heal{0, kPoint};
    const RunePlacement shield{2, kFacing};
    return {
        MakeCase("RunesSpawnedMessage", 184, 8 + 3 * 128,
                 RunesSpawnedMessage{{heal, RunePlacement{1, {-4.0f, 0.5f, 9.0f}}, shield}}),
        MakeCase("HealRuneRespawnedMessage", 185, 8 + 128, HealRuneRespawnedMessage{heal}),
        MakeCase("RuneRemovedMessage", 186, 40, RuneRemovedMessage{2}),
        MakeCase(
            "RuneStateMessage", 187, 8 + 3 * 129,
            RuneStateMessage{{RuneStateEntry{true, heal}, RuneStateEntry{false, RunePlacement{1, kFacing}},
                              RuneStateEntry{true, shield}}}),
        MakeCase("HealRuneTakenMessage", 189, 72, HealRuneTakenMessage{kGuidA}),
        MakeCase("ShieldRuneTakenMessage", 190, 72, ShieldRuneTakenMessage{kGuidB}),
        MakeCase("InvisibilityRuneTakenMessage", 191, 72, InvisibilityRuneTakenMessage{kGuidA}),
        MakeCase("ShieldEndedMessage", 192, 8, ShieldEndedMessage{}),
        MakeCase("InvisibilityEndedMessage", 193, 8, InvisibilityEndedMessage{}),
        MakeCase("HealingStateMessage", 195, 8 + 64 + 1, HealingStateMessage{kGuidB, true}),
        MakeCase("ShieldValueMessage", 196, 8 + 64 + 32, ShieldValueMessage{kGuidA, 0.5f}),
    };
}

std::vector<MessageCase> UnusedCases() {
    return {
        MakeCase("Unused166Message", 166, 8 + 32 + 2 * 96,
                 Unused166Message{{{4, 0xDEADBEEFu, 7u}, {5, 1u, 2u}}}),
        MakeCase("Unused179Message", 179, 8 + 32 + 96, Unused179Message{12, kPoint}),
        MakeCase("Unused180Message", 180, 8 + 32 + 96, Unused180Message{13, kFacing}),
        MakeCase("Unused182Message", 182, 40, Unused182Message{-9}),
    };
}

}  // namespace

std::vector<MessageCase> AllMessageCases() {
    std::vector<MessageCase> all;
    for (auto group : {ClientCases(), ConnectionAndMovementCases(), CombatObjectCases(), CombatCases(),
                       RoundAndLobbyCases(), RuneCases(), UnusedCases()}) {
        for (MessageCase& c : group) {
            all.push_back(std::move(c));
        }
    }
    return all;
}

}  // namespace protocol::test
