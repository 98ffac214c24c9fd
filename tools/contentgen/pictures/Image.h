// An RGBA picture being drawn: straight (not premultiplied) colours in 0..1, row 0 at the top. Shapes are
// given as signed distances in pixels (negative inside) and blended with an anti-aliased edge.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <glm/glm.hpp>

class Image {
public:
    Image(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const glm::vec4& At(int x, int y) const { return m_pixels[Index(x, y)]; }
    glm::vec4& At(int x, int y) { return m_pixels[Index(x, y)]; }

    // Lays color over the pixel with the given coverage (0..1).
    void Blend(int x, int y, const glm::vec4& color, float coverage);
    // Sets every pixel to shader(pixel centre, uv in 0..1).
    void Shade(const std::function<glm::vec4(glm::vec2 pixel, glm::vec2 uv)>& shader);
    // Blends color over the shape: distance(pixel centre) is the signed distance to its edge in pixels.
    void Fill(const std::function<float(glm::vec2)>& distance, const glm::vec4& color);
    // The same with a colour per pixel.
    void FillShaded(const std::function<float(glm::vec2)>& distance,
                    const std::function<glm::vec4(glm::vec2 pixel, glm::vec2 uv)>& shader);
    // Scales every pixel's alpha.
    void Fade(float alpha);
    // A copy resized with a box filter (for drawing large and storing small).
    Image Resized(int width, int height) const;

    // RGBA bytes, top row first.
    std::vector<std::uint8_t> Rgba() const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width;
    int m_height;
    std::vector<glm::vec4> m_pixels;
};

// Signed distances in pixels, negative inside.
namespace Sdf {
float Circle(glm::vec2 p, glm::vec2 center, float radius);
float Ellipse(glm::vec2 p, glm::vec2 center, glm::vec2 radii);
float RoundBox(glm::vec2 p, glm::vec2 center, glm::vec2 halfSize, float cornerRadius);
float Segment(glm::vec2 p, glm::vec2 a, glm::vec2 b, float halfWidth);
// Any simple polygon, by the even-odd rule.
float Polygon(glm::vec2 p, const std::vector<glm::vec2>& points);
// The ring of width 2 * halfWidth along the shape's edge.
inline float Outline(float distance, float halfWidth) {
    return glm::abs(distance) - halfWidth;
}
}  // namespace Sdf
