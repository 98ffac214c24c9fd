#include "gl/VisibilityTexture.h"

#include <algorithm>
#include <array>

#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/SavedDrawState.h"
#include "gl/ShaderCatalogue.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

struct ShadowShapeMatrices {
    glm::mat4 world;
    glm::mat4 view;
    glm::mat4 projection;
};

constexpr VertexAttribute kLayout[] = {{kPositionLocation, 3, GL_FLOAT, false, 0}};
constexpr GLuint kLayoutLocations[] = {kPositionLocation};
constexpr std::size_t kFanVertexBytes = sizeof(glm::vec3);
// The fan buffer starts with room for 500 triangles and grows when a polygon needs more.
constexpr std::size_t kInitialFanVertices = 1500;

// Whether a texture of that size can be made and drawn into.
bool UsableSize(float width, float height) {
    GLint largestTexture = 0;
    GLint largestViewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largestTexture);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largestViewport);
    const float largest =
        static_cast<float>(std::min({largestTexture, largestViewport[0], largestViewport[1]}));
    return width >= 1.0f && height >= 1.0f && width < largest + 1.0f && height < largest + 1.0f;
}

}  // namespace

bool VisibilityTexture::Initialize(ProgramCache& programs, TextureStore& textures, BufferStore& buffers,
                                   int width, int height, std::uint64_t revision,
                                   DiagnosticSink& diagnostics) {
    m_program = LoadProgram(programs, kShadowShapeProgram, kLayoutLocations, ProgramMessages{}, diagnostics);
    if (m_program == 0) {
        return false;
    }
    TieBlock(m_program, "ShadowShapeMatrices", VertexBufferSlot(0));
    m_matrixBuffer = CreateUniformBuffer(sizeof(ShadowShapeMatrices));
    if (m_matrixBuffer == 0) {
        return false;
    }
    DrainGLErrors();
    glGenBuffers(1, &m_fanBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, m_fanBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(kInitialFanVertices * kFanVertexBytes), nullptr,
                 GL_DYNAMIC_DRAW);
    if (!DrainGLErrors()) {
        return false;
    }
    m_fanCapacity = kInitialFanVertices;

    const auto quad = VisibilityPolygon::OverlayQuad(0.0f);
    m_overlay = buffers.CreateDynamic(sizeof(quad));
    if (!m_overlay || !buffers.Update(m_overlay, std::as_bytes(std::span(quad)))) {
        return false;
    }
    m_overlayScroll = 0.0f;

    m_texture = CreateTargetTexture(GL_R32F, std::max(width, 1), std::max(height, 1), GL_RED, GL_FLOAT);
    if (m_texture == 0) {
        diagnostics.Compose("Failed to create render target texture.");
        return false;
    }
    m_framebuffer = CreateFramebuffer({m_texture}, GL_DEPTH_ATTACHMENT, 0);
    if (m_framebuffer == 0) {
        diagnostics.Compose("Failed to create render target.");
        return false;
    }
    m_textureHandle = textures.RegisterEngineTexture(m_texture);
    Resize(static_cast<float>(width), static_cast<float>(height), revision, diagnostics);
    return m_usable;
}

void VisibilityTexture::Shutdown() {
    if (m_framebuffer != 0) {
        glDeleteFramebuffers(1, &m_framebuffer);
    }
    if (m_texture != 0) {
        glDeleteTextures(1, &m_texture);
    }
    DeleteBuffers({&m_fanBuffer, &m_matrixBuffer});
    // The overlay buffer and the texture's handle go with the stores.
    m_framebuffer = m_texture = 0;
    m_program = 0;
    m_fanCapacity = 0;
    m_textureHandle = {};
    m_overlay = {};
    m_usable = false;
}

void VisibilityTexture::Resize(float width, float height, std::uint64_t revision,
                               DiagnosticSink& diagnostics) {
    if (m_texture == 0) {
        return;
    }
    m_usable = false;
    if (!UsableSize(width, height)) {
        diagnostics.Compose("Failed to create render target texture.");
        return;
    }
    // The texture keeps its name (and so its handle and its framebuffer); only its storage changes.
    DrainGLErrors();
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R32F, m_width, m_height, 0, GL_RED, GL_FLOAT, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (!DrainGLErrors()) {
        diagnostics.Compose("Failed to create render target texture.");
        return;
    }
    m_usable = true;
    Clear();
    m_drawnRevision = revision;
}

bool VisibilityTexture::Refresh(const SceneData& scene, BufferStore& buffers, DiagnosticSink& diagnostics) {
    if (!m_usable) {
        return false;
    }
    const float scroll = scene.visibility.GetScroll();
    if (scroll != m_overlayScroll) {
        const auto quad = VisibilityPolygon::OverlayQuad(scroll);
        if (buffers.Update(m_overlay, std::as_bytes(std::span(quad)))) {
            m_overlayScroll = scroll;
        }
    }
    if (scene.visibilityRevision != m_drawnRevision) {
        DrawFan(scene, diagnostics);
        m_drawnRevision = scene.visibilityRevision;
    }
    return true;
}

void VisibilityTexture::Clear() const {
    ScopedDrawFramebuffer keep;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffer);
    const GLfloat nothingSeen[4] = {0.0f, 0.0f, 0.0f, 0.5f};
    glClearBufferfv(GL_COLOR, 0, nothingSeen);
}

void VisibilityTexture::DrawFan(const SceneData& scene, DiagnosticSink&) {
    const std::vector<glm::vec3>& fan = scene.visibility.GetFan();
    Clear();
    if (fan.empty()) {
        return;
    }
    if (fan.size() > m_fanCapacity) {
        const std::size_t capacity = std::max(fan.size(), 2 * m_fanCapacity);
        glBindBuffer(GL_ARRAY_BUFFER, m_fanBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(capacity * kFanVertexBytes), nullptr,
                     GL_DYNAMIC_DRAW);
        m_fanCapacity = capacity;
    }
    const ShadowShapeMatrices matrices{glm::mat4(1.0f), scene.frame.viewPolygon,
                                       scene.frame.visibilityProjection};
    // A failed upload leaves the texture blank for this polygon.
    if (!WriteDiscard(GL_ARRAY_BUFFER, m_fanBuffer, fan.data(), fan.size() * kFanVertexBytes) ||
        !WriteDiscard(GL_UNIFORM_BUFFER, m_matrixBuffer, &matrices, sizeof(matrices))) {
        return;
    }

    const SavedDrawState saved;
    ScopedDrawFramebuffer keep;
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffer);
    glViewport(0, 0, m_width, m_height);
    for (GLenum capability : {GL_BLEND, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_CULL_FACE, GL_SCISSOR_TEST}) {
        glDisable(capability);
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, VertexBufferSlot(0), m_matrixBuffer);
    UseVertexLocations(1u << kPositionLocation);
    BindVertexAttributes(m_fanBuffer, static_cast<GLsizei>(kFanVertexBytes), kLayout);
    glUseProgram(m_program);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(fan.size()));
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    saved.Restore();
}

}  // namespace Lumaspace
