// A small RGB raster for pictures of the levels, drawn in ground coordinates (x, z) of the game: x to
// the right and z upwards, as the game camera shows them.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

class Canvas {
public:
    // Shows x in [minX, maxX] and z in [minZ, maxZ] at pixelsPerUnit.
    Canvas(float minX, float maxX, float minZ, float maxZ, float pixelsPerUnit);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<std::uint8_t>& Pixels() const { return m_pixels; }

    void Clear(const glm::vec3& color);
    // Replaces every pixel with width * height RGB triples; a buffer of another size is ignored.
    void SetPixels(const std::vector<std::uint8_t>& rgb);
    // A convex polygon of ground points.
    void FillPolygon(const std::vector<glm::vec2>& points, const glm::vec3& color);
    void FillCircle(const glm::vec2& center, float radius, const glm::vec3& color);
    void StrokeCircle(const glm::vec2& center, float radius, const glm::vec3& color);
    void Line(const glm::vec2& a, const glm::vec2& b, const glm::vec3& color, int thickness = 1);

private:
    glm::vec2 ToPixel(const glm::vec2& ground) const;
    void Plot(int x, int y, const glm::vec3& color);

    float m_minX;
    float m_maxZ;
    float m_scale;
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};
