// A model file in memory. The base class parses the file and keeps what both programs need: the collision
// boxes and spheres, the points, the centre and the horizontal radius. A derived model (the client's) keeps
// the rest by overriding KeepGraphicsData, which receives everything the file holds once it has parsed.
//
// Models are not copyable: the client's model owns engine resources that only one object may release.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shared/CollisionShapes.h"
#include "shared/Float3.h"
#include "shared/Float4.h"
#include "shared/ModelAnimation.h"
#include "shared/ModelFileData.h"

// An engine resource (vertex buffer or texture view) held by a model; 0 = none.
using ModelResourceHandle = std::uint64_t;

class BaseModel {
public:
    BaseModel() = default;
    virtual ~BaseModel() = default;
    BaseModel(const BaseModel&) = delete;
    BaseModel& operator=(const BaseModel&) = delete;

    // Reads the file with one read into one buffer and parses it. When the file cannot be read or breaks the
    // format, prints "Model not loaded: <path>: <reason>" on standard error, leaves the model empty (no
    // vertices, textures, animations or volumes) and returns false. Meant for a fresh model.
    virtual bool LoadModel(const std::string& path);
    // Frees the frame trees of every animation.
    virtual void ReleaseAnimations();
    // A new, empty model of the same class; the model library makes one per file from a prototype. Every
    // derived model overrides it.
    virtual std::unique_ptr<BaseModel> CreateEmpty() const;

    std::vector<ModelAnimation> GetAnimations() const { return m_animations; }
    std::vector<CollisionBox> GetBoxes() const { return m_boxes; }
    std::vector<CollisionSphere> GetSpheres() const { return m_spheres; }
    std::vector<Float4> GetPoints() const { return m_points; }
    ModelResourceHandle GetVertexBuffer() const { return m_vertexBuffer; }
    ModelResourceHandle GetDiffuseTexture() const { return m_diffuseTexture; }
    ModelResourceHandle GetNormalMap() const { return m_normalMap; }
    std::int32_t GetVertexCount() const { return m_vertexCount; }
    // The mean of the vertex positions; 0 for a model without vertices.
    Float3 GetCenter() const { return m_center; }
    // The largest |x| or |z| of any vertex position, measured from the model's origin.
    float GetHorizontalRadius() const { return m_horizontalRadius; }

protected:
    // Called by LoadModel after a successful parse, with the vertices, textures and animations still in
    // file. The base class keeps none of them (vertex count 0, no animations); the client's model creates
    // its vertex buffer and textures here and keeps the animations. It may move out of file.
    virtual void KeepGraphicsData(ModelFileData& file);

    void SetAnimations(std::vector<ModelAnimation> animations) { m_animations = std::move(animations); }
    void SetVertexCount(std::int32_t count) { m_vertexCount = count; }
    void SetGraphicsResources(ModelResourceHandle vertexBuffer, ModelResourceHandle diffuseTexture,
                              ModelResourceHandle normalMap);

private:
    void Keep(ModelFileData& file);

    ModelResourceHandle m_vertexBuffer = 0;
    ModelResourceHandle m_diffuseTexture = 0;
    ModelResourceHandle m_normalMap = 0;
    std::vector<ModelAnimation> m_animations;
    std::int32_t m_vertexCount = 0;
    std::vector<Float4> m_points;
    std::vector<CollisionBox> m_boxes;
    std::vector<CollisionSphere> m_spheres;
    Float3 m_center;
    float m_horizontalRadius = 0.0f;
};
