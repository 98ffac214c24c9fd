// GE's frame operations: clearing and presenting, the state and render-target switches of the frame protocol
// and the GUI pipeline. Each hands the call to the running back end and does nothing before start-up.
#include "Lumagrid/GE.h"
#include "RenderBackend.h"

namespace Lumaspace {

void GE::Clear() {
    if (m_backend) {
        m_backend->Clear();
    }
}

void GE::Present() {
    if (m_backend) {
        m_backend->Present();
    }
}

void GE::TurnOnAlphaBlending() {
    if (m_backend) {
        m_backend->TurnOnAlphaBlending();
    }
}

void GE::TurnOffAlphaBlending() {
    if (m_backend) {
        m_backend->TurnOffAlphaBlending();
    }
}

void GE::TurnOnPointLightAlphaBlending() {
    if (m_backend) {
        m_backend->TurnOnPointLightAlphaBlending();
    }
}

void GE::TurnOnDepthStencil() {
    if (m_backend) {
        m_backend->TurnOnDepthStencil();
    }
}

void GE::TurnOffDepthStencil() {
    if (m_backend) {
        m_backend->TurnOffDepthStencil();
    }
}

void GE::SetDepthStateForParticles() {
    if (m_backend) {
        m_backend->SetDepthStateForParticles();
    }
}

void GE::TurnOnBackfaceCulling() {
    if (m_backend) {
        m_backend->TurnOnBackfaceCulling();
    }
}

void GE::TurnOffBackfaceCulling() {
    if (m_backend) {
        m_backend->TurnOffBackfaceCulling();
    }
}

void GE::ClearOutlining() {
    if (m_backend) {
        m_backend->ClearOutlining();
    }
}

void GE::SetOutliningPassOne() {
    if (m_backend) {
        m_backend->SetOutliningPassOne();
    }
}

void GE::SetOutliningPassTwo() {
    if (m_backend) {
        m_backend->SetOutliningPassTwo();
    }
}

bool GE::InitializeOutling() {
    return m_backend && m_backend->InitializeOutling();
}

void GE::ResetRenderTarget() {
    if (m_backend) {
        m_backend->ResetRenderTarget();
    }
}

void GE::ClearRenderTargetsForGBuffers() {
    if (m_backend) {
        m_backend->ClearRenderTargetsForGBuffers();
    }
}

void GE::SetRenderTargetsForGBuffers() {
    if (m_backend) {
        m_backend->SetRenderTargetsForGBuffers();
    }
}

void GE::SetForwardRenderTarget() {
    if (m_backend) {
        m_backend->SetForwardRenderTarget();
    }
}

void GE::BeginRenderToShadowMap() {
    if (m_backend) {
        m_backend->BeginRenderToShadowMap();
    }
}

TextureHandle GE::GetPostProcessingTexture1() const {
    return m_backend ? m_backend->GetPostProcessingTexture1() : TextureHandle{};
}

TextureHandle GE::GetPostProcessingTexture2() const {
    return m_backend ? m_backend->GetPostProcessingTexture2() : TextureHandle{};
}

void GE::PrepareRenderGUI() {
    if (m_backend) {
        m_backend->PrepareRenderGUI();
    }
}

void GE::RenderGUI(const glm::mat4& world, TextureHandle texture, float opacity) {
    if (m_backend) {
        m_backend->RenderGUI(world, texture, opacity);
    }
}

void GE::Finish() {
    if (m_backend) {
        m_backend->Finish();
    }
}

}  // namespace Lumaspace
