#include "gl/FoliageShader.h"

#include "ImageFile.h"
#include "gl/BindingSlots.h"
#include "gl/EffectParts.h"
#include "gl/GLObjects.h"
#include "gl/ShaderCatalogue.h"
#include "gl/VertexLayouts.h"

namespace Lumaspace {

namespace {

struct FoliageMatrices {
    glm::mat4 world;
    glm::mat4 view;
    glm::mat4 projection;
    glm::mat4 lightView;
    glm::mat4 lightProjection;
};
static_assert(sizeof(FoliageMatrices) == 320);

// The per-draw values beside the matrices: the sway value first, then the scene's fog.
struct FoliageFrame {
    glm::vec4 sway;
    glm::vec4 fog;
};

constexpr VertexAttribute kLayout[] = {
    {kPositionLocation, 3, GL_FLOAT, false, offsetof(GrassPoint, position)},
    {kTexcoordLocation, 2, GL_FLOAT, false, offsetof(GrassPoint, offset)},
};
constexpr GLuint kLayoutLocations[] = {kPositionLocation, kTexcoordLocation};

// The blades are placed the same way at every start.
constexpr std::uint32_t kPlacementSeed = 20;

TextureHandle LoadPicture(TextureStore& textures, const std::string& path, DiagnosticSink& diagnostics) {
    ImageRGBA image;
    TextureHandle texture;
    if (DecodeImageFile(path, image)) {
        texture = textures.Create(image.width, image.height, image.pixels.data(), true);
    }
    if (!texture) {
        diagnostics.Compose("Filepath: '" + path + "'!");
    }
    return texture;
}

}  // namespace

bool FoliageShader::Initialize(ProgramCache& programs, TextureStore& textures, DiagnosticSink& diagnostics) {
    const ProgramMessages messages{
        .vertexFailed = "Failed to create foliage vertex shader.",
        .layoutFailed = "Failed to create foliage vertex layout.",
        .geometryFailed = "Failed to create geometry vertex shader.",
        .pixelFailed = "Failed to create foliage pixel shader.",
        .vertexCompiled = "Foliage vertex shader compiled successfully.",
        .vertexVersion = "Shader version: VS ",
        .geometryCompiled = "Foliage geometry shader compiled successfully.",
        .geometryVersion = "Foliage version: PS ",
        .pixelCompiled = "Foliage pixel shader compiled successfully.",
        .pixelVersion = "Foliage version: PS ",
    };
    m_program = LoadProgram(programs, kFoliageProgram, kLayoutLocations, messages, diagnostics);
    if (m_program == 0) {
        return false;
    }
    TieBlock(m_program, "FoliageMatrices", GeometryBufferSlot(0));
    TieBlock(m_program, "FoliageFrame", GeometryBufferSlot(1));
    TieTexture(m_program, "grassTexture", TextureUnit(0));
    TieTexture(m_program, "normalMap", TextureUnit(1));

    m_matrixBuffer = CreateUniformBuffer(sizeof(FoliageMatrices));
    if (m_matrixBuffer == 0) {
        diagnostics.Compose("Failed to create foliage matrix buffer.");
        return false;
    }
    m_swayBuffer = CreateUniformBuffer(sizeof(FoliageFrame));
    m_sampler = m_swayBuffer != 0 ? CreateLinearWrapSampler() : 0;
    if (m_sampler == 0) {
        diagnostics.Compose("Failed to create foliage sampler state.");
        return false;
    }

    m_textures = &textures;
    m_grassTexture = LoadPicture(textures, kGrassTexturePath, diagnostics);
    m_normalMap = LoadPicture(textures, kNormalMapPath, diagnostics);

    m_field = GrassField::FromMask(ReadGrassMask(kMaskPath), kPlacementSeed);
    if (m_field.Points().empty()) {
        return true;  // no grass: nothing to hold, nothing to draw
    }
    DrainGLErrors();
    glGenBuffers(1, &m_vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, m_vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(m_field.Points().size() * sizeof(GrassPoint)),
                 m_field.Points().data(), GL_STATIC_DRAW);
    if (!DrainGLErrors()) {
        diagnostics.Compose("Failed to create foliage vertex buffer.");
        DeleteBuffers({&m_vertexBuffer});
        m_field = GrassField{};
    }
    m_firsts.reserve(static_cast<std::size_t>(m_field.Side()));
    m_counts.reserve(static_cast<std::size_t>(m_field.Side()));
    return true;
}

void FoliageShader::Shutdown() {
    DeleteBuffers({&m_vertexBuffer, &m_matrixBuffer, &m_swayBuffer});
    DeleteSampler(m_sampler);
    if (m_textures != nullptr) {
        m_textures->Release(m_grassTexture);
        m_textures->Release(m_normalMap);
    }
    m_textures = nullptr;
    m_grassTexture = m_normalMap = {};
    m_field = GrassField{};
    m_program = 0;  // the program cache's
}

void FoliageShader::Render(const FrameRecord& frame, DiagnosticSink& diagnostics) {
    if (m_vertexBuffer == 0) {
        return;
    }
    const CellWindow window = m_field.VisibleCells(frame.projection * frame.view);
    m_firsts.clear();
    m_counts.clear();
    // Rows nearest the camera first, so that the depth test rejects the blades they hide before shading
    // them. Row numbers grow towards -z; the view's third row is the camera's forward direction.
    const bool lookingTowardsPlusZ = frame.view[2][2] > 0.0f;
    for (int k = 0; !window.Empty() && k <= window.lastRow - window.firstRow; ++k) {
        const int row = lookingTowardsPlusZ ? window.lastRow - k : window.firstRow + k;
        const std::uint32_t count = m_field.Count(row, window.firstColumn, window.lastColumn);
        if (count > 0) {
            m_firsts.push_back(static_cast<GLint>(m_field.First(row, window.firstColumn)));
            m_counts.push_back(static_cast<GLsizei>(count));
        }
    }

    const FoliageMatrices matrices{glm::mat4(1.0f), frame.view, frame.projection, frame.lightView,
                                   frame.lightProjection};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_matrixBuffer, &matrices, sizeof(matrices))) {
        diagnostics.Compose("Failed to map foliage matrix buffer.");
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, GeometryBufferSlot(0), m_matrixBuffer);
    const FoliageFrame values{glm::vec4(m_sway.Advance(), 0.0f, 0.0f, 0.0f), glm::vec4(frame.fog, 0.0f)};
    if (!WriteDiscard(GL_UNIFORM_BUFFER, m_swayBuffer, &values, sizeof(values))) {
        diagnostics.Compose("Failed to map foliage angle buffer.");
    }
    glBindBufferBase(GL_UNIFORM_BUFFER, GeometryBufferSlot(1), m_swayBuffer);

    glActiveTexture(GL_TEXTURE0 + TextureUnit(1));
    glBindTexture(GL_TEXTURE_2D, m_textures->Resolve(m_normalMap));
    glBindSampler(TextureUnit(1), m_sampler);
    glActiveTexture(GL_TEXTURE0 + TextureUnit(0));
    glBindTexture(GL_TEXTURE_2D, m_textures->Resolve(m_grassTexture));
    glBindSampler(TextureUnit(0), m_sampler);
    UseVertexLocations((1u << kPositionLocation) | (1u << kTexcoordLocation));
    BindVertexAttributes(m_vertexBuffer, static_cast<GLsizei>(sizeof(GrassPoint)), kLayout);
    glUseProgram(m_program);
    if (!m_firsts.empty()) {
        glMultiDrawArrays(GL_POINTS, m_firsts.data(), m_counts.data(), static_cast<GLsizei>(m_firsts.size()));
    }
}

}  // namespace Lumaspace
