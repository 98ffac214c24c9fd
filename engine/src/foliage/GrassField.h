// The grass of the arena floor, generated once from a grey-scale mask: the roots of three blades in every
// mask cell brighter than one half, kept row by row so that the cells near the view are contiguous ranges,
// and the sway value that moves the blades' tips. CPU only; the foliage pipeline draws it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

namespace Lumaspace {

// One blade's root as the vertex buffer holds it (20 bytes): world x, the cell's brightness (0.5 .. 1, not a
// height), world z, and the two random numbers (0 .. 1) that placed it in its cell.
struct GrassPoint {
    glm::vec3 position{0.0f};
    glm::vec2 offset{0.0f};
};
static_assert(sizeof(GrassPoint) == 20);

// The blade shape the foliage shaders draw; the view cull leaves room for it.
inline constexpr float kBladeBaseHeight = 0.35f;  // plus kBladeHeightPerBrightness x the cell's brightness
inline constexpr float kBladeHeightPerBrightness = 0.45f;
inline constexpr float kBladeHalfWidth = 0.07f;
inline constexpr float kBladeLean = 0.3f;  // the tip's sideways reach at full sway
inline constexpr float kCellSize = 0.5f;   // world units per mask cell

// The file's bytes as far as they can be read; empty when it is missing, empty or unreadable.
std::vector<std::uint8_t> ReadGrassMask(const std::filesystem::path& path);

// The side n of the square mask in that many bytes: the largest n with n * n <= bytes.
int GrassMaskSide(std::size_t bytes);

// Rows and columns of mask cells, both inclusive; empty when last < first.
struct CellWindow {
    int firstRow = 0;
    int lastRow = -1;
    int firstColumn = 0;
    int lastColumn = -1;

    bool Empty() const { return lastRow < firstRow || lastColumn < firstColumn; }
};

class GrassField {
public:
    // The mask is n x n bytes row after row (n from GrassMaskSide; bytes past n * n are ignored). Cell (i, j)
    // with brightness m = byte / 255 above 0.5 gets three roots at (bx + r1, m, bz + r2), with
    // bx = (j - n / 2) * 0.5, bz = (i - n / 2) * -0.5 and r1, r2 uniform in 0 .. 1 from the seeded source.
    static GrassField FromMask(std::span<const std::uint8_t> mask, std::uint32_t seed);

    int Side() const { return m_side; }
    const std::vector<GrassPoint>& Points() const { return m_points; }

    // The roots of row's cells firstColumn .. lastColumn (inside the window's bounds): first index and count.
    std::uint32_t First(int row, int firstColumn) const;
    std::uint32_t Count(int row, int firstColumn, int lastColumn) const;

    // Every cell with a root whose blade may show through viewProjection (the client's row-vector matrices
    // as bytes, depth 0 .. 1), clamped to the mask. The whole mask when the matrix cannot be inverted.
    CellWindow VisibleCells(const glm::mat4& viewProjection) const;

private:
    int m_side = 0;
    std::vector<GrassPoint> m_points;
    std::vector<std::uint32_t> m_cellStart;  // side * side + 1 prefix counts: the first root of each cell
};

// The sway of the blades: each draw advances the sway time by 0.005 and the value is half its sine.
class GrassSway {
public:
    float Advance() {
        m_time += 0.005f;
        return Value();
    }
    float Value() const;

private:
    float m_time = 0.0f;
};

}  // namespace Lumaspace
