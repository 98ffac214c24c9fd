// A model that keeps what the client's model keeps, standing in for it: the animations, the vertex count and
// made-up resource handles, plus a copy of what the parser handed over.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/BaseModel.h"

class KeepingModel : public BaseModel {
public:
    bool LoadModel(const std::string& path) override {
        LoadLog().push_back(path);
        return BaseModel::LoadModel(path);
    }
    std::unique_ptr<BaseModel> CreateEmpty() const override { return std::make_unique<KeepingModel>(); }

    // Every path loaded by any KeepingModel, in order.
    static std::vector<std::string>& LoadLog() {
        static std::vector<std::string> log;
        return log;
    }

    bool m_kept = false;
    ModelFileData m_received;

protected:
    void KeepGraphicsData(ModelFileData& file) override {
        m_kept = true;
        m_received = file;
        SetVertexCount(static_cast<std::int32_t>(file.VertexCount()));
        SetGraphicsResources(1, file.diffuse.HasPixels() ? 2 : 0, file.normalMap.HasPixels() ? 3 : 0);
        SetAnimations(std::move(file.animations));
    }
};

// What a model that did not load holds: nothing at all, and the derived model was handed nothing.
inline void ExpectEmptyModel(const KeepingModel& model) {
    EXPECT_FALSE(model.m_kept);
    EXPECT_TRUE(model.GetAnimations().empty());
    EXPECT_TRUE(model.GetBoxes().empty());
    EXPECT_TRUE(model.GetSpheres().empty());
    EXPECT_TRUE(model.GetPoints().empty());
    EXPECT_EQ(model.GetVertexCount(), 0);
    EXPECT_EQ(model.GetVertexBuffer(), 0u);
    EXPECT_EQ(model.GetDiffuseTexture(), 0u);
    EXPECT_EQ(model.GetNormalMap(), 0u);
    EXPECT_EQ(model.GetCenter(), Float3{});
    EXPECT_EQ(model.GetHorizontalRadius(), 0.0f);
}
