// The text pass's glyph atlas: one single-channel texture holding the coverage of every glyph drawn so far,
// keyed by font, size and glyph, packed in shelves. Glyphs are rasterised on first use. The atlas starts
// small and doubles, keeping what it holds, up to its largest side; when even that is full, glyphs that do
// not fit are left out and the atlas starts empty again once the frame's text has been drawn. A CPU copy of
// the texture makes growing a plain re-upload.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Lumagrid/TextTypes.h"
#include "text/Font.h"

namespace Lumaspace {

class GlyphAtlas {
public:
    // A glyph's texels and where its bitmap sits against the pen position (see GlyphImage).
    struct Slot {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        int left = 0;
        int top = 0;
    };

    static constexpr int kFirstSide = 512;

    bool Initialize(int largestSide);
    void Shutdown();

    // The glyph's slot, rasterised and uploaded on first use; null for glyphs without ink, glyphs FreeType
    // cannot load, and glyphs that do not fit into the full atlas.
    const Slot* Find(FontFace face, Font& font, std::uint32_t glyph, std::int32_t size26);
    // After a frame in which glyphs were left out: forget everything so that the next frame starts over.
    // True when it did.
    bool StartOverIfFull();

    GLuint Texture() const { return m_texture; }
    int Side() const { return m_side; }

private:
    struct Shelf {
        int y;
        int height;
        int used;  // columns taken from the left
    };

    bool Place(int width, int height, int& x, int& y);
    bool Grow();
    void Upload(int x, int y, int width, int height) const;

    GLuint m_texture = 0;
    int m_side = 0;
    int m_largestSide = 0;
    std::vector<std::uint8_t> m_pixels;  // m_side x m_side, row 0 first
    std::vector<Shelf> m_shelves;
    int m_nextShelf = 0;  // first row below the last shelf
    std::unordered_map<std::uint64_t, Slot> m_slots;
    bool m_full = false;
};

}  // namespace Lumaspace
