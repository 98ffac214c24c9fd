#include "client/ui/SoundDevice.h"

#include <utility>

SoundDevice::SoundDevice(ALCdevice* device, std::vector<ALCint> attributes)
    : m_device(device), m_attributes(std::move(attributes)) {
    m_attributes.push_back(0);
}

SoundDevice::~SoundDevice() {
    if (m_device != nullptr) {
        alcCloseDevice(m_device);
    }
}

std::unique_ptr<SoundDevice> OpenDefaultSoundDevice(std::string& error) {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        const ALCchar* reason = alcGetString(nullptr, alcGetError(nullptr));
        error =
            std::string("OpenAL cannot open an output device (") + (reason != nullptr ? reason : "") + ")";
        return nullptr;
    }
    return std::make_unique<SoundDevice>(device);
}
