// Value types of the engine's text support: which font a layout uses, how its lines align against the
// anchor, the size of a laid-out text and the flag that makes the text pass put back the state it changed.
#pragma once

#include <cstdint>

namespace Lumaspace {

// The two fonts the engine loads at start-up: the game's display font and the system font of the debug
// overlay and notices.
enum class FontFace { Display, System };

// Horizontal alignment of every line against the anchor.
inline constexpr int kTextAlignLeading = 0;   // left edge at the anchor
inline constexpr int kTextAlignTrailing = 1;  // right edge at the anchor
inline constexpr int kTextAlignCentre = 2;    // centred on the anchor

// Flag of RenderTextGeometry: the GL state the text pass changes is restored afterwards.
inline constexpr std::uint32_t kTextRestoreState = 0x800;

// The ink box of a laid-out text (every pixel a glyph covers), in back-buffer pixels. left and top place its
// top-left corner relative to the anchor (x right, y down); a text without ink has an empty box at the
// anchor.
struct TextMetrics {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

}  // namespace Lumaspace
