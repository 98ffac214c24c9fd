// The menu music as a looping stream: one source fed by a few short buffers that the per-frame refill tops up
// from the decoded samples, wrapping to the start at the end. A frame that comes too late for the queue (the
// source ran dry) restarts the source with fresh buffers. Needs a current OpenAL context from Open to Close.
#pragma once

#include <AL/al.h>

#include <array>
#include <cstddef>
#include <string>

#include "client/ui/SoundFile.h"

class SoundMusicStream {
public:
    // Enough queued sound for a frame of a quarter of a second and more.
    static constexpr std::size_t kBufferCount = 4;
    static constexpr double kBufferSeconds = 0.25;

    SoundMusicStream() = default;
    ~SoundMusicStream() { Close(); }
    SoundMusicStream(const SoundMusicStream&) = delete;
    SoundMusicStream& operator=(const SoundMusicStream&) = delete;

    // Takes the samples and makes the source and buffers; false with OpenAL's message in error.
    bool Open(PcmSound music, std::string& error);
    void Close();

    // Plays from the beginning.
    void Start();
    void Stop();
    bool IsPlaying() const { return m_playing; }
    // Once per frame: refills the buffers the source has played, and restarts a source that ran dry.
    void Refill();
    void SetGain(float gain);

private:
    // Fills buffer with the next samples, wrapping at the end.
    void Fill(ALuint buffer);
    void Unqueue();

    PcmSound m_music;
    ALuint m_source = 0;
    std::array<ALuint, kBufferCount> m_buffers{};
    std::size_t m_nextFrame = 0;
    bool m_open = false;
    bool m_playing = false;
};
