// A piece of text on screen: a string laid out once, with a colour, a font size and an anchor in GUI space
// (pixels from the window centre, x right, y up). Text objects do not draw themselves: their owner queues
// them on the frame's GUI queue, which hands every queued layout to the engine and draws all text of the
// frame in one pass, over the GUI elements.
//
// The layout box has no extent, so with centre alignment the text is centred on the anchor both ways; with
// trailing alignment its right edge lies on the anchor, with leading alignment its left edge.
#pragma once

#include <cstdint>
#include <string>

#include "Lumagrid/Handles.h"

class TextObject {
public:
    static constexpr int kLeading = 0;
    static constexpr int kTrailing = 1;
    static constexpr int kCentre = 2;

    TextObject() = default;
    ~TextObject();
    TextObject(const TextObject&) = delete;
    TextObject& operator=(const TextObject&) = delete;

    // Text in the display font (the game's own font file); returns true. Alignment starts centred.
    bool CreateText(std::uint32_t colour, const std::string& text, float size, float x, float y);
    // The same in the system font (the debug overlay and notices).
    bool CreateSystemText(std::uint32_t colour, const std::string& text, float size, float x, float y);

    // Lays the string out again at the size the object was created with; width and height follow it.
    // Bytes are read as Latin-1 characters.
    void SetText(const std::string& text);
    // Moves the anchor; owners call it again after a window-size change to keep the text in place.
    void SetPosition(float x, float y);
    // Changes the font size of the current layout until the next SetText; width and height stay those of
    // the last SetText.
    void SetFontSize(float size);
    // Frees the layout; the object draws nothing until it is created again.
    void Release();

    const std::string& GetText() const { return m_text; }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    float GetDrawX() const { return m_drawX; }  // anchor in back-buffer pixels, origin top left, y down
    float GetDrawY() const { return m_drawY; }
    float GetWidth() const { return m_width; }  // laid-out size in GUI pixels
    float GetHeight() const { return m_height; }
    float GetFontSize() const { return m_size; }
    std::uint32_t GetLength() const { return m_length; }
    Lumaspace::TextLayoutHandle GetLayout() const { return m_layout; }

    // Colour with red in the lowest byte, then green, blue, alpha (0xFF0000FF is opaque red); takes effect
    // at the next draw.
    std::uint32_t colour = 0xFFFFFFFFu;
    // kLeading, kTrailing or kCentre; takes effect at the next SetText.
    int alignment = kCentre;

private:
    bool Create(bool systemFont, std::uint32_t textColour, const std::string& text, float size, float x,
                float y);

    float m_drawX = 0.0f;
    float m_drawY = 0.0f;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_width = 0.0f;
    float m_height = 0.0f;
    std::uint32_t m_length = 0;
    float m_formatSize = 0.0f;  // the size SetText lays out at
    float m_size = 0.0f;        // the current size (after SetFontSize)
    bool m_systemFont = false;
    Lumaspace::TextLayoutHandle m_layout;
    std::string m_text;
};
