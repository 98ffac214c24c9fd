// How long the sound manager keeps what it plays: finished effects are reclaimed, a full pool takes the
// source of a finished effect, stopping ambients stops one owner's, and handles of sounds that went reach
// nothing.
#include <gtest/gtest.h>

#include <vector>

#include "client/ui/tests/SoundFixture.h"

namespace ombrin::test {
namespace {

constexpr int kKunaiThrow = SoundNumber(SoundId::KunaiThrow);
constexpr int kFire = SoundNumber(SoundId::Fire);
constexpr int kBird = SoundNumber(SoundId::Bird);
constexpr int kSteps = SoundNumber(SoundId::StepsOnLeaves);
constexpr int kRuneHeal = SoundNumber(SoundId::RuneHeal);

using SoundLifetimeTest = SoundFixture;

TEST_F(SoundLifetimeTest, OneUpdateReclaimsEveryFinishedEffect) {
    const SoundHandle first = m_sound.PlaySound(kKunaiThrow, {0, 0, 1});
    const SoundHandle second = m_sound.PlaySound(kKunaiThrow, {0, 0, 2});
    const SoundHandle loop = m_sound.PlaySound(kRuneHeal, {0, 0, 3});
    m_sound.Update();
    EXPECT_EQ(m_sound.LiveSounds(), 3u);
    m_output.Render(kOnceSeconds + 0.05);
    m_sound.Update();
    EXPECT_EQ(m_sound.LiveSounds(), 1u);
    EXPECT_EQ(m_sound.GetSoundState(first), SoundState::Gone);
    EXPECT_EQ(m_sound.GetSoundState(second), SoundState::Gone);
    EXPECT_EQ(m_sound.GetSoundState(loop), SoundState::Playing);
}

// Every source held by a loop: the next sound plays nothing. Once effects finished, sounds started before the
// next update take their sources.
TEST_F(SoundLifetimeTest, WithNoFreeSourceASoundTakesAFinishedEffectsOrPlaysNothing) {
    std::vector<SoundHandle> loops;
    for (std::size_t i = 0; i < SoundManager::kMaxSources; ++i) {
        loops.push_back(m_sound.PlaySound(kRuneHeal, {0, 0, 5}));
        ASSERT_TRUE(loops.back()) << i;
    }
    EXPECT_FALSE(m_sound.PlaySound(kKunaiThrow, {0, 0, 1}));
    EXPECT_FALSE(m_sound.AddAmbientSound(kFire, {0, 0, 1}, this));
    EXPECT_EQ(m_sound.LiveSounds(), SoundManager::kMaxSources);

    for (std::size_t i = 0; i < loops.size(); ++i) {
        m_sound.StopSound(loops[i]);
    }
    std::vector<SoundHandle> burst;
    for (std::size_t i = 0; i < SoundManager::kMaxSources; ++i) {
        burst.push_back(m_sound.PlaySound(kKunaiThrow, {0, 0, 1}));
    }
    m_output.Render(kOnceSeconds + 0.05);
    for (std::size_t i = 0; i < SoundManager::kMaxSources; ++i) {
        ASSERT_TRUE(m_sound.PlaySound(kKunaiThrow, {0, 0, 1})) << "after " << i << " without an update";
    }
    EXPECT_EQ(m_sound.LiveSounds(), SoundManager::kMaxSources);
    EXPECT_EQ(m_sound.SourcesMade(), SoundManager::kMaxSources);
    EXPECT_EQ(m_sound.GetSoundState(burst.front()), SoundState::Gone);
}

TEST_F(SoundLifetimeTest, StoppingAmbientsStopsOnlyTheirOwners) {
    const int menu = 0;
    const int lobby = 0;
    const SoundHandle menuFire = m_sound.AddAmbientSound(kFire, {0, 0, 2}, &menu);
    const SoundHandle lobbyFire = m_sound.AddAmbientSound(kFire, {0, 0, 2}, &lobby);
    const SoundHandle lobbyBirds = m_sound.AddAmbientSound(kBird, {0, 0, 2}, &lobby);
    m_sound.Update();

    m_sound.StopAmbientSounds(&lobby);
    m_sound.Update();
    EXPECT_EQ(m_sound.GetSoundState(lobbyFire), SoundState::Gone);
    EXPECT_EQ(m_sound.GetSoundState(lobbyBirds), SoundState::Gone);
    EXPECT_EQ(m_sound.GetSoundState(menuFire), SoundState::Playing);
    EXPECT_FALSE(m_output.Listen(0.1).Silent()) << "the menu's fire still plays";
    EXPECT_EQ(m_sound.LiveSounds(), 1u);

    m_sound.StopAmbientSounds(&menu);
    m_sound.Update();
    EXPECT_TRUE(m_output.Listen(0.1).Silent());
    EXPECT_EQ(m_sound.LiveSounds(), 0u);
}

// A lobby player's footsteps: its handle pauses and resumes them while they live, and reaches nothing once
// they went, whichever way they went. A new sound never answers to an old handle.
TEST_F(SoundLifetimeTest, AHandleReachesItsSoundWhileItLivesAndNothingAfter) {
    const int player = 0;
    struct Case {
        const char* name;
        std::function<void(SoundManager&, SoundHandle)> end;
    };
    const Case cases[] = {
        {"the owner's ambients stopped", [&](SoundManager& s, SoundHandle) { s.StopAmbientSounds(&player); }},
        {"stopped by its handle", [](SoundManager& s, SoundHandle steps) { s.StopSound(steps); }},
        {"the sound system shut down", [](SoundManager& s, SoundHandle) { s.Shutdown(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!m_sound.IsUsable()) {
            ASSERT_TRUE(m_sound.Initialize());
        }
        const SoundHandle steps = m_sound.AddAmbientSound(kSteps, {0, 0, 1}, &player);
        m_sound.Update();
        m_sound.PauseSound(steps, true);
        EXPECT_EQ(m_sound.GetSoundState(steps), SoundState::Paused);
        EXPECT_TRUE(m_output.Listen(0.1).Silent());
        m_sound.PauseSound(steps, false);
        EXPECT_EQ(m_sound.GetSoundState(steps), SoundState::Playing);

        c.end(m_sound, steps);
        if (m_sound.IsUsable()) {
            const SoundHandle next = m_sound.AddAmbientSound(kSteps, {0, 0, 1}, &player);
            EXPECT_NE(next, steps);
            m_sound.SetSoundEnabled(steps, true);
            m_sound.PauseSound(steps, false);
            m_sound.StopSound(steps);
            EXPECT_EQ(m_sound.GetSoundState(next), SoundState::Playing) << "the old handle left it alone";
            m_sound.StopSound(next);
        }
        m_sound.SetSoundPosition(steps, {1, 0, 1});
        m_sound.SetSoundEnabled(steps, true);
        m_sound.PauseSound(steps, false);
        m_sound.StopSound(steps);
        m_sound.Update();
        EXPECT_EQ(m_sound.GetSoundState(steps), SoundState::Gone);
        EXPECT_EQ(m_sound.LiveSounds(), 0u);
    }
}

}  // namespace
}  // namespace ombrin::test
