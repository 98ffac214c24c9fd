#include "gl/TextShader.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "gl/BindingSlots.h"
#include "gl/GLObjects.h"
#include "gl/SavedDrawState.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

constexpr GLuint kLayoutLocations[] = {kPositionLocation, kTexcoordLocation, kColourLocation};

constexpr int kLargestAtlasSide = 4096;

}  // namespace

bool TextShader::Initialize(ProgramCache& programs, DiagnosticSink& diagnostics) {
    ShaderFailure failure;
    m_program = programs.Get(kTextProgram, failure);
    if (m_program == 0) {
        diagnostics.Compose(failure.stage == ShaderStage::Vertex ? "Failed to create text vertex shader."
                                                                 : "Failed to create text pixel shader.");
        diagnostics.Compose(failure.detail);
        return false;
    }
    std::string layoutDetail;
    if (!ProgramMatchesLayout(m_program, kLayoutLocations, layoutDetail)) {
        diagnostics.Compose("Failed to create text vertex input layout.");
        diagnostics.Compose(layoutDetail);
        return false;
    }
    m_targetSize = glGetUniformLocation(m_program, "targetSize");
    glUseProgram(m_program);
    glUniform1i(glGetUniformLocation(m_program, "glyphAtlas"), static_cast<GLint>(TextureUnit(0)));
    glUseProgram(0);

    // The pass has a vertex array of its own, so that its per-instance inputs never disturb the one the other
    // pipelines share.
    GLint previousArray = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previousArray);
    glGenBuffers(1, &m_instances);
    glGenVertexArrays(1, &m_vertexArray);
    glBindVertexArray(m_vertexArray);
    const VertexAttribute attributes[] = {
        {kPositionLocation, 4, GL_FLOAT, false, offsetof(GlyphQuad, rect)},
        {kTexcoordLocation, 4, GL_FLOAT, false, offsetof(GlyphQuad, atlasRect)},
    };
    BindVertexAttributes(m_instances, sizeof(GlyphQuad), attributes, 1);
    glVertexAttribPointer(kColourLocation, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(GlyphQuad),
                          reinterpret_cast<const void*>(offsetof(GlyphQuad, rgba)));
    glVertexAttribDivisor(kColourLocation, 1);
    for (GLuint location : kLayoutLocations) {
        glEnableVertexAttribArray(location);
    }
    glBindVertexArray(static_cast<GLuint>(previousArray));

    glGenSamplers(1, &m_sampler);
    glSamplerParameteri(m_sampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(m_sampler, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(m_sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(m_sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (!DrainGLErrors()) {
        diagnostics.Compose("Failed to create the text geometry buffer.");
        return false;
    }

    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (!m_atlas.Initialize(std::min(kLargestAtlasSide, static_cast<int>(largest)))) {
        diagnostics.Compose("Failed to create the glyph atlas.");
        return false;
    }
    return true;
}

void TextShader::Shutdown() {
    m_atlas.Shutdown();
    if (m_sampler != 0) {
        glDeleteSamplers(1, &m_sampler);
    }
    if (m_vertexArray != 0) {
        glDeleteVertexArrays(1, &m_vertexArray);
    }
    if (m_instances != 0) {
        glDeleteBuffers(1, &m_instances);
    }
    // The program belongs to the program cache.
    m_program = m_vertexArray = m_instances = m_sampler = 0;
    m_quads.clear();
}

void TextShader::Append(const TextLayout& layout, float x, float y, std::uint32_t colour) {
    if (layout.font == nullptr || m_program == 0) {
        return;
    }
    // The anchor moves to the nearest whole pixel, so that every glyph covers whole pixels of the target.
    const float anchorX = std::floor(x + 0.5f);
    const float anchorY = std::floor(y + 0.5f);
    const std::uint8_t rgba[4] = {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                                  static_cast<std::uint8_t>(colour >> 16),
                                  static_cast<std::uint8_t>(colour >> 24)};
    for (const PlacedGlyph& placed : layout.glyphs) {
        if (m_quads.size() >= kMostGlyphs) {
            m_leftOut = true;
            return;
        }
        const GlyphAtlas::Slot* slot = m_atlas.Find(layout.face, *layout.font, placed.glyph, layout.size26);
        if (slot == nullptr) {
            continue;
        }
        const float left = anchorX + static_cast<float>(placed.x + slot->left);
        const float top = anchorY + static_cast<float>(placed.y - slot->top);
        GlyphQuad quad{
            {left, top, left + static_cast<float>(slot->width), top + static_cast<float>(slot->height)},
            {static_cast<float>(slot->x), static_cast<float>(slot->y),
             static_cast<float>(slot->x + slot->width), static_cast<float>(slot->y + slot->height)},
            {rgba[0], rgba[1], rgba[2], rgba[3]}};
        m_quads.push_back(quad);
    }
}

void TextShader::Draw(std::uint32_t flags, int targetWidth, int targetHeight, DiagnosticSink& diagnostics) {
    if (m_leftOut) {
        diagnostics.Compose(
            "More glyphs were appended than the text pass draws at once; the rest were left out.");
        m_leftOut = false;
    }
    if (m_quads.empty() || m_program == 0) {
        m_quads.clear();
        StartOverIfFull(diagnostics);
        return;
    }
    std::optional<SavedDrawState> saved;
    GLint engineArray = 0;
    if ((flags & kTextRestoreState) != 0) {
        saved.emplace();
    } else {
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &engineArray);
    }

    glBindVertexArray(m_vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, m_instances);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(m_quads.size() * sizeof(GlyphQuad)), m_quads.data(),
                 GL_STREAM_DRAW);
    glUseProgram(m_program);
    glUniform2f(m_targetSize, static_cast<float>(targetWidth), static_cast<float>(targetHeight));
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, m_atlas.Texture());
    glBindSampler(TextureUnit(0), m_sampler);
    glEnable(GL_BLEND);
    glBlendEquationSeparate(GL_FUNC_ADD, GL_FUNC_ADD);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_SCISSOR_TEST);
    glDrawArraysInstanced(GL_TRIANGLE_STRIP, 0, 4, static_cast<GLsizei>(m_quads.size()));
    ++m_draws;
    m_quads.clear();

    if (saved) {
        saved->Restore();
    } else {
        glBindVertexArray(static_cast<GLuint>(engineArray));
    }
    StartOverIfFull(diagnostics);
}

void TextShader::StartOverIfFull(DiagnosticSink& diagnostics) {
    // Only after the draw: the frame's quads still point at the texels the atlas is about to give up.
    if (m_atlas.StartOverIfFull()) {
        diagnostics.Compose("The glyph atlas was full: some glyphs were left out, and it starts over.");
    }
}

}  // namespace Lumaspace
