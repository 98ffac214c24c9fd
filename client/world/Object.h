// Something the client draws in the arena: a level prop, and the base of everything that moves or is
// animated. An object is a model from the model library placed by a position, Euler angles (x pitch, y yaw,
// z roll, radians) and a scale; its world matrix scales, then turns by the roll-pitch-yaw quaternion of the
// shared placement, then moves to the position.
//
// The object's collision volumes are placed once, at initialisation, from the model's boxes and spheres:
// moving the object afterwards leaves them where they are (moving objects that collide place theirs again
// themselves). A model path the library does not hold gives an empty model: the object draws nothing and has
// no volumes.
//
// A prop whose model path contains "Bush", "Tree" or "tree" is foliage and sways while it is in view.
#pragma once

#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "client/world/ObjectVolumes.h"
#include "shared/BaseModel.h"

class Model;

class Object {
public:
    Object() = default;
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    // Looks the model up (an unknown path gets the library's empty model), keeps the placement and places
    // the collision volumes. True when the model has something to draw.
    virtual bool Initialize(const std::string& modelPath, const glm::vec3& position,
                            const glm::vec3& rotation, const glm::vec3& scale);
    // Rotation 0, scale 1.
    virtual bool Initialize(const std::string& modelPath, const glm::vec3& position);
    // Releases what the object owns: nothing for a plain object.
    virtual void Shutdown() {}
    // One frame of frameTime seconds: nothing for a plain object.
    virtual void Update(double frameTime) { (void)frameTime; }

    // One draw with the pipeline the caller prepared; nothing for an empty model.
    virtual void Render();
    virtual void RenderForward();
    virtual void RenderDepth();
    // The object's model once for every matrix of its instance buffer.
    virtual void RenderDepthInstanced();
    virtual void RenderInstanced();

    const glm::vec3& GetPosition() const { return m_position; }
    void SetPosition(const glm::vec3& position);
    const glm::vec3& GetRotation() const { return m_rotation; }
    void SetRotation(const glm::vec3& rotation);
    const glm::vec3& GetScale() const { return m_scale; }
    const glm::mat4& GetWorldMatrix() const { return m_world; }

    const std::string& GetModelPath() const { return m_modelPath; }
    // The model as the shared code knows it (volumes, centre, horizontal radius); an empty model before
    // Initialize.
    const BaseModel& GetBaseModel() const;
    // The client's model with its engine resources; null when the library holds no client model there.
    const Model* GetModel() const { return m_model; }
    bool HasGraphics() const;
    float GetHorizontalRadius() const;

    const ObjectVolumes& GetVolumes() const { return m_volumes; }

    // The instance buffer of the object's level group (-1: none).
    int GetInstanceIndex() const { return m_instanceIndex; }
    void SetInstanceIndex(int index) { m_instanceIndex = index; }

    bool IsFoliage() const { return m_foliage; }
    double GetSwayTime() const { return m_swayTime; }
    // A visible foliage object's frame: its sway time grows by frameTime and its yaw by sin(sway time) /
    // 10000 radians.
    void Sway(double frameTime);

    static bool IsFoliagePath(const std::string& modelPath);

protected:
    void UpdateWorldMatrix();

private:
    void PlaceVolumes();

    std::string m_modelPath;
    const BaseModel* m_baseModel = nullptr;
    const Model* m_model = nullptr;
    glm::vec3 m_position{0.0f};
    glm::vec3 m_rotation{0.0f};
    glm::vec3 m_scale{1.0f};
    glm::mat4 m_world{1.0f};
    ObjectVolumes m_volumes;
    int m_instanceIndex = -1;
    bool m_foliage = false;
    double m_swayTime = 0.0;
};
