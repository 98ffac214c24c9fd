// A SoundManager on the loopback device, started on a scratch sound folder of steady tones.
#pragma once

#include <gtest/gtest.h>

#include "client/ui/SoundManager.h"
#include "client/ui/tests/SoundLoopback.h"
#include "client/ui/tests/SoundTestFiles.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {

class SoundFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteSoundFolder(SoundFolder()));
        ASSERT_TRUE(m_sound.Initialize()) << m_sound.LastError();
    }

    std::filesystem::path SoundFolder() const { return m_layout.Data() / "Sound"; }

    // Frames of the client at frames per second for seconds: the manager's update, then the frame's sound.
    // The quietest frame's loudness.
    Loudness RunFrames(double seconds, double framesPerSecond) {
        Loudness quietest{1.0f, 1.0f};
        for (double t = 0.0; t < seconds; t += 1.0 / framesPerSecond) {
            m_sound.Update();
            const Loudness frame = m_output.Render(1.0 / framesPerSecond);
            if (frame.Total() < quietest.Total()) {
                quietest = frame;
            }
        }
        return quietest;
    }

    ScratchRunLayout m_layout{"sound"};
    SoundLoopback m_output;
    SoundManager m_sound{kSoundFolder, m_output.Opener()};
};

}  // namespace ombrin::test
