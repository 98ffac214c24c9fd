// Text objects on the engine's text support. The engine lays text out and draws it in back-buffer pixels;
// the object maps its anchor from GUI space into the back buffer and the laid-out size back into GUI pixels.
// It reaches the engine only while one exists, so an object that outlives the engine releases nothing.
#include "client/ui/TextObject.h"

#include "Lumagrid/GE.h"

using Lumaspace::GE;

namespace {

// The window (GUI space) and the back buffer the engine was started with.
struct Sizes {
    float window[2];
    float screen[2];
};

bool EngineSizes(const GE* engine, Sizes& sizes) {
    if (engine == nullptr) {
        return false;
    }
    sizes = {{engine->GetWindowWidth(), engine->GetWindowHeight()},
             {engine->GetScreenWidth(), engine->GetScreenHeight()}};
    return sizes.window[0] >= 1.0f && sizes.window[1] >= 1.0f && sizes.screen[0] >= 1.0f &&
           sizes.screen[1] >= 1.0f;
}

}  // namespace

TextObject::~TextObject() {
    Release();
}

bool TextObject::CreateText(std::uint32_t textColour, const std::string& text, float size, float x, float y) {
    return Create(false, textColour, text, size, x, y);
}

bool TextObject::CreateSystemText(std::uint32_t textColour, const std::string& text, float size, float x,
                                  float y) {
    return Create(true, textColour, text, size, x, y);
}

bool TextObject::Create(bool systemFont, std::uint32_t textColour, const std::string& text, float size,
                        float x, float y) {
    m_systemFont = systemFont;
    m_formatSize = size;
    alignment = kCentre;
    SetText(text);
    SetPosition(x, y);
    colour = textColour;
    return true;
}

void TextObject::SetText(const std::string& text) {
    m_text = text;
    m_length = static_cast<std::uint32_t>(text.size());
    m_size = m_formatSize;
    m_width = 0.0f;
    m_height = 0.0f;
    GE* engine = GE::GetInstanceIfCreated();
    if (engine == nullptr) {
        m_layout = {};
        return;
    }
    engine->ReleaseTextLayout(m_layout);
    m_layout =
        engine->CreateTextLayout(m_systemFont ? Lumaspace::FontFace::System : Lumaspace::FontFace::Display,
                                 m_text, m_formatSize, alignment);
    Sizes sizes{};
    if (m_layout && EngineSizes(engine, sizes)) {
        const Lumaspace::TextMetrics metrics = engine->GetTextMetrics(m_layout);
        m_width = metrics.width / sizes.screen[0] * sizes.window[0];
        m_height = metrics.height / sizes.screen[1] * sizes.window[1];
    }
}

void TextObject::SetPosition(float x, float y) {
    m_x = x;
    m_y = y;
    Sizes sizes{};
    if (!EngineSizes(GE::GetInstanceIfCreated(), sizes)) {
        m_drawX = 0.0f;
        m_drawY = 0.0f;
        return;
    }
    m_drawX = (sizes.window[0] / 2.0f + x) * sizes.screen[0] / sizes.window[0];
    m_drawY = (sizes.window[1] / 2.0f - y) * sizes.screen[1] / sizes.window[1];
}

void TextObject::SetFontSize(float size) {
    m_size = size;
    if (GE* engine = GE::GetInstanceIfCreated(); engine != nullptr && m_layout) {
        engine->SetTextLayoutSize(m_layout, size);
    }
}

void TextObject::Release() {
    if (GE* engine = GE::GetInstanceIfCreated(); engine != nullptr && m_layout) {
        engine->ReleaseTextLayout(m_layout);
    }
    m_layout = {};
    m_text.clear();
    m_length = 0;
    m_width = 0.0f;
    m_height = 0.0f;
}
