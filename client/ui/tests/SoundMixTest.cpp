// What the sound manager mixes, measured on the loopback device with every sound a steady tone: distance and
// direction from the listener, ambients and their update, the wind's fixed volume, muting, the music stream,
// loops, and numbers that are not effects.
#include <gtest/gtest.h>

#include <algorithm>

#include "client/ui/tests/SoundFixture.h"

namespace ombrin::test {
namespace {

constexpr int kKunaiThrow = SoundNumber(SoundId::KunaiThrow);
constexpr int kFire = SoundNumber(SoundId::Fire);
constexpr int kWind = SoundNumber(SoundId::Wind);
constexpr int kRuneShield = SoundNumber(SoundId::RuneShield);
constexpr int kCountdownBeep = SoundNumber(SoundId::CountdownBeep);
constexpr int kOwner = 0;

using SoundMixTest = SoundFixture;

// How loud a sound is at a distance, against the same sound at the listener: linear to silence at the range.
TEST_F(SoundMixTest, PositionedSoundsFadeLinearlyToSilenceAtTheirRange) {
    struct Case {
        bool ambient;
        float distance;
    };
    const Case cases[] = {{false, 1.0f},  {false, 10.0f}, {false, 20.0f}, {false, 29.0f},
                          {false, 30.0f}, {false, 31.0f}, {false, 80.0f}, {true, 1.0f},
                          {true, 12.5f},  {true, 24.0f},  {true, 25.0f},  {true, 27.0f}};
    const auto measure = [this](bool ambient, float distance) {
        const glm::vec3 at{0.0f, 0.0f, distance};
        SoundHandle sound;
        if (ambient) {
            sound = m_sound.AddAmbientSound(kFire, at, &kOwner);
            m_sound.UpdateAmbientSounds();
        } else {
            sound = m_sound.PlaySound(kKunaiThrow, at);
        }
        EXPECT_TRUE(sound);
        const float loudness = m_output.Listen(0.2).Total();
        m_sound.StopSound(sound);
        return loudness;
    };
    const float atListener[2] = {measure(false, 0.0f), measure(true, 0.0f)};
    EXPECT_NEAR(atListener[0] / atListener[1], SoundManager::kEffectVolume, 0.02f)
        << "effects play at the effect volume, enabled ambients at full volume";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ambient ? "ambient" : "effect") + " at " + std::to_string(c.distance));
        const float range = c.ambient ? SoundManager::kAmbientRange : SoundManager::kEffectRange;
        const float expected = std::max(0.0f, 1.0f - c.distance / range);
        EXPECT_NEAR(measure(c.ambient, c.distance) / atListener[c.ambient ? 1 : 0], expected, 0.02f);
    }
}

// The game's frame is left-handed: facing +z, +x is on the right.
TEST_F(SoundMixTest, TheListenerHearsFromItsPlaceAndFacing) {
    enum class Heard { Right, Left, Nothing };
    struct Case {
        const char* name;
        glm::vec3 listener;
        glm::vec3 forward;
        glm::vec3 source;
        Heard heard;
    };
    const Case cases[] = {
        {"facing +z, the sound at +x", {0, 0, 0}, {0, 0, 1}, {5, 0, 0}, Heard::Right},
        {"facing +z, the sound at -x", {0, 0, 0}, {0, 0, 1}, {-5, 0, 0}, Heard::Left},
        {"facing -z, the sound at +x", {0, 0, 0}, {0, 0, -1}, {5, 0, 0}, Heard::Left},
        {"facing +x, the sound at +z", {0, 0, 0}, {1, 0, 0}, {0, 0, 5}, Heard::Left},
        {"moved with the sound on its right", {100, 0, 50}, {0, 0, 1}, {105, 0, 50}, Heard::Right},
        {"moved away beyond the range", {100, 0, 50}, {0, 0, 1}, {5, 0, 0}, Heard::Nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_sound.SetListener(c.listener, c.forward, {0, 1, 0});
        const SoundHandle sound = m_sound.PlaySound(kKunaiThrow, c.source);
        const Loudness heard = m_output.Listen(0.2);
        m_sound.StopSound(sound);
        switch (c.heard) {
            case Heard::Right:
                EXPECT_GT(heard.right, 2.0f * heard.left + 0.01f);
                break;
            case Heard::Left:
                EXPECT_GT(heard.left, 2.0f * heard.right + 0.01f);
                break;
            case Heard::Nothing:
                EXPECT_TRUE(heard.Silent()) << heard.Total();
                break;
        }
    }
}

// A stereo file for a positioned sound is mixed down, so that it still has a place.
TEST_F(SoundMixTest, AStereoFileOfAPositionedSoundStillComesFromItsPlace) {
    m_sound.Shutdown();
    ASSERT_TRUE(WriteToneWav(SoundFolder() / "KunaiThrow.wav", 2, kOnceSeconds));
    ASSERT_TRUE(m_sound.Initialize()) << m_sound.LastError();
    m_sound.PlaySound(kKunaiThrow, {5, 0, 0});
    const Loudness near = m_output.Listen(0.1);
    EXPECT_GT(near.right, 2.0f * near.left + 0.01f);
    m_sound.PlaySound(kKunaiThrow, {40, 0, 0});
    m_output.Render(kOnceSeconds);
    m_sound.Update();
    EXPECT_TRUE(m_output.Listen(0.1).Silent()) << "beyond the range";
}

TEST_F(SoundMixTest, AnAmbientIsSilentUntilTheNextUpdateAndPlaysWhileEnabled) {
    const SoundHandle fire = m_sound.AddAmbientSound(kFire, {0, 0, 2}, &kOwner);
    ASSERT_TRUE(fire);
    EXPECT_TRUE(m_output.Listen(0.1).Silent()) << "before any update";
    m_sound.Update();
    EXPECT_FALSE(m_output.Listen(0.1).Silent());

    m_sound.SetSoundEnabled(fire, false);
    EXPECT_FALSE(m_output.Listen(0.1).Silent()) << "until the next update";
    m_sound.UpdateAmbientSounds();
    EXPECT_TRUE(m_output.Listen(0.1).Silent());
    EXPECT_EQ(m_sound.GetSoundState(fire), SoundState::Playing) << "disabled, not stopped";

    m_sound.SetSoundEnabled(fire, true);
    m_sound.Update();
    EXPECT_FALSE(m_output.Listen(0.1).Silent());

    m_sound.SetSoundPosition(fire, {0, 0, 40});
    m_sound.Update();
    EXPECT_TRUE(m_output.Listen(0.1).Silent()) << "moved beyond the ambient range";
}

TEST_F(SoundMixTest, TheWindPlaysAtItsFixedVolumeWhateverItsFlag) {
    const SoundHandle beep = m_sound.PlaySound(kCountdownBeep, {50, 0, 50});
    const float beepLoudness = m_output.Listen(0.2).Total();
    m_sound.StopSound(beep);
    ASSERT_GT(beepLoudness, 0.1f) << "a flat sound plays wherever it is placed";

    const SoundHandle wind = m_sound.AddAmbientSound(kWind, {300, 0, 300}, &kOwner);
    for (bool enabled : {true, false, true}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        m_sound.SetSoundEnabled(wind, enabled);
        m_sound.Update();
        EXPECT_NEAR(m_output.Listen(0.2).Total() / beepLoudness,
                    SoundManager::kWindVolume / SoundManager::kEffectVolume, 0.02f);
    }
}

// A restart would play the one-shot again from its start: it would still sound after its own length.
TEST_F(SoundMixTest, MuteSilencesMusicEffectsAndAmbientsAndUnmuteResumesThem) {
    m_sound.PlayMenuMusic();
    const SoundHandle fire = m_sound.AddAmbientSound(kFire, {0, 0, 3}, &kOwner);
    const SoundHandle kunai = m_sound.PlaySound(kKunaiThrow, {0, 0, 1});
    m_sound.Update();
    const Loudness before = m_output.Render(0.1);
    EXPECT_FALSE(before.Silent());

    m_sound.MuteAll(true);
    m_sound.Update();
    EXPECT_TRUE(m_output.Listen(0.2).Silent());
    EXPECT_TRUE(m_sound.IsMusicPlaying()) << "the music plays on, muted";

    m_sound.MuteAll(false);
    m_sound.Update();
    EXPECT_NEAR(m_output.Listen(0.1).Total(), before.Total(), 0.1f * before.Total());
    EXPECT_EQ(m_sound.GetSoundState(fire), SoundState::Playing);
    // 0.44 s of the one-shot's 0.5 s have played; it ends on time.
    m_output.Render(kOnceSeconds - 0.44 + 0.02);
    m_sound.Update();
    EXPECT_EQ(m_sound.GetSoundState(kunai), SoundState::Gone);
}

TEST_F(SoundMixTest, TheMusicStreamLoopsWithoutAGapAtFiveFramesPerSecond) {
    m_sound.PlayMenuMusic();
    EXPECT_TRUE(m_sound.IsMusicPlaying());
    EXPECT_GT(RunFrames(2.5 * kMusicSeconds, 5.0).Total(), 0.5f * kToneLoudness * SoundManager::kEffectVolume)
        << "every frame, through the wraps at the music's end";

    // A frame far longer than the queued music: the stream runs dry, and the next update restarts it.
    m_output.Render(3.0);
    EXPECT_FALSE(RunFrames(0.4, 5.0).Silent());

    m_sound.ToggleMusic();
    EXPECT_FALSE(m_sound.IsMusicPlaying());
    EXPECT_TRUE(RunFrames(0.5, 5.0).Silent());
    m_sound.ToggleMusic();
    EXPECT_TRUE(m_sound.IsMusicPlaying());
    EXPECT_FALSE(RunFrames(0.4, 5.0).Silent());
    m_sound.StopMenuMusic();
    EXPECT_FALSE(m_sound.IsMusicPlaying());
    EXPECT_TRUE(RunFrames(0.4, 5.0).Silent());
}

TEST_F(SoundMixTest, ALoopPlaysUntilStoppedAndAPausedOneIsKept) {
    const SoundHandle shield = m_sound.PlaySound(kRuneShield, {0, 0, 1});
    ASSERT_TRUE(shield);
    EXPECT_FALSE(RunFrames(3.0 * kLoopSeconds, 5.0).Silent()) << "past the end of its file, every frame";

    m_sound.PauseSound(shield, true);
    EXPECT_TRUE(RunFrames(1.0, 5.0).Silent());
    EXPECT_EQ(m_sound.GetSoundState(shield), SoundState::Paused);
    EXPECT_EQ(m_sound.LiveSounds(), 1u) << "a paused loop is not a finished sound";

    m_sound.PauseSound(shield, false);
    EXPECT_FALSE(RunFrames(0.4, 5.0).Silent());
    m_sound.StopSound(shield);
    EXPECT_TRUE(RunFrames(0.4, 5.0).Silent());
    EXPECT_EQ(m_sound.LiveSounds(), 0u);
}

TEST_F(SoundMixTest, NumbersThatAreNotEffectsOrAmbientsPlayNothing) {
    struct Case {
        const char* name;
        int number;
        bool ambient;
    };
    const Case cases[] = {
        {"0", 0, false},
        {"41", 41, false},
        {"negative", -3, false},
        {"an ambient's number as an effect", kFire, false},
        {"an effect's number as an ambient", kKunaiThrow, true},
        {"outside the table as an ambient", 41, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SoundHandle sound = c.ambient ? m_sound.AddAmbientSound(c.number, {0, 0, 1}, &kOwner)
                                            : m_sound.PlaySound(c.number, {0, 0, 1});
        m_sound.Update();
        EXPECT_FALSE(sound);
        EXPECT_EQ(m_sound.LiveSounds(), 0u);
        EXPECT_TRUE(m_output.Listen(0.1).Silent());
    }
}

}  // namespace
}  // namespace ombrin::test
