// The menu and the lobby on the null engine, connected through a ClientNetwork around a recording peer: a
// scratch run layout with a one-pixel picture for every texture the two states use (so that each picture
// has its own engine texture and the test can tell which ones a frame draws), the window facts, default
// settings, and helpers that click, type, run frames and play the server's part.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Lumagrid/RecordedCall.h"
#include "RecordingPeer.h"
#include "client/app/Camera.h"
#include "client/app/GameState.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/tests/TestFiles.h"
#include "raknet/MessageIdentifiers.h"

namespace ombrin::test {

inline const RakNet::RakNetGUID kServer{0x5E4E4E4E00000001ull};

// A recording peer whose connection attempts start (or fail to start, as told) and are remembered.
class ConnectingPeer : public RecordingPeer {
public:
    struct Attempt {
        std::string host;
        unsigned short port = 0;
    };

    RakNet::ConnectionAttemptResult Connect(const char* host, unsigned short remotePort, const char*, int,
                                            void*, unsigned, unsigned, unsigned, RakNet::TimeMS) override {
        attempts.push_back(Attempt{host != nullptr ? host : "", remotePort});
        return result;
    }
    void Shutdown(unsigned int blockDuration, unsigned char orderingChannel,
                  RakNet::PacketPriority priority) override {
        ++shutdowns;
        RecordingPeer::Shutdown(blockDuration, orderingChannel, priority);
    }

    std::vector<Attempt> attempts;
    RakNet::ConnectionAttemptResult result = RakNet::CONNECTION_ATTEMPT_STARTED;
    int shutdowns = 0;
};

class StateFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 1024;

    void SetUp() override;
    void TearDown() override;

    // Input for the next frame, at a point in GUI space (pixels from the window centre, y up).
    void MoveMouse(float x, float y);
    void Click(float x, float y);
    void Type(int character);
    // One frame as the application runs it: the state's update, the events it left dropped, the network's
    // update, then the input ages.
    GameStateSwitch Frame(GameState& state, double deltaTime = 1.0 / 60.0);

    // A packet from the server, received at once.
    void ServerSends(const std::vector<unsigned char>& bytes);
    template <typename Message>
    void ServerSends(const Message& message) {
        peer.Deliver(message, kServer);
        network.Update(0.0);
    }
    // The transport's event for this client's connection (accepted, lost, ...).
    void ConnectionEvent(RakNet::MessageID id) { ServerSends(std::vector<unsigned char>{id}); }

    // What one render of the state draws: the pictures (texture paths, in drawing order) and the texts.
    std::vector<std::string> DrawnPictures(GameState& state);
    std::vector<std::string> DrawnTexts(GameState& state);
    static bool Contains(const std::vector<std::string>& list, const std::string& entry);
    // The engine calls a camera makes (view, light, line-of-sight view and polygon), in the order recorded.
    static std::vector<Lumaspace::RecordedCall> CameraCalls();
    // Checks that calls are exactly a frame of the overview camera: its shadow light, then its view.
    static void ExpectOverviewFrame(const std::vector<Lumaspace::RecordedCall>& calls, const Camera& camera);

    ScratchRunLayout m_layout{"states"};
    ConnectingPeer peer;
    ClientNetwork network;

private:
    void Draw(GameState& state);

    std::map<std::uint32_t, std::string> m_pictureOf;
    std::vector<std::string> m_pictures;
    std::vector<std::string> m_texts;
};

}  // namespace ombrin::test
