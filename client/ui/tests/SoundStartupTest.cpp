// Starting the sound manager: the files it reads and the formats it takes, the generated data folder, and a
// start-up that fails, which says why and leaves a manager whose every call does nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "client/ui/SoundFile.h"
#include "client/ui/tests/SoundFixture.h"

namespace ombrin::test {
namespace {

constexpr int kKunaiThrow = SoundNumber(SoundId::KunaiThrow);
constexpr int kFire = SoundNumber(SoundId::Fire);

TEST(SoundFileTest, ReadsAWavFileIntoTheChannelsAsked) {
    ScratchRunLayout layout("sound-file");
    struct Case {
        const char* name;
        int fileChannels;
        int bits;
        int asked;
        int channels;
    };
    const Case cases[] = {
        {"16-bit mono as it is", 1, 16, 0, 1},      {"16-bit stereo as it is", 2, 16, 0, 2},
        {"stereo mixed down to mono", 2, 16, 1, 1}, {"8-bit stereo to 16-bit mono", 2, 8, 1, 1},
        {"four channels to stereo", 4, 16, 0, 2},   {"mono to stereo", 1, 16, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path path = layout.Root() / "tone.wav";
        ASSERT_TRUE(WriteToneWav(path, c.fileChannels, 0.5, c.bits));
        PcmSound sound;
        std::string error;
        ASSERT_TRUE(ReadSoundFile(path.string(), c.asked, sound, error)) << error;
        EXPECT_EQ(sound.channels, c.channels);
        EXPECT_EQ(sound.frequency, 22050);
        EXPECT_EQ(sound.Frames(), 11025u);
        std::int16_t peak = 0;
        for (std::int16_t sample : sound.samples) {
            peak = std::max<std::int16_t>(peak, sample);
        }
        EXPECT_NEAR(peak / 32767.0, kTonePeak, 0.05) << "the tone keeps its level";
    }
}

// Each way to fail names what failed; the client then runs silent on a manager that does nothing.
TEST(SoundStartupTest, AFailedStartSaysWhyAndEveryCallAfterItDoesNothing) {
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path& folder)> spoil;
        bool device;
        const char* reason;
    };
    const Case cases[] = {
        {"no output device", [](const std::filesystem::path&) {}, false, "no device here"},
        {"no music",
         [](const std::filesystem::path& folder) { std::filesystem::remove(folder / kMusicFile); }, true,
         "BG_music2.wav"},
        {"a sound missing",
         [](const std::filesystem::path& folder) { std::filesystem::remove(folder / "KunaiThrow.wav"); },
         true, "../Ombrin/Sound/KunaiThrow.wav"},
        {"a sound that is no WAV file",
         [](const std::filesystem::path& folder) { WriteFile(folder / "Fire.wav", "not a sound at all"); },
         true, "../Ombrin/Sound/Fire.wav"},
        {"a sound without samples",
         [](const std::filesystem::path& folder) { WriteToneWav(folder / "Wind.wav", 2, 0.0); }, true,
         "../Ombrin/Sound/Wind.wav"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchRunLayout layout("sound-start");
        ASSERT_TRUE(WriteSoundFolder(layout.Data() / "Sound"));
        c.spoil(layout.Data() / "Sound");
        SoundLoopback output;
        SoundDeviceOpener open = output.Opener();
        if (!c.device) {
            open = [](std::string& error) -> std::unique_ptr<SoundDevice> {
                error = "no device here";
                return nullptr;
            };
        }
        SoundManager sound(kSoundFolder, open);
        EXPECT_FALSE(sound.Initialize());
        EXPECT_NE(sound.LastError().find(c.reason), std::string::npos) << sound.LastError();
        EXPECT_FALSE(sound.IsUsable());

        const int owner = 0;
        EXPECT_FALSE(sound.PlaySound(kKunaiThrow, {}));
        const SoundHandle fire = sound.AddAmbientSound(kFire, {}, &owner);
        EXPECT_FALSE(fire);
        sound.PlayMenuMusic();
        sound.ToggleMusic();
        EXPECT_FALSE(sound.IsMusicPlaying());
        sound.MuteAll(true);
        sound.SetListener({1, 2, 3}, {0, 0, 1}, {0, 1, 0});
        sound.SetSoundEnabled(fire, false);
        sound.PauseSound(fire, true);
        sound.UpdateAmbientSounds();
        sound.StopAmbientSounds(&owner);
        sound.Update();
        EXPECT_EQ(sound.GetSoundState(fire), SoundState::Gone);
        EXPECT_EQ(sound.LiveSounds(), 0u);
        sound.Shutdown();
    }
}

// The sound folder the content generator writes: every file of the table and the music are read.
TEST(SoundStartupTest, ReadsEverySoundOfTheGeneratedDataFolder) {
    const char* bin = std::getenv("OMBRIN_BIN_DIR");
    ASSERT_NE(bin, nullptr) << "run with OMBRIN_BIN_DIR set, as ctest does";
    SoundLoopback output;
    SoundManager sound(std::string(bin) + "/" + kSoundFolder, output.Opener());
    ASSERT_TRUE(sound.Initialize()) << sound.LastError();
    sound.PlayMenuMusic();
    sound.Update();
    EXPECT_FALSE(output.Listen(0.5).Silent()) << "the menu music";
    for (int number = kFirstSoundNumber; number <= kLastSoundNumber; ++number) {
        const SoundEntry* entry = FindSound(number);
        ASSERT_NE(entry, nullptr) << number;
        const SoundHandle played = entry->playback == SoundPlayback::Ambient
                                       ? sound.AddAmbientSound(number, {0, 0, 1}, &output)
                                       : sound.PlaySound(number, {0, 0, 1});
        EXPECT_TRUE(played) << entry->file;
    }
}

}  // namespace
}  // namespace ombrin::test
