// The output device a SoundManager plays on, with the attributes its context is made with. The game opens the
// system's default device (OpenAL Soft picks its back end, ALSOFT_DRIVERS chooses one); tests hand in a
// loopback device whose mix they render and measure.
#pragma once

#include <AL/alc.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class SoundDevice {
public:
    // Takes device, which it closes; attributes are the context's, without the closing zero.
    explicit SoundDevice(ALCdevice* device, std::vector<ALCint> attributes = {});
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    ALCdevice* Device() const { return m_device; }
    // The context attributes, zero-terminated; null when there are none.
    const ALCint* ContextAttributes() const {
        return m_attributes.size() > 1 ? m_attributes.data() : nullptr;
    }

private:
    ALCdevice* m_device;
    std::vector<ALCint> m_attributes;
};

// Opens a device, or gives null with the reason in error.
using SoundDeviceOpener = std::function<std::unique_ptr<SoundDevice>(std::string& error)>;

// The system's default output device.
std::unique_ptr<SoundDevice> OpenDefaultSoundDevice(std::string& error);
