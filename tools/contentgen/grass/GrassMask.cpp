#include "grass/GrassMask.h"

#include <algorithm>
#include <cmath>

#include "pictures/Image.h"

namespace {

// Grass keeps this far from anything standing on the floor, so blades do not poke through its sides.
constexpr float kMargin = 0.6f;

float DistanceTo(const FootprintShape& shape, glm::vec2 point) {
    if (shape.corners.empty()) {
        return Sdf::Circle(point, shape.center, shape.radius);
    }
    return Sdf::Polygon(point, shape.corners);
}

}  // namespace

std::vector<std::uint8_t> GrassMask(const LevelFootprint& footprint) {
    constexpr int n = kGrassMaskSize;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(n) * n, 0);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            // The middle of the cell's square.
            const glm::vec2 point(static_cast<float>(j - n / 2) * kGrassCell + kGrassCell * 0.5f,
                                  static_cast<float>(i - n / 2) * -kGrassCell - kGrassCell * 0.5f);
            if (std::abs(point.x) > kFloorHalfX - kMargin || std::abs(point.y) > kFloorHalfZ - kMargin) {
                continue;
            }
            bool open = true;
            for (const FootprintShape& shape : footprint.shapes) {
                if (shape.kind != FootprintKind::Canopy && DistanceTo(shape, point) < kMargin) {
                    open = false;
                    break;
                }
            }
            mask[static_cast<std::size_t>(i) * n + static_cast<std::size_t>(j)] = open ? 255 : 0;
        }
    }
    return mask;
}
