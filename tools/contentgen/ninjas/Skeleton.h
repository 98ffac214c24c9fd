// A joint hierarchy in its bind pose, and the poses and animations made on it.
//
// Joints are added in pre-order (every joint right after its parent's earlier descendants), so a joint's
// number is its pre-order position: the joint index the model file and the skinned vertices use. Every
// joint's orientation is identity and its bind rotation is identity, so the bind pose is the sum of the
// offsets and a joint's model rotation is the product of the rotations down to it.
#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include "shared/ModelAnimation.h"

struct JointDef {
    std::string name;
    int parent = -1;         // -1 for the root
    glm::vec3 offset{0.0f};  // from the parent, in the bind pose
};

class Skeleton {
public:
    // Adds a joint and returns its number. Returns -1, adding nothing, when the parent is not the last
    // added joint or one of its ancestors (the pre-order would break) or when a root exists already.
    int Add(const std::string& name, int parent, const glm::vec3& offset);

    int Count() const { return static_cast<int>(m_joints.size()); }
    const JointDef& Joint(int index) const { return m_joints[static_cast<std::size_t>(index)]; }
    // The joint's number, or -1.
    int Find(const std::string& name) const;
    std::vector<int> Children(int index) const;
    glm::vec3 BindPosition(int index) const;

private:
    std::vector<JointDef> m_joints;
};

// Per joint: the rotation relative to the parent and the offset from it.
struct Pose {
    std::vector<glm::quat> rotations;
    std::vector<glm::vec3> offsets;
};

Pose RestPose(const Skeleton& skeleton);

// Model-space rotation and position of every joint of a pose (no layering: the pose alone).
struct JointTransform {
    glm::quat rotation{1.0f, 0.0f, 0.0f, 0.0f};
    glm::vec3 position{0.0f};
};
std::vector<JointTransform> SolvePose(const Skeleton& skeleton, const Pose& pose);

// Turns joint so that the direction from it to the bind position of its child `towards` points along
// direction (model space), given the rotations of its ancestors in pose; the smallest turn from the bone's
// current direction is used.
void AimJoint(const Skeleton& skeleton, Pose& pose, int joint, int towards, const glm::vec3& direction);

// One stored frame: the pose as a pre-order joint tree.
JointNode FrameTree(const Skeleton& skeleton, const Pose& pose);

// The joint records: the inverse of each joint's bind transform, row-major in the row-vector convention
// (translation in the last row), then the bind transform itself (kept, not read by the game).
std::vector<JointRecord> JointRecords(const Skeleton& skeleton);

// An animation of the frames (F = frames + 1, as the file counts them).
ModelAnimation MakeAnimation(const std::string& name, const Skeleton& skeleton,
                             const std::vector<Pose>& frames);
