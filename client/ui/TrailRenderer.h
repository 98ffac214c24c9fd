// The frame's trail pass: every trail queued this frame drawn as ribbons with the engine's trail pipeline,
// in one pass with one state setup (culling off, alpha blending on, both put back afterwards). It draws in
// world space through the engine's camera, after the scene and before the particles.
//
// The application owns the one renderer and hands it to the states. The queue only borrows: a trail must stay
// alive until the queue is drawn or cleared.
#pragma once

#include <cstddef>
#include <vector>

class Trail;

class TrailRenderer {
public:
    // Null is ignored.
    void Queue(const Trail* trail);
    // Draws every queued trail's points (nothing at all when none is queued) and empties the queue.
    void Render();
    void Clear() { m_trails.clear(); }
    // Forgets whatever is still queued; the trails belong to their owners.
    void Shutdown() { Clear(); }

    std::size_t QueuedCount() const { return m_trails.size(); }

private:
    std::vector<const Trail*> m_trails;
};
