// A model loaded through the game's own model loader that keeps everything the client's model keeps: the
// vertices, textures and animations next to the volumes BaseModel keeps.
#pragma once

#include <memory>
#include <utility>

#include "shared/BaseModel.h"

class InspectedModel : public BaseModel {
public:
    std::unique_ptr<BaseModel> CreateEmpty() const override { return std::make_unique<InspectedModel>(); }
    const ModelFileData& File() const { return m_file; }

protected:
    void KeepGraphicsData(ModelFileData& file) override {
        m_file = std::move(file);
        SetVertexCount(static_cast<std::int32_t>(m_file.VertexCount()));
        SetAnimations(m_file.animations);
    }

private:
    ModelFileData m_file;  // its boxes, spheres and points are with BaseModel
};
