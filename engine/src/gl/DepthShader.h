// The shadow-map pipelines: static, instanced and skinned models seen from the shadow light, writing their
// depth into the shadow map's R32F colour target (the map's own depth buffer does the test). Texels with
// alpha below one half cast no shadow. Prepare operations choose the vertex stage; the pixel stage is always
// the depth one.
#pragma once

#include <epoxy/gl.h>

#include <span>

#include <glm/mat4x4.hpp>

#include "Lumagrid/Diagnostics.h"
#include "SceneData.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

class DepthShader {
public:
    bool Initialize(ProgramCache& programs, DiagnosticSink& diagnostics);
    void Shutdown();

    void PrepareAnimated();
    void PrepareInstanced();
    void PrepareStatic();

    // count vertices of buffer (fewer when it holds fewer), moved by world, with its texture's alpha.
    void RenderAnimated(GLuint buffer, int count, const glm::mat4& world, GLuint texture,
                        std::span<const glm::mat4> bones, const FrameRecord& frame) const;
    // One copy per instance matrix; instanceCount 0 draws nothing.
    void RenderInstanced(GLuint buffer, int count, const glm::mat4& world, GLuint texture, GLuint instances,
                         int instanceCount, const FrameRecord& frame) const;
    void RenderStatic(GLuint buffer, int count, const glm::mat4& world, GLuint texture,
                      const FrameRecord& frame) const;

private:
    enum Stage { kStaticStage, kInstancedStage, kAnimatedStage, kStages };

    void Apply() const;
    bool WriteMatrices(const glm::mat4& world, const FrameRecord& frame) const;
    void Draw(GLuint buffer, int count, GLsizei stride, GLuint texture, GLuint instances,
              int instanceCount) const;

    DiagnosticSink* m_diagnostics = nullptr;
    GLuint m_programs[kStages] = {};
    Stage m_stage = kStaticStage;
    GLuint m_sampler = 0;
    GLuint m_matrices = 0;
    GLuint m_bones = 0;
};

}  // namespace Lumaspace
