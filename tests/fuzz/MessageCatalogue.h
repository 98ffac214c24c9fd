// Every game message type of both directions as type lists, and the round-trip check the fuzz targets apply
// to bytes that claim to be a message: read by the layout of its identifier, written again, read again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/ServerMessages.h"
#include "raknet/BitStream.h"

namespace fuzz {

template <typename... Messages>
struct MessageList {};

using ClientMessages =
    MessageList<protocol::PlayerListRequest, protocol::PlayerPositionReport, protocol::PlayerDirectionReport,
                protocol::UseAbilityRequest, protocol::StartGameRequest, protocol::AnimationReport,
                protocol::JoinGameRequest, protocol::RoundTimeRequest, protocol::ScoresRequest,
                protocol::RuneStateRequest, protocol::VisiblePlayersReport, protocol::LobbyChoiceReport>;

using ServerMessages = MessageList<
    protocol::PlayerHealthMessage, protocol::UseAbilityAck, protocol::DashTargetMessage,
    protocol::StabStartedMessage, protocol::DamageDealtMessage, protocol::KillNoticeMessage,
    protocol::HitEffectMessage, protocol::PlaySoundMessage, protocol::KillStatsMessage,
    protocol::ConnectionCountMessage, protocol::LevelNameMessage, protocol::PlayerListMessage,
    protocol::PlayerJoinedLeftMessage, protocol::StartGameMessage, protocol::LobbyStateMessage,
    protocol::PlayerPositionRelay, protocol::PlayerDirectionRelay, protocol::RespawnPositionMessage,
    protocol::PositionRejectedMessage, protocol::AnimationRelayMessage, protocol::PositionUpdateMessage,
    protocol::VisiblePlayersMessage, protocol::ShurikenAddMessage, protocol::ShurikenRemoveMessage,
    protocol::ProjectileAddMessage, protocol::ProjectileRemoveMessage, protocol::FanAddMessage,
    protocol::FanRemoveMessage, protocol::FanReturningMessage, protocol::RoundWonMessage,
    protocol::RoundStartedMessage, protocol::RoundCountdownStartMessage, protocol::CountdownSecondsMessage,
    protocol::MatchWonMessage, protocol::NewLevelMessage, protocol::RoundTimeMessage, protocol::ScoresMessage,
    protocol::SuddenDeathMessage, protocol::RunesSpawnedMessage, protocol::HealRuneRespawnedMessage,
    protocol::RuneRemovedMessage, protocol::RuneStateMessage, protocol::HealRuneTakenMessage,
    protocol::ShieldRuneTakenMessage, protocol::InvisibilityRuneTakenMessage, protocol::ShieldEndedMessage,
    protocol::InvisibilityEndedMessage, protocol::HealingStateMessage, protocol::ShieldValueMessage,
    protocol::SmokeBombAddMessage, protocol::SmokeBombRemoveMessage, protocol::SpikeTrapAddMessage,
    protocol::SpikeTrapRemoveMessage, protocol::VolleyAddMessage, protocol::StickyTrapAddMessage,
    protocol::StickyTrapRemoveMessage, protocol::FlashBangMessage, protocol::Unused166Message,
    protocol::Unused179Message, protocol::Unused180Message, protocol::Unused182Message>;

enum class ReadOutcome {
    UnknownIdentifier,  // no message of the list has the first byte as identifier
    Refused,            // the reader refused the bytes
    RoundTrips,         // read, written and read again to the same bytes
};

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::UnknownIdentifier;
    std::vector<std::uint8_t> rewritten;  // the message written again (RoundTrips)
    std::uint32_t bitsRead = 0;           // how far the first read went (RoundTrips)
    std::string fault;                    // set when reader and writer disagree
};

namespace detail {

template <typename Message>
void TryMessage(const std::vector<std::uint8_t>& bytes, ReadResult& result) {
    if (bytes.empty() || bytes[0] != Message::kId || result.outcome != ReadOutcome::UnknownIdentifier) {
        return;
    }
    RakNet::BitStream in(bytes.data(), static_cast<unsigned int>(bytes.size()), false);
    Message message{};
    if (!protocol::Read(in, message)) {
        result.outcome = ReadOutcome::Refused;
        if (in.GetReadOffset() != 0) {
            result.fault = "a refused read moved the read position";
        }
        return;
    }
    result.outcome = ReadOutcome::RoundTrips;
    result.bitsRead = in.GetReadOffset();
    RakNet::BitStream first;
    protocol::Write(first, message);
    result.rewritten.assign(first.GetData(), first.GetData() + first.GetNumberOfBytesUsed());
    if (first.GetNumberOfBitsUsed() != result.bitsRead) {
        result.fault = "the reader took " + std::to_string(result.bitsRead) + " bits, the writer wrote " +
                       std::to_string(first.GetNumberOfBitsUsed());
        return;
    }
    RakNet::BitStream again(result.rewritten.data(), static_cast<unsigned int>(result.rewritten.size()),
                            false);
    Message reread{};
    if (!protocol::Read(again, reread)) {
        result.fault = "the writer's bytes do not read back";
        return;
    }
    RakNet::BitStream second;
    protocol::Write(second, reread);
    if (std::vector<std::uint8_t>(second.GetData(), second.GetData() + second.GetNumberOfBytesUsed()) !=
        result.rewritten) {
        result.fault = "the message does not survive writing and reading";
    }
}

template <typename... Messages>
ReadResult ReadAs(MessageList<Messages...>, const std::vector<std::uint8_t>& bytes) {
    ReadResult result;
    (TryMessage<Messages>(bytes, result), ...);
    return result;
}

}  // namespace detail

// Reads bytes as the message of their first byte among List (ClientMessages or ServerMessages).
template <typename List>
ReadResult ReadAsMessage(const std::vector<std::uint8_t>& bytes) {
    return detail::ReadAs(List{}, bytes);
}

}  // namespace fuzz
