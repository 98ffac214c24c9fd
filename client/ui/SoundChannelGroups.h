// The four channel groups every sound plays in: a volume and a mute switch per group, which the sound manager
// multiplies into the gain of each source of the group. A muted group's sources keep playing at zero gain.
#pragma once

#include <array>
#include <cstddef>

enum class SoundGroup : std::size_t {
    Spare,
    Effects,
    Ambient,
    Music,
};

class SoundChannelGroups {
public:
    static constexpr std::size_t kCount = 4;

    void SetMuted(SoundGroup group, bool muted) { m_groups[Index(group)].muted = muted; }
    void SetAllMuted(bool muted) {
        for (Group& group : m_groups) {
            group.muted = muted;
        }
    }
    void SetVolume(SoundGroup group, float volume) { m_groups[Index(group)].volume = volume; }
    bool IsMuted(SoundGroup group) const { return m_groups[Index(group)].muted; }

    // The gain of a source of group whose own volume is volume.
    float Gain(SoundGroup group, float volume) const {
        const Group& g = m_groups[Index(group)];
        return g.muted ? 0.0f : volume * g.volume;
    }

private:
    struct Group {
        float volume = 1.0f;
        bool muted = false;
    };
    static constexpr std::size_t Index(SoundGroup group) { return static_cast<std::size_t>(group); }

    std::array<Group, kCount> m_groups{};
};
