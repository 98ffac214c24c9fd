#include "client/ui/SoundManager.h"

#include <algorithm>
#include <utility>

#include "client/ui/SoundFile.h"
#include "client/ui/SoundMusicStream.h"

namespace {

// The game's frame is left-handed with y up; OpenAL's is right-handed: z changes sign on the way in.
void SetVector(ALuint source, ALenum parameter, const glm::vec3& v) {
    alSource3f(source, parameter, v.x, v.y, -v.z);
}

std::string AlMessage(ALenum error) {
    const ALchar* text = alGetString(error);
    return text != nullptr ? text : "unknown error";
}

}  // namespace

SoundManager::SoundManager(std::string soundFolder, SoundDeviceOpener openDevice)
    : m_folder(std::move(soundFolder)), m_openDevice(std::move(openDevice)) {}

SoundManager::~SoundManager() {
    Shutdown();
}

bool SoundManager::Fail(std::string error) {
    m_error = std::move(error);
    ReleaseAll();
    return false;
}

bool SoundManager::Initialize() {
    if (m_usable) {
        return true;
    }
    m_error.clear();
    std::string error;
    m_device = m_openDevice ? m_openDevice(error) : nullptr;
    if (!m_device) {
        return Fail(error.empty() ? "OpenAL cannot open an output device" : error);
    }
    m_context = alcCreateContext(m_device->Device(), m_device->ContextAttributes());
    if (m_context == nullptr || alcMakeContextCurrent(m_context) == ALC_FALSE) {
        const ALCchar* reason = alcGetString(m_device->Device(), alcGetError(m_device->Device()));
        return Fail(std::string("OpenAL cannot make a context on its device (") +
                    (reason != nullptr ? reason : "") + ")");
    }
    alDistanceModel(AL_LINEAR_DISTANCE_CLAMPED);
    m_groups = SoundChannelGroups{};

    PcmSound music;
    if (!ReadSoundFile(m_folder + kMusicFile, 0, music, error)) {
        return Fail(error);
    }
    m_music = std::make_unique<SoundMusicStream>();
    if (!m_music->Open(std::move(music), error)) {
        return Fail(error + " for " + m_folder + kMusicFile);
    }
    m_music->SetGain(m_groups.Gain(SoundGroup::Music, kEffectVolume));

    m_buffers.assign(kSoundCount, 0);
    for (const SoundEntry& entry : SoundLoadingOrder()) {
        const std::string path = m_folder + entry.file;
        PcmSound sound;
        if (!ReadSoundFile(path, entry.placement == SoundPlacement::Positioned ? 1 : 0, sound, error)) {
            return Fail(error);
        }
        ALuint& buffer = m_buffers[static_cast<std::size_t>(SoundNumber(entry.id) - kFirstSoundNumber)];
        alGetError();
        alGenBuffers(1, &buffer);
        alBufferData(buffer, sound.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16,
                     sound.samples.data(), static_cast<ALsizei>(sound.samples.size() * sizeof(std::int16_t)),
                     sound.frequency);
        if (const ALenum failure = alGetError(); failure != AL_NO_ERROR) {
            return Fail("OpenAL cannot take the sound " + path + " (" + AlMessage(failure) + ")");
        }
    }
    m_usable = true;
    SetListener({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f});
    return true;
}

void SoundManager::ReleaseAll() {
    m_usable = false;
    for (std::vector<Instance>* list : {&m_ambients, &m_effects}) {
        for (Instance& instance : *list) {
            Release(instance);
        }
        list->clear();
    }
    if (!m_freeSources.empty()) {
        alDeleteSources(static_cast<ALsizei>(m_freeSources.size()), m_freeSources.data());
        m_freeSources.clear();
    }
    m_sourcesMade = 0;
    m_music.reset();
    for (ALuint buffer : m_buffers) {
        if (buffer != 0) {
            alDeleteBuffers(1, &buffer);
        }
    }
    m_buffers.clear();
    if (m_context != nullptr) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(m_context);
        m_context = nullptr;
    }
    m_device.reset();
}

void SoundManager::Shutdown() {
    ReleaseAll();
}

void SoundManager::Update() {
    if (!m_usable) {
        return;
    }
    RemoveFinishedSounds();
    m_music->Refill();
    UpdateAmbientSounds();
}

void SoundManager::MuteAll(bool mute) {
    if (!m_usable) {
        return;
    }
    m_groups.SetAllMuted(mute);
    for (const std::vector<Instance>* list : {&m_effects, &m_ambients}) {
        for (const Instance& instance : *list) {
            ApplyGain(instance);
        }
    }
    m_music->SetGain(m_groups.Gain(SoundGroup::Music, kEffectVolume));
}

void SoundManager::StartMusic() {
    if (m_usable) {
        m_music->Start();
    }
}

void SoundManager::PlayMenuMusic() {
    if (m_usable && !m_music->IsPlaying()) {
        m_music->Start();
    }
}

void SoundManager::StopMenuMusic() {
    if (m_usable) {
        m_music->Stop();
    }
}

void SoundManager::ToggleMusic() {
    if (!m_usable) {
        return;
    }
    if (m_music->IsPlaying()) {
        m_music->Stop();
    } else {
        m_music->Start();
    }
}

bool SoundManager::IsMusicPlaying() const {
    return m_usable && m_music->IsPlaying();
}

ALuint SoundManager::AcquireSource() {
    if (m_freeSources.empty() && m_sourcesMade < kMaxSources) {
        ALuint source = 0;
        alGetError();
        alGenSources(1, &source);
        if (alGetError() == AL_NO_ERROR) {
            ++m_sourcesMade;
            return source;
        }
    }
    if (m_freeSources.empty()) {
        RemoveFinishedSounds();
    }
    if (m_freeSources.empty()) {
        return 0;
    }
    const ALuint source = m_freeSources.back();
    m_freeSources.pop_back();
    return source;
}

SoundManager::Instance SoundManager::Start(const SoundEntry& entry, ALuint source, const glm::vec3& position,
                                           float range, bool loop, float volume) {
    Instance instance;
    instance.id = m_nextId++;
    instance.entry = &entry;
    instance.source = source;
    instance.position = position;
    instance.volume = volume;
    const ALuint buffer = m_buffers[static_cast<std::size_t>(SoundNumber(entry.id) - kFirstSoundNumber)];
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    alSourcef(source, AL_PITCH, 1.0f);
    alSourcef(source, AL_REFERENCE_DISTANCE, 0.0f);
    alSourcef(source, AL_MAX_DISTANCE, range);
    if (entry.placement == SoundPlacement::Flat) {
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    } else {
        alSourcei(source, AL_SOURCE_RELATIVE, AL_FALSE);
        alSourcef(source, AL_ROLLOFF_FACTOR, 1.0f);
        SetVector(source, AL_POSITION, position);
    }
    ApplyGain(instance);
    alSourcePlay(source);
    return instance;
}

SoundHandle SoundManager::PlaySound(int number, const glm::vec3& position) {
    const SoundEntry* entry = FindSound(number);
    if (!m_usable || entry == nullptr || entry->playback == SoundPlayback::Ambient) {
        return {};
    }
    const ALuint source = AcquireSource();
    if (source == 0) {
        return {};
    }
    m_effects.push_back(
        Start(*entry, source, position, kEffectRange, entry->playback == SoundPlayback::Loop, kEffectVolume));
    return SoundHandle{m_effects.back().id};
}

SoundHandle SoundManager::AddAmbientSound(int number, const glm::vec3& position, SoundOwner owner) {
    const SoundEntry* entry = FindSound(number);
    if (!m_usable || entry == nullptr || entry->playback != SoundPlayback::Ambient) {
        return {};
    }
    const ALuint source = AcquireSource();
    if (source == 0) {
        return {};
    }
    // Silent until the next ambient update sets its volume.
    Instance instance = Start(*entry, source, position, kAmbientRange, true, 0.0f);
    instance.owner = owner;
    m_ambients.push_back(instance);
    return SoundHandle{instance.id};
}

void SoundManager::UpdateAmbientSounds() {
    if (!m_usable) {
        return;
    }
    for (Instance& instance : m_ambients) {
        ApplyPosition(instance);
        instance.volume =
            instance.entry->id == SoundId::Wind ? kWindVolume : (instance.enabled ? 1.0f : 0.0f);
        ApplyGain(instance);
    }
}

void SoundManager::StopAmbientSounds(SoundOwner owner) {
    if (!m_usable) {
        return;
    }
    const auto owned = [owner](const Instance& instance) { return instance.owner == owner; };
    for (Instance& instance : m_ambients) {
        if (owned(instance)) {
            Release(instance);
        }
    }
    std::erase_if(m_ambients, owned);
}

void SoundManager::RemoveFinishedSounds() {
    if (!m_usable) {
        return;
    }
    const auto finished = [](const Instance& instance) {
        ALint state = AL_STOPPED;
        alGetSourcei(instance.source, AL_SOURCE_STATE, &state);
        return state == AL_STOPPED;
    };
    std::vector<Instance> kept;
    kept.reserve(m_effects.size());
    for (Instance& instance : m_effects) {
        if (finished(instance)) {
            Release(instance);
        } else {
            kept.push_back(instance);
        }
    }
    m_effects = std::move(kept);
}

void SoundManager::Release(Instance& instance) {
    if (instance.source == 0) {
        return;
    }
    alSourceStop(instance.source);
    alSourcei(instance.source, AL_BUFFER, 0);
    m_freeSources.push_back(instance.source);
    instance.source = 0;
}

SoundGroup SoundManager::GroupOf(const Instance& instance) {
    return instance.entry->playback == SoundPlayback::Ambient ? SoundGroup::Ambient : SoundGroup::Effects;
}

void SoundManager::ApplyGain(const Instance& instance) const {
    alSourcef(instance.source, AL_GAIN, m_groups.Gain(GroupOf(instance), instance.volume));
}

void SoundManager::ApplyPosition(const Instance& instance) const {
    if (instance.entry->placement == SoundPlacement::Positioned) {
        SetVector(instance.source, AL_POSITION, instance.position);
    }
}

SoundManager::Instance* SoundManager::Find(SoundHandle sound) {
    return const_cast<Instance*>(std::as_const(*this).Find(sound));
}

const SoundManager::Instance* SoundManager::Find(SoundHandle sound) const {
    if (!m_usable || !sound) {
        return nullptr;
    }
    for (const std::vector<Instance>* list : {&m_effects, &m_ambients}) {
        for (const Instance& instance : *list) {
            if (instance.id == sound.id) {
                return &instance;
            }
        }
    }
    return nullptr;
}

void SoundManager::SetSoundPosition(SoundHandle sound, const glm::vec3& position) {
    if (Instance* instance = Find(sound)) {
        instance->position = position;
        ApplyPosition(*instance);
    }
}

void SoundManager::SetSoundEnabled(SoundHandle sound, bool enabled) {
    if (Instance* instance = Find(sound)) {
        instance->enabled = enabled;
    }
}

void SoundManager::PauseSound(SoundHandle sound, bool paused) {
    Instance* instance = Find(sound);
    if (instance == nullptr) {
        return;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(instance->source, AL_SOURCE_STATE, &state);
    if (paused && state == AL_PLAYING) {
        alSourcePause(instance->source);
    } else if (!paused && state == AL_PAUSED) {
        alSourcePlay(instance->source);
    }
}

void SoundManager::StopSound(SoundHandle sound) {
    if (Find(sound) == nullptr) {
        return;
    }
    for (std::vector<Instance>* list : {&m_effects, &m_ambients}) {
        for (Instance& instance : *list) {
            if (instance.id == sound.id) {
                Release(instance);
            }
        }
        std::erase_if(*list, [&](const Instance& instance) { return instance.id == sound.id; });
    }
}

SoundState SoundManager::GetSoundState(SoundHandle sound) const {
    const Instance* instance = Find(sound);
    if (instance == nullptr) {
        return SoundState::Gone;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(instance->source, AL_SOURCE_STATE, &state);
    switch (state) {
        case AL_PLAYING:
            return SoundState::Playing;
        case AL_PAUSED:
            return SoundState::Paused;
        default:
            return SoundState::Gone;
    }
}

void SoundManager::SetListener(const glm::vec3& position, const glm::vec3& forward, const glm::vec3& up) {
    if (!m_usable) {
        return;
    }
    alListener3f(AL_POSITION, position.x, position.y, -position.z);
    const ALfloat orientation[6] = {forward.x, forward.y, -forward.z, up.x, up.y, -up.z};
    alListenerfv(AL_ORIENTATION, orientation);
}
