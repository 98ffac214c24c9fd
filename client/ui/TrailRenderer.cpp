#include "client/ui/TrailRenderer.h"

#include "Lumagrid/GE.h"
#include "client/ui/Trail.h"

void TrailRenderer::Queue(const Trail* trail) {
    if (trail != nullptr) {
        m_trails.push_back(trail);
    }
}

void TrailRenderer::Render() {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine != nullptr && !m_trails.empty()) {
        engine->TurnOffBackfaceCulling();
        engine->TurnOnAlphaBlending();
        engine->PrepareRenderTrails();
        for (const Trail* trail : m_trails) {
            engine->RenderTrail(trail->GetBuffer(), trail->DrawCount(), trail->GetTexture());
        }
        engine->TurnOffAlphaBlending();
        engine->TurnOnBackfaceCulling();
    }
    Clear();
}
