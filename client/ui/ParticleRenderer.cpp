#include "client/ui/ParticleRenderer.h"

#include "Lumagrid/GE.h"
#include "client/ui/ParticleEmitter.h"

void ParticleRenderer::QueueMarker(const ParticleMarker& marker) {
    m_markers.push_back(marker);
}

void ParticleRenderer::QueueEmitter(const ParticleEmitter* emitter) {
    if (emitter != nullptr) {
        m_emitters.push_back(emitter);
    }
}

void ParticleRenderer::Render() {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine != nullptr) {
        for (const ParticleMarker& marker : m_markers) {
            engine->RenderMarker(marker.buffer, marker.vertexCount, marker.world, marker.texture);
        }
        bool additive = false;
        for (const ParticleEmitter* emitter : m_emitters) {
            if (emitter->DrawCount() == 0) {
                continue;
            }
            additive = emitter->IsAdditive();
            if (additive) {
                engine->TurnOnPointLightAlphaBlending();
            } else {
                engine->TurnOnAlphaBlending();
            }
            engine->RenderParticles(emitter->GetBuffer(), emitter->DrawCount(), emitter->GetWorld(),
                                    emitter->GetTexture(), additive);
        }
        // What the frame draws next (the overlay, the GUI) expects the alpha blending it had before.
        if (additive) {
            engine->TurnOnAlphaBlending();
        }
    }
    Clear();
}

void ParticleRenderer::Clear() {
    m_markers.clear();
    m_emitters.clear();
}
