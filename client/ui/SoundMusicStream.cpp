#include "client/ui/SoundMusicStream.h"

#include <algorithm>
#include <utility>
#include <vector>

bool SoundMusicStream::Open(PcmSound music, std::string& error) {
    Close();
    alGetError();
    alGenSources(1, &m_source);
    if (const ALenum failure = alGetError(); failure != AL_NO_ERROR) {
        error = std::string("OpenAL cannot make the music's source (") + alGetString(failure) + ")";
        m_source = 0;
        return false;
    }
    alGenBuffers(static_cast<ALsizei>(m_buffers.size()), m_buffers.data());
    if (const ALenum failure = alGetError(); failure != AL_NO_ERROR) {
        error = std::string("OpenAL cannot make the music's buffers (") + alGetString(failure) + ")";
        alDeleteSources(1, &m_source);
        m_source = 0;
        m_buffers.fill(0);
        return false;
    }
    // Flat: the music plays the same wherever the listener is.
    alSourcei(m_source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(m_source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(m_source, AL_ROLLOFF_FACTOR, 0.0f);
    m_music = std::move(music);
    m_open = true;
    return true;
}

void SoundMusicStream::Close() {
    if (!m_open) {
        return;
    }
    Stop();
    alDeleteSources(1, &m_source);
    alDeleteBuffers(static_cast<ALsizei>(m_buffers.size()), m_buffers.data());
    m_source = 0;
    m_buffers.fill(0);
    m_music = PcmSound{};
    m_open = false;
}

void SoundMusicStream::Fill(ALuint buffer) {
    const std::size_t frames = m_music.Frames();
    const auto channels = static_cast<std::size_t>(m_music.channels);
    const auto wanted =
        std::max<std::size_t>(1, static_cast<std::size_t>(kBufferSeconds * m_music.frequency));
    std::vector<std::int16_t> chunk;
    chunk.reserve(wanted * channels);
    while (chunk.size() < wanted * channels) {
        const std::size_t take = std::min(wanted - chunk.size() / channels, frames - m_nextFrame);
        const auto first = m_music.samples.begin() + static_cast<std::ptrdiff_t>(m_nextFrame * channels);
        chunk.insert(chunk.end(), first, first + static_cast<std::ptrdiff_t>(take * channels));
        m_nextFrame = (m_nextFrame + take) % frames;
    }
    alBufferData(buffer, channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, chunk.data(),
                 static_cast<ALsizei>(chunk.size() * sizeof(std::int16_t)), m_music.frequency);
}

void SoundMusicStream::Unqueue() {
    alSourceStop(m_source);
    alSourcei(m_source, AL_BUFFER, 0);
}

void SoundMusicStream::Start() {
    if (!m_open) {
        return;
    }
    Unqueue();
    m_nextFrame = 0;
    for (ALuint buffer : m_buffers) {
        Fill(buffer);
    }
    alSourceQueueBuffers(m_source, static_cast<ALsizei>(m_buffers.size()), m_buffers.data());
    alSourcePlay(m_source);
    m_playing = true;
}

void SoundMusicStream::Stop() {
    if (m_open && m_playing) {
        Unqueue();
    }
    m_playing = false;
}

void SoundMusicStream::Refill() {
    if (!m_open || !m_playing) {
        return;
    }
    ALint processed = 0;
    alGetSourcei(m_source, AL_BUFFERS_PROCESSED, &processed);
    for (ALint i = 0; i < processed; ++i) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(m_source, 1, &buffer);
        Fill(buffer);
        alSourceQueueBuffers(m_source, 1, &buffer);
    }
    ALint state = AL_STOPPED;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) {
        alSourcePlay(m_source);
    }
}

void SoundMusicStream::SetGain(float gain) {
    if (m_open) {
        alSourcef(m_source, AL_GAIN, gain);
    }
}
