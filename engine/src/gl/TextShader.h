// The text pass: layouts appended with their anchor and colour become glyph quads (one instance each) on the
// CPU; Draw uploads them and draws them all with one instanced draw, blended over the bound target in
// back-buffer pixels, then empties the list.
#pragma once

#include <epoxy/gl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Lumagrid/Diagnostics.h"
#include "gl/GlyphAtlas.h"
#include "gl/ShaderProgram.h"
#include "text/TextLayout.h"

namespace Lumaspace {

class TextShader {
public:
    // Glyphs appended beyond this before a Draw are left out (and reported once).
    static constexpr std::size_t kMostGlyphs = 1u << 18;

    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    void Append(const TextLayout& layout, float x, float y, std::uint32_t colour);
    // Draws what was appended onto a target of width x height pixels; with kTextRestoreState in flags the
    // state the pass changed is put back. The engine's vertex array is bound again in every case.
    void Draw(std::uint32_t flags, int targetWidth, int targetHeight, DiagnosticSink& diagnostics);
    std::uint64_t DrawCount() const { return m_draws; }

private:
    void StartOverIfFull(DiagnosticSink& diagnostics);

    struct GlyphQuad {
        float rect[4];         // left, top, right, bottom in back-buffer pixels
        float atlasRect[4];    // the same corners in atlas texels
        std::uint8_t rgba[4];  // the text colour
    };
    static_assert(sizeof(GlyphQuad) == 36);

    GLuint m_program = 0;
    GLint m_targetSize = -1;
    GLuint m_vertexArray = 0;
    GLuint m_instances = 0;
    GLuint m_sampler = 0;
    GlyphAtlas m_atlas;
    std::vector<GlyphQuad> m_quads;
    bool m_leftOut = false;
    std::uint64_t m_draws = 0;
};

}  // namespace Lumaspace
