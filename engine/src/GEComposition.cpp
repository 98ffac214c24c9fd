// GE's composition, point lights, ambient occlusion and depth of field. The point lights are culled here, on
// the CPU, for every back end; the back end draws the ones kept and the composition empties the list.
#include "GESubmit.h"

namespace Lumaspace {

void GE::AddNewPointLight(const PointLight& light) {
    if (!m_backend) {
        return;
    }
    m_scene->pointLights.Add(light);
    Submit(command::AddNewPointLight{light});
}

void GE::SetPointLightLightBuffer(const glm::mat4& view) {
    if (!m_backend) {
        return;
    }
    m_scene->pointLights.BuildVisible(view);
    Submit(command::SetPointLightLightBuffer{view});
}

void GE::SetScreenBuffer(const DirectionalLight& light, const glm::mat4& projection, const glm::mat4& view) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.screenLight = light;
    m_scene->frame.screenProjection = projection;
    m_scene->frame.screenView = view;
    Submit(command::SetScreenBuffer{light, projection, view});
}

void GE::Composition() {
    if (!m_backend) {
        return;
    }
    Submit(command::Composition{});
    m_scene->pointLights.ClearVisible();
}

void GE::CompositionForward() {
    if (!m_backend) {
        return;
    }
    Submit(command::CompositionForward{});
    m_scene->pointLights.ClearVisible();
}

void GE::SetSSAOBuffer(const glm::mat4& projection) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.ssaoProjection = projection;
    Submit(command::SetSSAOBuffer{projection});
}

void GE::RenderSSAO() {
    Submit(command::RenderSSAO{});
}

void GE::ClearSSAO() {
    Submit(command::ClearSSAO{});
}

void GE::ApplyDOF() {
    Submit(command::ApplyDOF{});
}

std::span<const PointLight> GE::GetVisiblePointLights() const {
    return m_backend ? m_scene->pointLights.GetVisible() : std::span<const PointLight>{};
}

std::size_t GE::GetPointLightBufferSize() const {
    return m_backend ? m_scene->pointLights.GetBufferElementCount() : 0;
}

}  // namespace Lumaspace
