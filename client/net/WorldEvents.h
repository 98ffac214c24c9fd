// What the server tells the client about the world, kept until the world, the heads-up display and the
// sound system take it: objects keyed by id with a changed flag per list, and bounded event queues.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "protocol/ServerMessages.h"
#include "raknet/RakNetTypes.h"

// Objects of one kind keyed by their id. An add whose id is present is ignored; a full list ignores adds so
// that a server cannot make the client hold unbounded numbers of objects. changed is set on every add or
// removal and cleared by the reader.
template <typename Entry, std::int32_t Entry::*kIdField>
class KeyedObjectList {
public:
    static constexpr std::size_t kMaxEntries = 512;

    bool Add(const Entry& entry) {
        if (entries.size() >= kMaxEntries || Find(entry.*kIdField) != nullptr) {
            return false;
        }
        entries.push_back(entry);
        changed = true;
        return true;
    }
    bool Remove(std::int32_t id) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [id](const Entry& entry) { return entry.*kIdField == id; });
        if (found == entries.end()) {
            return false;
        }
        entries.erase(found);
        changed = true;
        return true;
    }
    Entry* Find(std::int32_t id) {
        for (Entry& entry : entries) {
            if (entry.*kIdField == id) {
                return &entry;
            }
        }
        return nullptr;
    }
    void Clear() {
        if (!entries.empty()) {
            changed = true;
        }
        entries.clear();
    }

    std::vector<Entry> entries;
    bool changed = false;
};

// A queue for a consumer that may not exist yet: beyond kMaxEvents the oldest entry is dropped.
template <typename Event>
class EventQueue {
public:
    static constexpr std::size_t kMaxEvents = 256;

    void Push(const Event& event) {
        if (events.size() >= kMaxEvents) {
            events.pop_front();
        }
        events.push_back(event);
    }
    // Hands every queued event to the caller and empties the queue.
    std::vector<Event> Take() {
        std::vector<Event> taken(events.begin(), events.end());
        events.clear();
        return taken;
    }
    std::size_t Size() const { return events.size(); }
    bool Empty() const { return events.empty(); }
    const Event& Back() const { return events.back(); }
    const Event& operator[](std::size_t i) const { return events[i]; }

    std::deque<Event> events;
};

// A fan and the outward time it has left (ID_FAN_RETURNING sets it).
struct FanEntry {
    protocol::FanAddMessage add{};
    std::int32_t fanId = 0;
    float remainingOutwardTime = 0.0f;
};

struct AnimationEvent {
    RakNet::RakNetGUID player{};
    std::int32_t animation = 0;
};

// A sound the sound system is to play: a number of the client's sound table at a position.
struct SoundEvent {
    std::int32_t sound = 0;
    protocol::Vec3 position{};
    friend bool operator==(const SoundEvent&, const SoundEvent&) = default;
};

// A rune on the level. ambientLoop is true while its ambient sound loop plays.
struct RuneRecord {
    std::int32_t type = 0;  // 0 heal, 1 invisibility, 2 shield
    protocol::Vec3 position{};
    bool active = true;
    bool ambientLoop = false;
};

struct JoinedLeftNotice {
    std::string name;
    std::int32_t kind = 0;  // 1 joined red, 2 joined blue, 3 left
};

// A hit the local player dealt, for its damage display.
struct DamageShown {
    float damage = 0.0f;
    protocol::Vec3 position{};
};
