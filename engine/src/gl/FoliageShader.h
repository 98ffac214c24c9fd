// The foliage pipeline: the grass field of the mask file in one static vertex buffer, drawn as a point list
// that the geometry shader grows into swaying blades written into both G-buffers. Only the mask rows and
// columns near the view are drawn (contiguous ranges of the buffer, one multi-draw). A missing, empty or
// unreadable mask gives no grass and a working engine.
#pragma once

#include <epoxy/gl.h>

#include <string>
#include <vector>

#include "Lumagrid/Diagnostics.h"
#include "Lumagrid/Handles.h"
#include "SceneData.h"
#include "foliage/GrassField.h"
#include "gl/ShaderProgram.h"
#include "gl/TextureStore.h"

namespace Lumaspace {

class FoliageShader {
public:
    static constexpr const char* kMaskPath = "../Ombrin/GrassMap/grassMask.raw";
    static constexpr const char* kGrassTexturePath = "../Ombrin/2DTextures/Particles/GrassFoil.png";
    static constexpr const char* kNormalMapPath = "../Ombrin/2DTextures/blanknormalmap_50.png";

    // False (with the message) when the shaders, layout or buffers cannot be made; a missing picture is
    // reported and drawn as no texture.
    bool Initialize(ProgramCache& programs, TextureStore& textures, DiagnosticSink& diagnostics);
    void Shutdown();

    // One draw of the grass in view with the frame's camera, advancing the sway. Draws into whatever target
    // is bound (the G-buffers in the frame protocol).
    void Render(const FrameRecord& frame, DiagnosticSink& diagnostics);

    std::size_t PointCount() const { return m_field.Points().size(); }

private:
    GLuint m_program = 0;
    GLuint m_vertexBuffer = 0;
    GLuint m_matrixBuffer = 0;
    GLuint m_swayBuffer = 0;
    GLuint m_sampler = 0;
    TextureStore* m_textures = nullptr;
    TextureHandle m_grassTexture;
    TextureHandle m_normalMap;
    GrassField m_field;
    GrassSway m_sway;
    // The ranges of one draw, kept so that a frame allocates nothing.
    std::vector<GLint> m_firsts;
    std::vector<GLsizei> m_counts;
};

}  // namespace Lumaspace
