#include "foliage/GrassField.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <random>

#include <glm/matrix.hpp>
#include <glm/vec4.hpp>

namespace Lumaspace {

namespace {

// How far a blade reaches from its root: up to its tallest height, sideways by its width and lean.
constexpr float kBladeTop = kBladeBaseHeight + kBladeHeightPerBrightness;
constexpr float kBladeReach = kBladeHalfWidth + kBladeLean;

}  // namespace

std::vector<std::uint8_t> ReadGrassMask(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    // Whatever the file system reports as its size, only the bytes actually read count. The stream's read
    // turns a failing file (a folder, an I/O error) into a failed state instead of an exception.
    std::vector<std::uint8_t> bytes;
    char chunk[4096];
    while (file.read(chunk, sizeof(chunk)) || file.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + file.gcount());
        if (file.bad()) {
            return {};
        }
    }
    return file.bad() ? std::vector<std::uint8_t>{} : bytes;
}

int GrassMaskSide(std::size_t bytes) {
    auto side = static_cast<std::size_t>(std::sqrt(static_cast<double>(bytes)));
    while (side * side > bytes) {
        --side;
    }
    while ((side + 1) * (side + 1) <= bytes) {
        ++side;
    }
    return static_cast<int>(side);
}

GrassField GrassField::FromMask(std::span<const std::uint8_t> mask, std::uint32_t seed) {
    GrassField field;
    const int n = GrassMaskSide(mask.size());
    field.m_side = n;
    field.m_cellStart.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n) + 1);
    std::minstd_rand random(seed);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const int half = n / 2;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            field.m_cellStart.push_back(static_cast<std::uint32_t>(field.m_points.size()));
            const float m = static_cast<float>(mask[static_cast<std::size_t>(i) * n + j]) / 255.0f;
            if (!(m > 0.5f)) {
                continue;
            }
            const float bx = static_cast<float>(j - half) * kCellSize;
            const float bz = static_cast<float>(i - half) * -kCellSize;
            for (int blade = 0; blade < 3; ++blade) {
                const float r1 = unit(random);
                const float r2 = unit(random);
                field.m_points.push_back({{bx + r1, m, bz + r2}, {r1, r2}});
            }
        }
    }
    field.m_cellStart.push_back(static_cast<std::uint32_t>(field.m_points.size()));
    return field;
}

std::uint32_t GrassField::First(int row, int firstColumn) const {
    return m_cellStart[static_cast<std::size_t>(row) * m_side + firstColumn];
}

std::uint32_t GrassField::Count(int row, int firstColumn, int lastColumn) const {
    return m_cellStart[static_cast<std::size_t>(row) * m_side + lastColumn + 1] - First(row, firstColumn);
}

CellWindow GrassField::VisibleCells(const glm::mat4& viewProjection) const {
    const CellWindow whole{0, m_side - 1, 0, m_side - 1};
    if (m_side == 0) {
        return {};
    }
    const glm::mat4 inverse = glm::inverse(viewProjection);
    // The view volume's corners in the world (clip depth 0 .. 1).
    std::array<glm::vec3, 8> corners;
    for (int c = 0; c < 8; ++c) {
        const glm::vec4 clip((c & 1) ? 1.0f : -1.0f, (c & 2) ? 1.0f : -1.0f, (c & 4) ? 1.0f : 0.0f, 1.0f);
        const glm::vec4 world = inverse * clip;
        if (!(std::abs(world.w) > 1e-12f)) {
            return whole;
        }
        corners[static_cast<std::size_t>(c)] = glm::vec3(world) / world.w;
        if (!std::isfinite(corners[static_cast<std::size_t>(c)].x) ||
            !std::isfinite(corners[static_cast<std::size_t>(c)].y) ||
            !std::isfinite(corners[static_cast<std::size_t>(c)].z)) {
            return whole;
        }
    }
    // The view volume cut to the layer the blades stand in (0 <= y <= kBladeTop) is convex; its corners are
    // the volume's corners inside the layer and the points where the volume's edges cross the layer's faces.
    float minX = INFINITY, maxX = -INFINITY, minZ = INFINITY, maxZ = -INFINITY;
    auto take = [&](const glm::vec3& p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minZ = std::min(minZ, p.z);
        maxZ = std::max(maxZ, p.z);
    };
    for (const glm::vec3& corner : corners) {
        if (corner.y >= 0.0f && corner.y <= kBladeTop) {
            take(corner);
        }
    }
    for (int a = 0; a < 8; ++a) {
        for (int bit : {1, 2, 4}) {
            const int b = a | bit;
            if (b == a) {
                continue;
            }
            const glm::vec3& p = corners[static_cast<std::size_t>(a)];
            const glm::vec3& q = corners[static_cast<std::size_t>(b)];
            for (float face : {0.0f, kBladeTop}) {
                if ((p.y - face) * (q.y - face) <= 0.0f && p.y != q.y) {
                    take(p + (q - p) * ((face - p.y) / (q.y - p.y)));
                }
            }
        }
    }
    if (!(minX <= maxX && minZ <= maxZ)) {
        return {};
    }
    minX -= kBladeReach;
    maxX += kBladeReach;
    minZ -= kBladeReach;
    maxZ += kBladeReach;
    // A root lies in [base, base + 1] on both axes, with base x = (j - n / 2) * 0.5 and base z =
    // (n / 2 - i) * 0.5.
    const float half = static_cast<float>(m_side / 2);
    auto clampIndex = [this](float index) {
        return static_cast<int>(std::clamp(index, -1.0f, static_cast<float>(m_side)));
    };
    CellWindow window;
    window.firstColumn = clampIndex(std::ceil((minX - 1.0f) / kCellSize + half));
    window.lastColumn = clampIndex(std::floor(maxX / kCellSize + half));
    window.firstRow = clampIndex(std::ceil(half - maxZ / kCellSize));
    window.lastRow = clampIndex(std::floor(half - (minZ - 1.0f) / kCellSize));
    window.firstColumn = std::max(window.firstColumn, 0);
    window.firstRow = std::max(window.firstRow, 0);
    window.lastColumn = std::min(window.lastColumn, m_side - 1);
    window.lastRow = std::min(window.lastRow, m_side - 1);
    return window;
}

float GrassSway::Value() const {
    return std::sin(m_time) * 0.5f;
}

}  // namespace Lumaspace
