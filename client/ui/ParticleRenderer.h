// The frame's particle pass: the world-space aim and range markers, then every queued particle emitter, each
// with its own blend (the additive point-light blend for fire, alpha blending otherwise). Owners queue what
// they show while they render; the application draws the queues once, after the scene and the trails (with
// the particle depth state bound), and both queues are empty again.
//
// The application owns the one renderer and hands it to the states. The queues only borrow: an emitter must
// stay alive until the queue is drawn or cleared, and the renderer never frees one.
#pragma once

#include <cstddef>
#include <vector>

#include <glm/mat4x4.hpp>

#include "Lumagrid/Handles.h"

class ParticleEmitter;

// One aim or range marker: a static model drawn flat and translucent over the floor.
struct ParticleMarker {
    Lumaspace::BufferHandle buffer;
    int vertexCount = 0;
    glm::mat4 world{1.0f};
    Lumaspace::TextureHandle texture;
};

class ParticleRenderer {
public:
    void QueueMarker(const ParticleMarker& marker);
    // Null is ignored.
    void QueueEmitter(const ParticleEmitter* emitter);

    // Every marker with GE::RenderMarker, then every emitter in queue order with its blend and
    // GE::RenderParticles of the particles its last upload holds (an emitter with none is skipped). Alpha
    // blending is on again afterwards when the last emitter drawn was additive. Both queues are emptied.
    void Render();
    void Clear();
    // Forgets whatever is still queued; the emitters belong to their owners.
    void Shutdown() { Clear(); }

    std::size_t MarkerCount() const { return m_markers.size(); }
    std::size_t EmitterCount() const { return m_emitters.size(); }

private:
    std::vector<ParticleMarker> m_markers;
    std::vector<const ParticleEmitter*> m_emitters;
};
