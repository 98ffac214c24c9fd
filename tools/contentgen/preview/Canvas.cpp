#include "preview/Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(float minX, float maxX, float minZ, float maxZ, float pixelsPerUnit)
    : m_minX(minX),
      m_maxZ(maxZ),
      m_scale(pixelsPerUnit),
      m_width(std::max(1, static_cast<int>(std::lround((maxX - minX) * pixelsPerUnit)))),
      m_height(std::max(1, static_cast<int>(std::lround((maxZ - minZ) * pixelsPerUnit)))),
      m_pixels(static_cast<std::size_t>(m_width * m_height * 3)) {}

glm::vec2 Canvas::ToPixel(const glm::vec2& ground) const {
    return glm::vec2((ground.x - m_minX) * m_scale, (m_maxZ - ground.y) * m_scale);
}

void Canvas::Plot(int x, int y, const glm::vec3& color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    const auto i = static_cast<std::size_t>((y * m_width + x) * 3);
    for (int c = 0; c < 3; ++c) {
        m_pixels[i + static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>(std::lround(std::clamp(color[c], 0.0f, 1.0f) * 255.0f));
    }
}

void Canvas::Clear(const glm::vec3& color) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            Plot(x, y, color);
        }
    }
}

void Canvas::SetPixels(const std::vector<std::uint8_t>& rgb) {
    if (rgb.size() == m_pixels.size()) {
        m_pixels = rgb;
    }
}

void Canvas::FillPolygon(const std::vector<glm::vec2>& points, const glm::vec3& color) {
    if (points.size() < 3) {
        return;
    }
    std::vector<glm::vec2> pixels;
    glm::vec2 lo(1e9f);
    glm::vec2 hi(-1e9f);
    for (const glm::vec2& p : points) {
        pixels.push_back(ToPixel(p));
        lo = glm::min(lo, pixels.back());
        hi = glm::max(hi, pixels.back());
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(lo.x)));
    const int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(hi.x)));
    const int y0 = std::max(0, static_cast<int>(std::floor(lo.y)));
    const int y1 = std::min(m_height - 1, static_cast<int>(std::ceil(hi.y)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const glm::vec2 c(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            // Inside a convex polygon: on the same side of every edge, whatever the turning sense.
            bool positive = false;
            bool negative = false;
            for (std::size_t i = 0; i < pixels.size(); ++i) {
                const glm::vec2 a = pixels[i];
                const glm::vec2 b = pixels[(i + 1) % pixels.size()];
                const float side = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
                positive = positive || side > 0.0f;
                negative = negative || side < 0.0f;
            }
            if (!(positive && negative)) {
                Plot(x, y, color);
            }
        }
    }
}

void Canvas::FillCircle(const glm::vec2& center, float radius, const glm::vec3& color) {
    const glm::vec2 c = ToPixel(center);
    const float r = std::max(radius * m_scale, 1.0f);
    for (int y = static_cast<int>(std::floor(c.y - r)); y <= static_cast<int>(std::ceil(c.y + r)); ++y) {
        for (int x = static_cast<int>(std::floor(c.x - r)); x <= static_cast<int>(std::ceil(c.x + r)); ++x) {
            const glm::vec2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            if (glm::length(p - c) <= r) {
                Plot(x, y, color);
            }
        }
    }
}

void Canvas::StrokeCircle(const glm::vec2& center, float radius, const glm::vec3& color) {
    constexpr int kSteps = 64;
    for (int i = 0; i < kSteps; ++i) {
        const float a0 = 6.2831853f * static_cast<float>(i) / kSteps;
        const float a1 = 6.2831853f * static_cast<float>(i + 1) / kSteps;
        Line(center + radius * glm::vec2(std::cos(a0), std::sin(a0)),
             center + radius * glm::vec2(std::cos(a1), std::sin(a1)), color);
    }
}

void Canvas::Line(const glm::vec2& a, const glm::vec2& b, const glm::vec3& color, int thickness) {
    const glm::vec2 pa = ToPixel(a);
    const glm::vec2 pb = ToPixel(b);
    const int steps = std::max(1, static_cast<int>(std::ceil(glm::length(pb - pa))));
    const int half = thickness / 2;
    for (int i = 0; i <= steps; ++i) {
        const glm::vec2 p = pa + (pb - pa) * (static_cast<float>(i) / static_cast<float>(steps));
        const int px = static_cast<int>(std::floor(p.x));
        const int py = static_cast<int>(std::floor(p.y));
        for (int dy = -half; dy <= half; ++dy) {
            for (int dx = -half; dx <= half; ++dx) {
                Plot(px + dx, py + dy, color);
            }
        }
    }
}
