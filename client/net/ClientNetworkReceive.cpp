// Draining the peer: the transport's connection events and the dispatch of game messages by identifier.
// Every payload is read whole with the protocol's readers before anything is stored; a message that does not
// read is dropped without touching the records.
#include <climits>
#include <cmath>

#include "client/net/ClientNetwork.h"
#include "client/net/LevelPath.h"
#include "raknet/MessageIdentifiers.h"
#include "shared/SoundNumbers.h"

using namespace RakNet;

void ClientNetwork::Receive() {
    connectionStatus = kNoConnectionEvent;
    while (Packet* packet = m_peer->Receive()) {
        HandlePacket(*packet);
        m_peer->DeallocatePacket(packet);
    }
}

bool ClientNetwork::HandleConnectionPacket(const Packet& packet) {
    switch (packet.data[0]) {
        case ID_CONNECTION_REQUEST_ACCEPTED:
            Log("Connected to the server.");
            connected = true;
            serverLost = false;
            connectionStatus = kConnectionAccepted;
            m_server = packet.guid;
            m_serverAddress = packet.systemAddress;
            SendPlayerListRequest(false);
            return true;
        case ID_CONNECTION_ATTEMPT_FAILED:
        case ID_NO_FREE_INCOMING_CONNECTIONS:
        case ID_INCOMPATIBLE_PROTOCOL_VERSION:
            // A full server and one of another version refuse the attempt: it failed as surely as an
            // attempt nobody answered, and the menu must learn of it.
            Log("Connection to server failed.");
            connectionStatus = kConnectionFailed;
            connectionFailure = packet.data[0];
            return true;
        case ID_DISCONNECTION_NOTIFICATION:
        case ID_CONNECTION_LOST:
            if (packet.guid != m_server) {
                return true;
            }
            Log(packet.data[0] == ID_CONNECTION_LOST ? "Lost connection to server." : "Server shut down.");
            connectionStatus = kServerGone;
            connected = false;
            serverLost = true;
            return true;
        default:
            return false;
    }
}

void ClientNetwork::HandlePacket(const Packet& packet) {
    if (packet.length == 0 || packet.data == nullptr) {
        return;
    }
    if (HandleConnectionPacket(packet)) {
        return;
    }
    const MessageID id = packet.data[0];
    if (id <= ID_USER_PACKET_ENUM || id > protocol::ID_LOBBY_STATE) {
        return;
    }
    // Game messages count only from the server this client connected to.
    if (packet.guid != m_server) {
        return;
    }
    BitStream stream(packet.data, packet.length, false);
    if (HandlePlayerMessage(stream, id) || HandleObjectMessage(stream, id) ||
        HandleRoundMessage(stream, id) || HandleRuneMessage(stream, id)) {
        return;
    }
}

bool ClientNetwork::HandleRoundMessage(BitStream& stream, MessageID id) {
    const auto read = [&](auto& message) { return protocol::Read(stream, message) || Dropped(id); };
    switch (id) {
        case protocol::ID_CONNECTION_COUNT: {
            protocol::ConnectionCountMessage message;
            if (read(message)) {
                const int count =
                    message.connectionCount > INT_MAX ? INT_MAX : static_cast<int>(message.connectionCount);
                connectionCount = count;
                Log(count < previousConnectionCount ? "Client disconnected." : "New client connected.");
                Log("Players connected: " + std::to_string(count));
                previousConnectionCount = count;
            }
            return true;
        }
        case protocol::ID_LEVEL_NAME: {
            protocol::LevelNameMessage message;
            if (read(message)) {
                if (IsAcceptedLevelPath(message.levelPath)) {
                    levelName = message.levelPath;
                } else {
                    Log("Refused the level path \"" + message.levelPath + "\".");
                }
            }
            return true;
        }
        case protocol::ID_ROUND_WON: {
            protocol::RoundWonMessage message;
            if (read(message)) {
                if (message.winningTeam == kRedTeam) {
                    ++redRoundWins;
                    Log("The red team won this round!");
                } else if (message.winningTeam == kBlueTeam) {
                    ++blueRoundWins;
                    Log("The blue team won this round!");
                }
                lastRoundWinner = message.winningTeam;
            }
            return true;
        }
        case protocol::ID_ROUND_STARTED: {
            protocol::RoundStartedMessage message;
            if (read(message)) {
                RoundStarted();
            }
            return true;
        }
        case protocol::ID_ROUND_COUNTDOWN_START: {
            protocol::RoundCountdownStartMessage message;
            if (read(message)) {
                Log("Next round starts in:");
                countdownActive = true;
            }
            return true;
        }
        case protocol::ID_COUNTDOWN_SECONDS: {
            protocol::CountdownSecondsMessage message;
            if (read(message)) {
                countdownSeconds = message.secondsLeft;
                if (message.secondsLeft >= 1 && message.secondsLeft <= 5) {
                    events.soundEvents.Push(SoundEvent{SoundNumber(SoundId::CountdownBeep), {}});
                }
                Log(std::to_string(message.secondsLeft) + ".");
            }
            return true;
        }
        case protocol::ID_MATCH_WON: {
            protocol::MatchWonMessage message;
            if (read(message)) {
                matchOver = true;
                matchWinner = message.winningTeam;
                if (message.winningTeam == kRedTeam) {
                    Log("The red team won this match!");
                } else if (message.winningTeam == kBlueTeam) {
                    Log("The blue team won this match!");
                }
            }
            return true;
        }
        case protocol::ID_NEW_LEVEL: {
            protocol::NewLevelMessage message;
            if (read(message)) {
                NewLevel(message.levelPath);
            }
            return true;
        }
        case protocol::ID_START_GAME: {
            protocol::StartGameMessage message;
            if (read(message)) {
                events.gameStarted.Raise();
            }
            return true;
        }
        case protocol::ID_ROUND_TIME: {
            protocol::RoundTimeMessage message;
            if (read(message)) {
                if (std::isfinite(message.minutes) && std::isfinite(message.seconds)) {
                    roundMinutes = message.minutes;
                    roundSeconds = message.seconds;
                    events.roundTimeReceived.Raise();
                } else {
                    Dropped(id);
                }
            }
            return true;
        }
        case protocol::ID_SCORES: {
            protocol::ScoresMessage message;
            if (read(message)) {
                redRoundWins = blueRoundWins = 0;
                for (const protocol::ScoreEntry& entry : message.scores) {
                    if (entry.team == kRedTeam) {
                        redRoundWins = entry.roundsWon;
                    } else if (entry.team == kBlueTeam) {
                        blueRoundWins = entry.roundsWon;
                    }
                }
            }
            return true;
        }
        case protocol::ID_SUDDEN_DEATH: {
            protocol::SuddenDeathMessage message;
            if (read(message)) {
                suddenDeath = message.active;
            }
            return true;
        }
        case protocol::ID_UNUSED_166: {
            protocol::Unused166Message message;
            read(message);
            return true;
        }
        case protocol::ID_UNUSED_179: {
            protocol::Unused179Message message;
            read(message);
            return true;
        }
        case protocol::ID_UNUSED_180: {
            protocol::Unused180Message message;
            read(message);
            return true;
        }
        case protocol::ID_UNUSED_182: {
            protocol::Unused182Message message;
            read(message);
            return true;
        }
        default:
            return false;
    }
}

// The server drops its world objects at a round start without removing them one by one.
void ClientNetwork::RoundStarted() {
    ++m_roundNumber;
    countdownActive = false;
    countdownSeconds = 0;
    suddenDeath = false;
    ForEachObjectList([](auto& list) { list.Clear(); });
    events.volleys.Clear();
    events.flashBangs.Clear();
    runes.clear();
    events.soundEvents.Push(SoundEvent{SoundNumber(SoundId::CountdownGong), {}});
    ForgetRuneLoops();
    Log("A new round has started!");
}

// The match is over and the server plays the next level: the client goes back to the lobby, and the local
// player is placed again by the first roster that lists it.
void ClientNetwork::NewLevel(const std::string& levelPath) {
    if (IsAcceptedLevelPath(levelPath)) {
        levelName = levelPath;
    } else {
        Log("Refused the level path \"" + levelPath + "\".");
    }
    events.newLevel.Raise();
    redRoundWins = blueRoundWins = 0;
    matchOver = false;
    matchWinner = 0;
    countdownActive = false;
    ForEachObjectList([](auto& list) { list.Clear(); });
    m_ownPlaced = false;
    ForgetRuneLoops();
    SendPlayerListRequest(true);
    events.soundEvents.Push(SoundEvent{SoundNumber(SoundId::CountdownGong), {}});
    Log("Starting a new match.");
}
