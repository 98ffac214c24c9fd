// A SoundManager's output on OpenAL Soft's loopback device (ALC_SOFT_loopback): the manager opens the device
// through Opener(), and the test renders the mix, which advances every source by the time rendered, and
// measures it. Nothing plays on a real device, and the time is the test's own.
#pragma once

#include <AL/alc.h>

#include <vector>

#include "client/ui/SoundDevice.h"

namespace ombrin::test {

// The root mean square of each channel of a rendered stretch (full scale 1).
struct Loudness {
    float left = 0.0f;
    float right = 0.0f;

    float Total() const;
    bool Silent() const { return Total() < 1e-4f; }
};

class SoundLoopback {
public:
    static constexpr int kFrequency = 22050;

    // Opens a stereo float loopback device at kFrequency; remembered for rendering while the manager holds
    // it.
    SoundDeviceOpener Opener();
    // Renders seconds of the mix and measures it.
    Loudness Render(double seconds);
    // Renders a moment for gain changes to settle, then seconds, and measures those.
    Loudness Listen(double seconds);

private:
    ALCdevice* m_device = nullptr;
};

}  // namespace ombrin::test
