// The application's step that turns the server's sound events into sounds, once per frame in every state:
// each queued sound plays at its place. A rune's ambient loop is remembered with its rune type: it is paused
// while its rune is there but taken, and stopped and forgotten at a round start, a new level or a reset of
// the connection's records, so that its source is reclaimed. A paused loop is also stopped when a new loop of
// its type starts.
#pragma once

#include <cstddef>
#include <vector>

#include "client/ui/SoundHandle.h"

class ClientNetwork;
class SoundSystem;

class NetworkSounds {
public:
    // After the current state's update and before the events no reader took are dropped.
    void Play(ClientNetwork& network, SoundSystem& sound);

    // The rune loops remembered now.
    std::size_t RuneLoops() const { return m_runeLoops.size(); }

private:
    struct RuneLoop {
        int runeType;
        SoundHandle sound;
    };

    void StopRuneLoops(SoundSystem& sound, bool pausedOnly, int runeType);

    std::vector<RuneLoop> m_runeLoops;
    int m_loopPausesSeen = 0;
};
