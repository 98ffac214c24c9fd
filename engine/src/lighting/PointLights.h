// The frame's point lights: the client adds them every frame, the engine culls them against a box around the
// view and hands the survivors, in view space, to the light buffer the composition draws from.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "Lumagrid/EngineTypes.h"

namespace Lumaspace {

class PointLights {
public:
    // Two lights every frame holds besides the client's, at (-33, 8, 0) and (33, 8, 0).
    static constexpr float kFixedLightX = 33.0f;
    static constexpr float kFixedLightY = 8.0f;
    static constexpr float kFixedLightRange = 14.0f;
    // Half the size of the view-space box a light's sphere must reach into: x within range + 30, y within
    // range + 20.
    static constexpr float kCullMarginX = 30.0f;
    static constexpr float kCullMarginY = 20.0f;

    PointLights();

    // Appends a copy of the light to the frame list.
    void Add(const PointLight& light);
    // Appends the two fixed lights to the frame list, moves every frame light into view space (view * (p, 1))
    // and keeps, in order, those with -(r + 30) < x < r + 30 and -(r + 20) < y < r + 20 as the visible list
    // (replacing what it held). The frame list is emptied: lights are added anew every frame.
    void BuildVisible(const glm::mat4& view);
    std::span<const PointLight> GetVisible() const { return m_visible; }
    // The light buffer's element count: the visible count, but 1 when fewer than two are visible (a buffer
    // is never empty).
    std::size_t GetBufferElementCount() const;
    void ClearVisible() { m_visible.clear(); }
    std::size_t GetPendingCount() const { return m_frame.size(); }
    void Reset();

private:
    std::vector<PointLight> m_frame;
    std::vector<PointLight> m_visible;
};

}  // namespace Lumaspace
