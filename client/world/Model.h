// The client's model: what the shared model keeps (collision volumes, points, centre and radius) plus the
// graphics data, held by the engine. Loading makes one immutable vertex buffer of the file's vertices (static
// or skinned) and a texture from each of the file's two texture blocks that holds pixels; the animations are
// kept for the skeleton. The model releases its engine resources when it is destroyed, so the model library
// is cleared before the engine shuts down.
#pragma once

#include <cstdint>
#include <memory>

#include "Lumagrid/Handles.h"
#include "shared/BaseModel.h"

class Model : public BaseModel {
public:
    Model() = default;
    ~Model() override;

    std::unique_ptr<BaseModel> CreateEmpty() const override;

    // The vertex buffer: GetVertexCount() Vertex records, or VertexAnimated records when IsAnimated().
    // The handles are the ones the shared model keeps (GetVertexBuffer and the texture getters), typed.
    Lumaspace::BufferHandle GetBuffer() const { return {static_cast<std::uint32_t>(GetVertexBuffer())}; }
    // The diffuse texture and the normal map; empty for a block without pixels.
    Lumaspace::TextureHandle GetTexture() const { return {static_cast<std::uint32_t>(GetDiffuseTexture())}; }
    Lumaspace::TextureHandle GetNormalMapTexture() const {
        return {static_cast<std::uint32_t>(GetNormalMap())};
    }
    bool IsAnimated() const { return m_animated; }

protected:
    void KeepGraphicsData(ModelFileData& file) override;

private:
    void Release();

    bool m_animated = false;
};
