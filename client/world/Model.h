// The client's model: what the shared model keeps (collision volumes, points, centre and radius) plus the
// graphics data, held by the engine. Loading makes one immutable vertex buffer of the file's vertices (static
// or skinned) and a texture from each of the file's two texture blocks that holds pixels; the animations are
// kept for the skeleton. The model releases its engine resources when it is destroyed, so the model library
// is cleared before the engine shuts down.
#pragma once

#include <memory>

#include "Lumagrid/Handles.h"
#include "shared/BaseModel.h"

class Model : public BaseModel {
public:
    Model() = default;
    ~Model() override;

    std::unique_ptr<BaseModel> CreateEmpty() const override;

    // The vertex buffer: GetVertexCount() Vertex records, or VertexAnimated records when IsAnimated().
    Lumaspace::BufferHandle GetBuffer() const { return m_buffer; }
    // The diffuse texture and the normal map; empty for a block without pixels.
    Lumaspace::TextureHandle GetTexture() const { return m_texture; }
    Lumaspace::TextureHandle GetNormalMapTexture() const { return m_normalMap; }
    bool IsAnimated() const { return m_animated; }

protected:
    void KeepGraphicsData(ModelFileData& file) override;

private:
    void Release();

    Lumaspace::BufferHandle m_buffer;
    Lumaspace::TextureHandle m_texture;
    Lumaspace::TextureHandle m_normalMap;
    bool m_animated = false;
};
