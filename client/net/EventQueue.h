// The two shapes in which the client's connection hands out what the server said: a queue of events with
// content, and a flag for an event without any. Each has one reader, which takes what is there in its
// update; the application drops whatever is left once per frame (ClientNetwork::DropUnreadEvents).
#pragma once

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

// Events in arrival order. Beyond kMaxEvents the oldest entry is dropped.
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
    void Clear() { events.clear(); }
    std::size_t Size() const { return events.size(); }
    bool Empty() const { return events.empty(); }
    const Event& Back() const { return events.back(); }
    const Event& operator[](std::size_t i) const { return events[i]; }

    std::deque<Event> events;
};

// An event that carries nothing but that it happened; raising it twice before it is taken is one event.
class EventFlag {
public:
    void Raise() { m_raised = true; }
    // True when it was raised since the last Take.
    bool Take() { return std::exchange(m_raised, false); }
    void Clear() { m_raised = false; }
    bool Pending() const { return m_raised; }

private:
    bool m_raised = false;
};
