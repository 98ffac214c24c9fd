#include "text/TextStore.h"

#include <atomic>
#include <utility>

namespace Lumaspace {

namespace {
std::atomic<std::uint32_t> s_nextLayoutId{1};
}  // namespace

void TextStore::LoadFonts(DiagnosticSink& diagnostics) {
    for (const auto& [font, path] : {std::pair<Font*, const char*>{&m_display, kDisplayFontPath},
                                     std::pair<Font*, const char*>{&m_system, kSystemFontPath}}) {
        std::string error;
        if (!font->Load(path, error)) {
            diagnostics.Compose("Failed to load the font '" + std::string(path) + "': " + error +
                                "; its texts will be empty.");
        }
    }
}

TextLayoutHandle TextStore::Create(FontFace face, std::string_view latin1, float size, int alignment) {
    auto layout = std::make_unique<TextLayout>();
    layout->face = face;
    layout->font = &FontOf(face);
    layout->text = std::string(latin1);
    layout->size = size;
    layout->alignment = alignment;
    LayOutText(*layout);
    // After the counter wraps, skip 0 and any id still in use.
    TextLayoutHandle handle{s_nextLayoutId.fetch_add(1)};
    while (!handle || m_layouts.count(handle.id) != 0) {
        handle.id = s_nextLayoutId.fetch_add(1);
    }
    m_layouts.emplace(handle.id, std::move(layout));
    return handle;
}

TextLayout* TextStore::Find(TextLayoutHandle layout) {
    auto found = m_layouts.find(layout.id);
    return found == m_layouts.end() ? nullptr : found->second.get();
}

const TextLayout* TextStore::Find(TextLayoutHandle layout) const {
    auto found = m_layouts.find(layout.id);
    return found == m_layouts.end() ? nullptr : found->second.get();
}

bool TextStore::Release(TextLayoutHandle layout) {
    return m_layouts.erase(layout.id) > 0;
}

}  // namespace Lumaspace
