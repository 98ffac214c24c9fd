// GE's text operations: argument checks and messages; layouts live in the text store, geometry and drawing in
// the back end.
#include <cmath>

#include "Lumagrid/GE.h"
#include "RenderBackend.h"
#include "text/TextStore.h"

namespace Lumaspace {

namespace {

// Longer strings are cut here: a layout keeps one placed glyph per character, and the text pass draws them
// every frame.
constexpr std::size_t kLongestText = 65536;
constexpr float kLargestTextSize = static_cast<float>(Font::kLargestSize26) / 64.0f;

bool ValidTextSize(float size) {
    return std::isfinite(size) && size > 0.0f && size <= kLargestTextSize;
}

}  // namespace

bool GE::IsFontLoaded(FontFace face) const {
    return m_text && m_text->FontLoaded(face);
}

TextLayoutHandle GE::CreateTextLayout(FontFace face, std::string_view latin1, float sizePixels,
                                      int alignment) {
    if (!m_backend) {
        return {};
    }
    if (!ValidTextSize(sizePixels)) {
        m_diagnostics.Compose("Invalid text size passed to CreateTextLayout(): sizes run above 0 to 512.");
        return {};
    }
    if (face != FontFace::Display && face != FontFace::System) {
        m_diagnostics.Compose("Invalid font passed to CreateTextLayout().");
        return {};
    }
    if (alignment != kTextAlignLeading && alignment != kTextAlignTrailing && alignment != kTextAlignCentre) {
        m_diagnostics.Compose("Invalid text alignment passed to CreateTextLayout(); the text is centred.");
        alignment = kTextAlignCentre;
    }
    if (latin1.size() > kLongestText) {
        m_diagnostics.Compose(
            "Text longer than 65536 characters passed to CreateTextLayout(); the rest is "
            "not laid out.");
        latin1 = latin1.substr(0, kLongestText);
    }
    return m_text->Create(face, latin1, sizePixels, alignment);
}

TextMetrics GE::GetTextMetrics(TextLayoutHandle layout) const {
    const TextLayout* found = m_text ? m_text->Find(layout) : nullptr;
    return found != nullptr ? found->metrics : TextMetrics{};
}

void GE::SetTextLayoutSize(TextLayoutHandle layout, float sizePixels) {
    TextLayout* found = m_text ? m_text->Find(layout) : nullptr;
    if (found == nullptr) {
        if (layout) {
            m_diagnostics.Compose("SetTextLayoutSize was given a text layout the engine does not know.");
        }
        return;
    }
    if (!ValidTextSize(sizePixels)) {
        m_diagnostics.Compose("Invalid text size passed to SetTextLayoutSize(): sizes run above 0 to 512.");
        return;
    }
    found->size = sizePixels;
    LayOutText(*found);
}

void GE::ReleaseTextLayout(TextLayoutHandle layout) {
    if (m_text && layout && !m_text->Release(layout)) {
        m_diagnostics.Compose("Released a text layout the engine does not know.");
    }
}

void GE::AnalyzeText(TextLayoutHandle layout, float x, float y, std::uint32_t colour, std::uint32_t flags) {
    if (!m_backend || !layout) {
        return;
    }
    const TextLayout* found = m_text->Find(layout);
    if (found == nullptr) {
        m_diagnostics.Compose("AnalyzeText was given a text layout the engine does not know.");
        return;
    }
    if (!std::isfinite(x) || !std::isfinite(y)) {
        m_diagnostics.Compose("Invalid position passed to AnalyzeText().");
        return;
    }
    m_backend->AnalyzeText(*found, layout, x, y, colour, flags);
}

void GE::RenderTextGeometry(std::uint32_t flags) {
    if (m_backend) {
        m_backend->RenderTextGeometry(flags);
    }
}

std::size_t GE::GetTextLayoutCount() const {
    return m_text ? m_text->Count() : 0;
}

std::uint64_t GE::GetTextDrawCount() const {
    return m_backend ? m_backend->TextDrawCount() : 0;
}

}  // namespace Lumaspace
