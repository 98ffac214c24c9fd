// The effect operations of the OpenGL back end: line of sight, grass, particles, trails, aim markers and the
// sudden-death sheet.
#include "gl/GLBackend.h"

namespace Lumaspace {

bool GLBackend::StartEffects(const BackendSetup& setup) {
    if (!m_visibility.Initialize(m_programs, m_textures, m_buffers, static_cast<int>(setup.windowWidth),
                                 static_cast<int>(setup.windowHeight), m_scene->visibilityRevision,
                                 m_diagnostics)) {
        return false;
    }
    // Trails, markers and the sheet are decoration: without them the match still plays.
    m_trailShader.Initialize(m_programs, m_diagnostics);
    m_markerShader.Initialize(m_programs, m_diagnostics);
    m_suddenDeathShader.Initialize(m_programs, m_diagnostics);
    return true;
}

void GLBackend::ShutdownEffects() {
    m_visibility.Shutdown();
    m_trailShader.Shutdown();
    m_markerShader.Shutdown();
    m_suddenDeathShader.Shutdown();
}

void GLBackend::Run(const command::UpdateVisibilityTextureSize& record) {
    m_visibility.Resize(record.width, record.height, m_scene->visibilityRevision, m_diagnostics);
}

void GLBackend::Run(const command::RenderVisibilityPolygon& record) {
    if (record.skip || !m_visibility.Refresh(*m_scene, m_buffers, m_diagnostics)) {
        return;
    }
    Run(command::RenderReversedShadows{m_visibility.Overlay(), 6, m_visibility.Texture(),
                                       record.shadowTexture});
}

void GLBackend::Run(const command::RenderFoliage&) {
    m_foliageShader.Render(m_scene->frame, m_diagnostics);
}

void GLBackend::Run(const command::RenderParticles& record) {
    m_particleShader.Render(m_buffers.Resolve(record.buffer), record.count, record.world, m_scene->frame,
                            m_textures.Resolve(record.texture), record.fire, m_diagnostics);
}

void GLBackend::Run(const command::PrepareRenderTrails&) {
    m_trailShader.Prepare(m_scene->frame, m_diagnostics);
}

void GLBackend::Run(const command::RenderTrail& record) {
    m_trailShader.Render(m_buffers.Resolve(record.buffer), record.count, m_textures.Resolve(record.texture));
}

void GLBackend::Run(const command::RenderMarker& record) {
    m_markerShader.Render(m_buffers.Resolve(record.buffer), record.count, record.world, m_scene->frame,
                          m_textures.Resolve(record.texture), m_diagnostics);
}

void GLBackend::Run(const command::RenderSuddenDeath& record) {
    m_suddenDeathShader.Render(m_buffers.Resolve(record.buffer), record.count,
                               m_textures.Resolve(record.texture), record.alpha, m_scene->frame,
                               m_diagnostics);
}

}  // namespace Lumaspace
