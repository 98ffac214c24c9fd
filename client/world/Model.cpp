#include "client/world/Model.h"

#include <cstddef>
#include <span>
#include <utility>

#include "Lumagrid/GE.h"

// The model file's vertex records go to the engine as bytes: both must agree on every field's place.
static_assert(sizeof(::Vertex) == sizeof(Lumaspace::Vertex));
static_assert(offsetof(::Vertex, normal) == offsetof(Lumaspace::Vertex, normal));
static_assert(offsetof(::Vertex, tangent) == offsetof(Lumaspace::Vertex, tangent));
static_assert(sizeof(::VertexAnimated) == sizeof(Lumaspace::VertexAnimated));
static_assert(offsetof(::VertexAnimated, weights) == offsetof(Lumaspace::VertexAnimated, weights));
static_assert(offsetof(::VertexAnimated, boneIndices) == offsetof(Lumaspace::VertexAnimated, boneIndices));

namespace {

// Model textures are RGBA rows as the file stores them; a block without pixels makes no texture.
Lumaspace::TextureHandle CreateTexture(Lumaspace::GE& engine, const ModelTexture& block) {
    if (!block.HasPixels()) {
        return {};
    }
    return engine.CreateTextureFromPixels(block.width, block.height, std::span(block.pixels));
}

}  // namespace

Model::~Model() {
    Release();
}

std::unique_ptr<BaseModel> Model::CreateEmpty() const {
    return std::make_unique<Model>();
}

void Model::KeepGraphicsData(ModelFileData& file) {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    m_animated = file.animated;
    SetVertexCount(static_cast<std::int32_t>(file.VertexCount()));
    SetAnimations(std::move(file.animations));
    if (engine == nullptr) {
        return;
    }
    // The file's vertex records have the engine's layouts byte for byte (both sides assert the sizes and
    // offsets), so the bytes go across as they are.
    const std::span<const std::byte> bytes = m_animated ? std::as_bytes(std::span(file.animatedVertices))
                                                        : std::as_bytes(std::span(file.vertices));
    Lumaspace::BufferHandle buffer;
    if (!bytes.empty()) {
        buffer = engine->CreateBuffer(
            m_animated ? Lumaspace::BUFFERTYPE_ANIMATED : Lumaspace::BUFFERTYPE_STATIC, bytes);
    }
    // Diffuse first, then the normal map: function arguments would be created in no fixed order.
    const Lumaspace::TextureHandle diffuse = CreateTexture(*engine, file.diffuse);
    const Lumaspace::TextureHandle normalMap = CreateTexture(*engine, file.normalMap);
    SetGraphicsResources(buffer.id, diffuse.id, normalMap.id);
}

void Model::Release() {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine != nullptr) {
        engine->ReleaseBuffer(GetBuffer());
        engine->ReleaseTexture(GetTexture());
        engine->ReleaseTexture(GetNormalMapTexture());
    }
    SetGraphicsResources(0, 0, 0);
}
