// Small skeletons for the animation tests: joints added in pre-order with their offsets, poses given as
// the joints that differ from the bind pose, clips of poses, and models that go through the model writer
// and the parser before an AnimationState sees them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <glm/gtc/quaternion.hpp>
#include <glm/vec3.hpp>

#include "client/world/AnimationState.h"
#include "shared/ModelAnimation.h"

// A rotation by degrees about an axis.
glm::quat Turn(float degrees, const glm::vec3& axis);

// What a frame changes from the bind pose, by joint name: rotations (identity elsewhere) and offsets from
// the parent (the skeleton's offset elsewhere).
struct Pose {
    std::map<std::string, glm::quat> rotations;
    std::map<std::string, glm::vec3> offsets;
};

class TestSkeleton {
public:
    // Adds a joint; joints go in pre-order (a parent before its children, a subtree before the next one).
    // Returns its number.
    int Add(const std::string& name, int parent, const glm::vec3& offset);

    int Count() const { return static_cast<int>(m_joints.size()); }
    int Find(const std::string& name) const;
    glm::vec3 BindPosition(const std::string& name) const;

    JointNode Frame(const Pose& pose) const;
    // An animation of these frames (F = frames + 1) with this skeleton's joint records.
    ModelAnimation Clip(const std::string& name, const std::vector<Pose>& frames) const;
    // A clip holding one pose for eight frames.
    ModelAnimation Still(const std::string& name, const Pose& pose = {}) const;

private:
    struct Joint {
        std::string name;
        int parent;
        glm::vec3 offset;
    };
    void Build(int index, const Pose& pose, JointNode& node) const;

    std::vector<Joint> m_joints;
};

// A ninja-shaped skeleton of 14 joints: Hip, SpineIK, Chest, the right arm with trailJoint, the left arm
// with the chain Surujin9, Surujin1, Surujin10, lightEmitter on the chest, and the left leg (KneeL, FootL).
TestSkeleton SmallNinja();

// Writes a skinned model holding the animations with the model writer and parses it back.
std::vector<ModelAnimation> ThroughModelFile(const std::vector<ModelAnimation>& animations);

// The sixteen clips of a ninja, each a still bind pose unless replaced (by name) in clips.
std::vector<ModelAnimation> NinjaClips(const TestSkeleton& skeleton,
                                       const std::vector<ModelAnimation>& replacements = {});

// A ninja state over the animations (through the model file), bound, facing -z.
AnimationState MakeNinja(const std::vector<ModelAnimation>& animations);
// A level prop's state over the animations (through the model file).
AnimationState MakeProp(const std::vector<ModelAnimation>& animations);

// Where a joint is in model space: its bind position through its skinning matrix.
glm::vec3 JointPosition(const AnimationState& state, const TestSkeleton& skeleton, const std::string& name);

// Whether two points lie within tolerance of each other in every coordinate.
::testing::AssertionResult Near(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-4f);

// Advances in steps of 1/32 s (0.625 frames each) often enough for the smoothed rotations to settle on
// clips that hold one pose.
void Settle(AnimationState& state, int steps = 80);
inline constexpr double kStep = 1.0 / 32.0;
