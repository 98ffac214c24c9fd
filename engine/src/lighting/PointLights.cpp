#include "lighting/PointLights.h"

#include <glm/vec4.hpp>

namespace Lumaspace {

namespace {

// A busy frame's light count; the lists grow beyond it when needed and keep their capacity.
constexpr std::size_t kReservedLights = 128;

PointLight FixedLight(float x) {
    PointLight light;
    light.ambient = {0.0f, 0.0f, 0.0f, 0.0f};
    light.diffuse = {1.6f, 0.8f, 0.0f, 0.0f};
    light.specular = {4.0f, 4.0f, 4.0f, 0.0f};
    light.position = {x, PointLights::kFixedLightY, 0.0f};
    light.range = PointLights::kFixedLightRange;
    return light;
}

}  // namespace

PointLights::PointLights() {
    m_frame.reserve(kReservedLights);
    m_visible.reserve(kReservedLights);
}

void PointLights::Add(const PointLight& light) {
    m_frame.push_back(light);
}

void PointLights::BuildVisible(const glm::mat4& view) {
    m_frame.push_back(FixedLight(-kFixedLightX));
    m_frame.push_back(FixedLight(kFixedLightX));
    m_visible.clear();
    for (PointLight& light : m_frame) {
        light.position = glm::vec3(view * glm::vec4(light.position, 1.0f));
        const float x = light.position.x;
        const float y = light.position.y;
        const float r = light.range;
        if (-(r + kCullMarginX) < x && x < r + kCullMarginX && -(r + kCullMarginY) < y &&
            y < r + kCullMarginY) {
            m_visible.push_back(light);
        }
    }
    m_frame.clear();
}

std::size_t PointLights::GetBufferElementCount() const {
    return m_visible.size() < 2 ? 1 : m_visible.size();
}

void PointLights::Reset() {
    m_frame.clear();
    m_visible.clear();
}

}  // namespace Lumaspace
