#include "pictures/Image.h"

#include <algorithm>
#include <cmath>

Image::Image(int width, int height)
    : m_width(std::max(width, 1)),
      m_height(std::max(height, 1)),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), glm::vec4(0.0f)) {}

void Image::Blend(int x, int y, const glm::vec4& color, float coverage) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    const float a = std::clamp(color.a * coverage, 0.0f, 1.0f);
    if (a <= 0.0f) {
        return;
    }
    glm::vec4& under = m_pixels[Index(x, y)];
    const float outA = a + under.a * (1.0f - a);
    const glm::vec3 rgb = (glm::vec3(color) * a + glm::vec3(under) * under.a * (1.0f - a)) / outA;
    under = glm::vec4(rgb, outA);
}

void Image::Shade(const std::function<glm::vec4(glm::vec2, glm::vec2)>& shader) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const glm::vec2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            m_pixels[Index(x, y)] = glm::clamp(
                shader(p, p / glm::vec2(static_cast<float>(m_width), static_cast<float>(m_height))),
                glm::vec4(0.0f), glm::vec4(1.0f));
        }
    }
}

void Image::Fill(const std::function<float(glm::vec2)>& distance, const glm::vec4& color) {
    FillShaded(distance, [&color](glm::vec2, glm::vec2) { return color; });
}

void Image::FillShaded(const std::function<float(glm::vec2)>& distance,
                       const std::function<glm::vec4(glm::vec2, glm::vec2)>& shader) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const glm::vec2 p(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            const float coverage = std::clamp(0.5f - distance(p), 0.0f, 1.0f);
            if (coverage > 0.0f) {
                Blend(x, y,
                      shader(p, p / glm::vec2(static_cast<float>(m_width), static_cast<float>(m_height))),
                      coverage);
            }
        }
    }
}

void Image::Fade(float alpha) {
    for (glm::vec4& pixel : m_pixels) {
        pixel.a *= alpha;
    }
}

Image Image::Resized(int width, int height) const {
    Image out(width, height);
    const float sx = static_cast<float>(m_width) / static_cast<float>(out.m_width);
    const float sy = static_cast<float>(m_height) / static_cast<float>(out.m_height);
    for (int y = 0; y < out.m_height; ++y) {
        for (int x = 0; x < out.m_width; ++x) {
            const int x0 = static_cast<int>(std::floor(static_cast<float>(x) * sx));
            const int y0 = static_cast<int>(std::floor(static_cast<float>(y) * sy));
            const int x1 =
                std::clamp(static_cast<int>(std::ceil(static_cast<float>(x + 1) * sx)), x0 + 1, m_width);
            const int y1 =
                std::clamp(static_cast<int>(std::ceil(static_cast<float>(y + 1) * sy)), y0 + 1, m_height);
            glm::vec4 sum(0.0f);
            for (int v = y0; v < y1; ++v) {
                for (int u = x0; u < x1; ++u) {
                    const glm::vec4& c = At(u, v);
                    sum += glm::vec4(glm::vec3(c) * c.a,
                                     c.a);  // weighted by alpha so clear pixels add no colour
                }
            }
            const float n = static_cast<float>((x1 - x0) * (y1 - y0));
            out.At(x, y) = sum.a > 0.0f ? glm::vec4(glm::vec3(sum) / sum.a, sum.a / n) : glm::vec4(0.0f);
        }
    }
    return out;
}

std::vector<std::uint8_t> Image::Rgba() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(m_pixels.size() * 4);
    for (const glm::vec4& pixel : m_pixels) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(
                static_cast<std::uint8_t>(std::lround(std::clamp(pixel[i], 0.0f, 1.0f) * 255.0f)));
        }
    }
    return bytes;
}

namespace Sdf {

float Circle(glm::vec2 p, glm::vec2 center, float radius) {
    return glm::length(p - center) - radius;
}

float Ellipse(glm::vec2 p, glm::vec2 center, glm::vec2 radii) {
    // Scaled circle distance: exact enough for the soft edges drawn here.
    const glm::vec2 q = (p - center) / radii;
    const float k = glm::length(q);
    return (k - 1.0f) * std::min(radii.x, radii.y);
}

float RoundBox(glm::vec2 p, glm::vec2 center, glm::vec2 halfSize, float cornerRadius) {
    const glm::vec2 q = glm::abs(p - center) - halfSize + glm::vec2(cornerRadius);
    return glm::length(glm::max(q, glm::vec2(0.0f))) + std::min(std::max(q.x, q.y), 0.0f) - cornerRadius;
}

float Segment(glm::vec2 p, glm::vec2 a, glm::vec2 b, float halfWidth) {
    const glm::vec2 ab = b - a;
    const float len2 = glm::dot(ab, ab);
    const float t = len2 > 0.0f ? std::clamp(glm::dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
    return glm::length(p - (a + ab * t)) - halfWidth;
}

float Polygon(glm::vec2 p, const std::vector<glm::vec2>& points) {
    if (points.size() < 3) {
        return 1e9f;
    }
    float nearest = 1e9f;
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const glm::vec2 a = points[j];
        const glm::vec2 b = points[i];
        nearest = std::min(nearest, Segment(p, a, b, 0.0f));
        if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) {
            inside = !inside;
        }
    }
    return inside ? -nearest : nearest;
}

}  // namespace Sdf
