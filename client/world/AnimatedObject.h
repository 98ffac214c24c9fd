// An object with a skeleton: a level prop that plays its animations (the first on the lower layer, the
// second on the upper one) and the base of the ninjas. It is drawn skinned; the pose moves on once per
// frame, in the shadow-depth pass, so that every other draw of the frame shows the same pose and an object
// the depth pass skips keeps its pose. A model with a "lightEmitter" joint lights the scene from there.
#pragma once

#include <string>

#include <glm/vec3.hpp>

#include "client/world/AnimationState.h"
#include "client/world/MovingObject.h"

class AnimatedObject : public MovingObject {
public:
    using MovingObject::Initialize;
    // The object, then the model's animations in file order as a level prop's clips.
    bool Initialize(const std::string& modelPath, const glm::vec3& position, const glm::vec3& rotation,
                    const glm::vec3& scale) override;
    // Forgets the animations.
    void Shutdown() override;
    // Keeps the frame time for the pose of this frame's depth pass.
    void Update(double frameTime) override;

    // The skinned draw with the pose of this frame, then the light of the "lightEmitter" joint if the pose
    // has one.
    void Render() override;
    // Moves the pose on by the frame time kept by Update (once: a second depth draw in the same frame
    // does not move it again), then the skinned depth draw.
    void RenderDepth() override;

    const AnimationState& GetAnimation() const { return m_animation; }
    AnimationState& GetAnimation() { return m_animation; }

private:
    void AddEmitterLight() const;

    AnimationState m_animation;
    double m_frameTime = 0.0;
};
