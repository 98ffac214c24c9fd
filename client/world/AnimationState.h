// The skeleton of one animated object: turns the animations of its model into one skinning matrix per joint.
//
// A ninja plays two clips at once, an upper-body clip (arms, weapons, actions) and a lower-body clip
// (running, standing, turning). Both trees of joints are walked together: arm joints follow only the upper
// clip, leg joints only the lower clip, every other joint both. The hips ("Hip") turn on their own to the
// lower-body yaw, snapped to eighths of a turn along the walk, and the spine ("SpineIK") twists back so the
// chest keeps facing the facing. The same walk finds the "lightEmitter" joint, the joint the weapon trail
// follows, and collapses the chain weapon (from "Surujin9" down) unless the action uses it.
// A level prop plays its first animation on the lower layer and its second on the upper layer.
//
// The skeleton has one joint per joint record of the first animation: the inverse bind poses for skinning
// come from there, and there is one skinning matrix per record. The matrices follow the engine's bone
// convention (column vectors, glm products; the bytes of the model file's row-major matrices). The engine
// draws with the first Lumaspace::kMaxBones of them.
//
// Animation data that does not fit never reads past a list: a clip that is missing or has no stored frame
// shows the bind pose (every matrix identity); a lower tree that lacks a child of the upper tree lends an
// unrotated joint at its parent's place; joints beyond the skeleton are walked (their children and the
// light and trail joints still count) but have no matrix and no smoothed rotation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include <glm/gtc/quaternion.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "client/world/AnimationClips.h"
#include "shared/ModelAnimation.h"

class AnimationState {
public:
    // Clips advance at this many frames per second.
    static constexpr double kFramesPerSecond = 20.0;

    // Appends a copy of one model animation (call once per animation, in file order), gives the skeleton
    // one identity matrix per joint record of the first animation and resets the state: alive, no action
    // (5), upper clip not finished, hips at yaw 0, no light, no trail, chain not hidden.
    void AddAnimation(const ModelAnimation& animation);
    // A ninja's clips: each of the sixteen slots takes the last animation of its name; a slot without one
    // stays empty. Plays "IdleA" over "IdleL" from their first frames, every joint unrotated.
    void BindClips();
    // A level prop's clips: every animation in file order; the lower layer plays animation 0 and the upper
    // layer animation 1, every joint unrotated.
    void BindLevelClips();

    // Moves both clips on by frameTime seconds (negative or non-finite counts as 0) and evaluates the pose.
    // A dead object whose death clip has run out keeps its pose. Called once per drawn frame.
    std::span<const glm::mat4> Advance(double frameTime);
    // The matrices of the last evaluation.
    std::span<const glm::mat4> GetJointMatrices() const { return m_jointMatrices; }

    // Picks the running clips for a walk (zero when standing) and updates the hip yaw; a standing body
    // turns its hips towards the facing over frameTime seconds once they are more than 22.5 degrees apart,
    // never past it. The upper clip is kept while an action plays. Does nothing while dead or without
    // animations.
    void ChooseLegClips(const glm::vec3& walk, double frameTime);
    // 0 to 4 start an action's clip, any other number but 6 and 7 restarts the current upper clip as that
    // action (a dead object shows "IdleA" instead); 6 starts the death clips, 7 revives (the clips change
    // at the next walking update).
    void PlayAction(int action);
    // Writes a non-zero facing into both the clip facing and the hip facing; a zero vector is ignored.
    void SetFacing(const glm::vec3& facing);

    // The clip each layer plays; an empty animation for a missing clip.
    const ModelAnimation& GetUpperClip() const { return Clip(m_upperClip); }
    const ModelAnimation& GetLowerClip() const { return Clip(m_lowerClip); }
    std::size_t GetAnimationCount() const { return m_animations.size(); }
    float GetLowerBodyYaw() const { return m_lowerBodyYaw; }
    int GetAction() const { return m_action; }
    bool IsAlive() const { return m_alive; }
    bool IsActionPlaying() const { return m_actionPlaying; }
    bool IsUpperFinished() const { return m_upperFinished; }
    // The "lightEmitter" joint in model space, when the last evaluation met one.
    bool HasLight() const { return m_lightFound; }
    glm::vec3 GetLightPosition() const { return m_lightPosition; }
    // The joint the weapon trail follows ("trailJoint" for actions 0 and 2, "Surujin10" for 1 and 3) in
    // model space, when the last evaluation met it, and the direction it moved in since the evaluation
    // before, as atan2 of the z and x differences (0 when it did not move).
    bool IsTrailValid() const { return m_trailValid; }
    glm::vec3 GetTrailPosition() const { return m_trailPosition; }
    float GetTrailHeading() const { return m_trailHeading; }

private:
    const ModelAnimation& Clip(int slot) const;
    void SetUpperClip(ClipSlot slot);
    void SetLowerClip(ClipSlot slot);
    void SetUpperClipUnlessPlaying(ClipSlot slot);
    void ResetRotations();
    void UpdateHipYaw(float c, float side, const glm::vec3& walk, double frameTime);
    void Evaluate();
    void EvaluateJoint(const JointNode& upper, const JointNode& lower, const glm::quat& parentRotation,
                       const glm::vec3& parentPosition, std::size_t& joint);
    float SpineTwist() const;

    std::vector<ModelAnimation> m_animations;
    // Per clip slot (ninjas) or per animation (props): the index into m_animations, -1 when missing.
    std::vector<int> m_clips;
    double m_upperPosition = 0.0;
    double m_lowerPosition = 0.0;
    bool m_actionPlaying = false;
    glm::vec3 m_clipFacing{0.0f, 0.0f, 1.0f};
    glm::vec3 m_hipFacing{0.0f, 0.0f, 1.0f};
    float m_lowerBodyYaw = 0.0f;
    int m_upperClip = 0;
    int m_lowerClip = 0;
    std::vector<glm::quat> m_upperRotations;
    std::vector<glm::quat> m_lowerRotations;
    float m_upperFraction = 0.0f;
    float m_lowerFraction = 0.0f;
    std::vector<glm::mat4> m_inverseBindPoses;
    std::vector<glm::mat4> m_jointMatrices;
    bool m_chainHidden = false;
    std::int32_t m_action = AnimationAction::kNone;
    bool m_alive = true;
    bool m_upperFinished = false;
    bool m_lightFound = false;
    glm::vec3 m_lightPosition{0.0f};
    bool m_trailValid = false;
    glm::vec3 m_trailPosition{0.0f};
    float m_trailHeading = 0.0f;
    // The trail joint's name for the current action during a walk; empty when the action has none.
    std::string_view m_trailJoint;
    // Model-space joint positions of this evaluation and the one before, by joint number.
    std::vector<glm::vec3> m_jointPositions;
    std::vector<glm::vec3> m_previousJointPositions;
};
