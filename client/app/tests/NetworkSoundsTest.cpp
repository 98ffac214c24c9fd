// The application's sound step on a ClientNetwork fed the server's messages through a recording peer: the
// queued sounds play at their places, rune loops pause when their rune is taken and stop at a round start, a
// new level or a reset, and over a hundred rounds at five frames per second the sounds held stay few.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "RecordingPeer.h"
#include "client/app/NetworkSounds.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/tests/RecordingSoundSystem.h"
#include "client/ui/tests/SoundFixture.h"
#include "protocol/ServerMessages.h"
#include "raknet/MessageIdentifiers.h"

namespace ombrin::test {
namespace {

const RakNet::RakNetGUID kServer{0x5E4E4E4E00000001ull};
const RakNet::RakNetGUID kPlayer{0x0000000000000A11ull};

constexpr protocol::Vec3 kHealAt{10, 0, 10};
constexpr protocol::Vec3 kInvisibleAt{-10, 0, 10};
constexpr protocol::Vec3 kShieldAt{0, 0, -10};

class NetworkSoundsTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(m_network.Initialize(&m_peer));
        Receive(std::vector<unsigned char>{RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
        ASSERT_TRUE(m_network.connected);
    }

    template <typename Message>
    void Receive(const Message& message) {
        m_peer.Deliver(message, kServer);
        m_network.Update(0.0);
    }
    // One frame's step: the sounds, then the events no reader took dropped.
    void Frame(SoundSystem& sound) {
        m_step.Play(m_network, sound);
        m_network.DropUnreadEvents();
    }
    // The rune loops played and not stopped.
    static long LoopsHeld(const RecordingSoundSystem& sounds) {
        return std::count_if(
            sounds.sounds.begin(), sounds.sounds.end(), [](const RecordingSoundSystem::Sound& p) {
                return p.state != SoundState::Gone && (p.number == SoundNumber(SoundId::RuneHeal) ||
                                                       p.number == SoundNumber(SoundId::RuneShield) ||
                                                       p.number == SoundNumber(SoundId::RuneInvisibility));
            });
    }
    static protocol::RunesSpawnedMessage Runes() {
        return protocol::RunesSpawnedMessage{{{{0, kHealAt}, {1, kInvisibleAt}, {2, kShieldAt}}}};
    }

    RecordingPeer m_peer;
    ClientNetwork m_network;
    NetworkSounds m_step;
};

TEST_F(NetworkSoundsTest, TheServersSoundsPlayAtTheirPlaces) {
    RecordingSoundSystem sounds;
    Receive(protocol::PlaySoundMessage{SoundNumber(SoundId::DeathFemale), {1.5f, 0.5f, -2.0f}});
    Receive(protocol::CountdownSecondsMessage{3});
    Receive(protocol::RoundStartedMessage{});
    Receive(Runes());
    Frame(sounds);
    EXPECT_EQ(sounds.Numbers(), (std::vector<int>{27, 30, 31, 36, 35, 39, 38, 33, 32}));
    EXPECT_EQ(sounds.sounds[0].position, glm::vec3(1.5f, 0.5f, -2.0f));
    EXPECT_EQ(sounds.sounds[4].position, glm::vec3(10, 0, 10)) << "the heal rune's loop at the rune";
    Frame(sounds);
    EXPECT_EQ(sounds.sounds.size(), 9u) << "each once";
}

// The spawn and loop of each rune are played; a taken rune's loop pauses, the others play on; whatever ends
// the round stops every loop for good, so that none keeps its source.
TEST_F(NetworkSoundsTest, RuneLoopsPauseWhenTakenAndStopWhenTheRoundEnds) {
    const int heal = SoundNumber(SoundId::RuneHeal);
    const int invisible = SoundNumber(SoundId::RuneInvisibility);
    const int shield = SoundNumber(SoundId::RuneShield);
    struct Case {
        const char* name;
        std::function<void(NetworkSoundsTest&)> end;
    };
    const Case cases[] = {
        {"a round start", [](NetworkSoundsTest& t) { t.Receive(protocol::RoundStartedMessage{}); }},
        {"a new level",
         [](NetworkSoundsTest& t) { t.Receive(protocol::NewLevelMessage{"../Ombrin/Levels/B.ZMDL"}); }},
        {"leaving the server", [](NetworkSoundsTest& t) { t.m_network.Disconnect(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSoundSystem sounds;
        Receive(Runes());
        Frame(sounds);
        EXPECT_EQ(m_step.RuneLoops(), 3u);

        Receive(protocol::HealRuneTakenMessage{kPlayer});
        Frame(sounds);
        EXPECT_EQ(sounds.StateOf(heal), SoundState::Paused);
        EXPECT_EQ(sounds.StateOf(invisible), SoundState::Playing);
        EXPECT_EQ(sounds.StateOf(shield), SoundState::Playing);

        // The heal rune comes back: its new loop plays, the paused one is let go.
        Receive(protocol::HealRuneRespawnedMessage{{0, kHealAt}});
        Frame(sounds);
        EXPECT_EQ(sounds.StateOf(heal), SoundState::Playing);
        EXPECT_EQ(LoopsHeld(sounds), 3) << "the new heal loop and the two others";

        Receive(protocol::RuneRemovedMessage{2});
        Frame(sounds);
        EXPECT_EQ(sounds.StateOf(shield), SoundState::Paused);

        c.end(*this);
        Frame(sounds);
        EXPECT_EQ(LoopsHeld(sounds), 0);
        EXPECT_EQ(m_step.RuneLoops(), 0u);
        if (!m_network.connected) {
            Receive(std::vector<unsigned char>{RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
        }
    }
}

// A hundred rounds of a match at five frames per second on the real sound manager: the countdown, the runes
// with their loops, one taken and the heal rune back, hits and deaths every frame. What it holds stays what
// one round plays at once.
class NetworkSoundsMixTest : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
        ASSERT_TRUE(m_network.Initialize(&m_peer));
        Receive(std::vector<unsigned char>{RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
    }
    template <typename Message>
    void Receive(const Message& message) {
        m_peer.Deliver(message, kServer);
        m_network.Update(0.0);
    }
    void Frame() {
        m_step.Play(m_network, m_sound);
        m_network.DropUnreadEvents();
        m_sound.Update();
        m_output.Render(0.2);
        m_mostHeld = std::max(m_mostHeld, m_sound.LiveSounds());
    }

    RecordingPeer m_peer;
    ClientNetwork m_network;
    NetworkSounds m_step;
    std::size_t m_mostHeld = 0;
};

TEST_F(NetworkSoundsMixTest, OverAHundredRoundsTheSoundsHeldStayFew) {
    for (int round = 0; round < 100; ++round) {
        for (int seconds = 5; seconds >= 1; --seconds) {
            Receive(protocol::CountdownSecondsMessage{seconds});
            Frame();
        }
        Receive(protocol::RoundStartedMessage{});
        Receive(protocol::RunesSpawnedMessage{{{{0, kHealAt}, {1, kInvisibleAt}, {2, kShieldAt}}}});
        for (int frame = 0; frame < 10; ++frame) {
            Receive(protocol::PlaySoundMessage{SoundNumber(SoundId::ShurikenThrow), {1, 0, 1}});
            Receive(protocol::PlaySoundMessage{SoundNumber(SoundId::MaleHurt), {2, 0, 1}});
            if (frame == 3) {
                Receive(protocol::HealRuneTakenMessage{kPlayer});
            }
            if (frame == 6) {
                Receive(protocol::HealRuneRespawnedMessage{{0, kHealAt}});
            }
            Frame();
        }
    }
    // Per frame two hits of half a second each, three loops, the spawn chimes: about a dozen at once.
    EXPECT_LE(m_mostHeld, 16u);
    EXPECT_LE(m_sound.SourcesMade(), 16u);
    EXPECT_EQ(m_step.RuneLoops(), 3u);
}

}  // namespace
}  // namespace ombrin::test
