#include "client/ui/tests/SoundLoopback.h"

#include <AL/alext.h>

#include <cmath>
#include <memory>
#include <string>

namespace ombrin::test {

float Loudness::Total() const {
    return std::sqrt(left * left + right * right);
}

SoundDeviceOpener SoundLoopback::Opener() {
    return [this](std::string& error) -> std::unique_ptr<SoundDevice> {
        const auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
            alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
        ALCdevice* device = open != nullptr ? open(nullptr) : nullptr;
        if (device == nullptr) {
            error = "OpenAL has no loopback device";
            return nullptr;
        }
        m_device = device;
        return std::make_unique<SoundDevice>(
            device, std::vector<ALCint>{ALC_FREQUENCY, kFrequency, ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                        ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT});
    };
}

Loudness SoundLoopback::Render(double seconds) {
    const auto render =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    const auto frames = static_cast<std::size_t>(std::lround(seconds * kFrequency));
    if (render == nullptr || m_device == nullptr || frames == 0) {
        return {};
    }
    std::vector<float> mix(frames * 2);
    render(m_device, mix.data(), static_cast<ALCsizei>(frames));
    double left = 0.0;
    double right = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        left += double(mix[2 * i]) * mix[2 * i];
        right += double(mix[2 * i + 1]) * mix[2 * i + 1];
    }
    return Loudness{static_cast<float>(std::sqrt(left / double(frames))),
                    static_cast<float>(std::sqrt(right / double(frames)))};
}

Loudness SoundLoopback::Listen(double seconds) {
    Render(0.02);
    return Render(seconds);
}

}  // namespace ombrin::test
