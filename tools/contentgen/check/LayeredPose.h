// Evaluates a pair of animation frames the way the game's animation player does: the upper and lower
// joint trees are walked together, arm joints take only the upper rotation, leg joints only the lower one,
// every other joint both (lower after upper), "Hip" takes its offset from the lower tree, and every joint's
// model transform is its parent's followed by its orientation and rotation. The body faces straight ahead
// (no hip yaw, no spine twist) and the smoothing has settled on the frames.
#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include "shared/ModelAnimation.h"
#include "shared/ModelVertex.h"

struct EvaluatedJoint {
    std::string name;
    glm::quat rotation{1.0f, 0.0f, 0.0f, 0.0f};
    glm::vec3 position{0.0f};
};

std::vector<EvaluatedJoint> EvaluateLayers(const JointNode& upper, const JointNode& lower);

// The bind pose by the same rules: every rotation at identity, offsets and orientations from the tree.
std::vector<EvaluatedJoint> EvaluateBind(const JointNode& tree);

// A skinned vertex's position: the weighted sum over its three influences of the position taken through
// the joint's inverse bind matrix (row-vector convention) and the joint's evaluated transform.
glm::vec3 SkinPosition(const VertexAnimated& vertex, const std::vector<EvaluatedJoint>& joints,
                       const std::vector<JointRecord>& records);

glm::quat ToQuat(const Float4& q);
glm::vec3 ToVec3(const Float3& v);
// A point taken through a row-major matrix in the row-vector convention.
glm::vec3 TransformPoint(const Float4x4& m, const glm::vec3& p);
