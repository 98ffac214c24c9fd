// The engine's fonts and the layouts handed out to the client. Layout ids come from one counter for the whole
// process, so a handle kept past an engine restart never names a layout of the new engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/Handles.h"
#include "text/TextLayout.h"

namespace Lumaspace {

// Where the fonts are read from: the display font relative to the working directory like every data path,
// the system font from the system's font folder.
inline constexpr const char* kDisplayFontPath = "../Ombrin/Fonts/RagingRedLotusBB.ttf";
inline constexpr const char* kSystemFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class TextStore {
public:
    // Loads both fonts; a font that does not load is reported and its layouts stay empty.
    void LoadFonts(DiagnosticSink& diagnostics);
    bool FontLoaded(FontFace face) const { return FontOf(face).Loaded(); }

    // Arguments are already checked.
    TextLayoutHandle Create(FontFace face, std::string_view latin1, float size, int alignment);
    TextLayout* Find(TextLayoutHandle layout);
    const TextLayout* Find(TextLayoutHandle layout) const;
    bool Release(TextLayoutHandle layout);
    std::size_t Count() const { return m_layouts.size(); }
    void Clear() { m_layouts.clear(); }

private:
    Font& FontOf(FontFace face) { return face == FontFace::System ? m_system : m_display; }
    const Font& FontOf(FontFace face) const { return face == FontFace::System ? m_system : m_display; }

    Font m_display;
    Font m_system;
    std::unordered_map<std::uint32_t, std::unique_ptr<TextLayout>> m_layouts;
};

}  // namespace Lumaspace
