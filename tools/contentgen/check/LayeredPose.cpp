#include "check/LayeredPose.h"

#include <algorithm>

#include "check/ContentRules.h"

namespace {

void Walk(const JointNode& a, const JointNode& b, const glm::quat& parentRotation,
          const glm::vec3& parentPosition, std::vector<EvaluatedJoint>& out) {
    const glm::quat u = IsLowerOnlyJoint(a.name) ? glm::quat(1, 0, 0, 0) : ToQuat(a.rotation);
    const glm::quat l = IsUpperOnlyJoint(b.name) ? glm::quat(1, 0, 0, 0) : ToQuat(b.rotation);
    const glm::quat r = l * u;
    const bool hip = a.name == "Hip";
    const glm::vec3 t = hip ? ToVec3(b.translation) : ToVec3(a.translation);
    const glm::quat local = ToQuat(a.orientation) * r;
    EvaluatedJoint joint;
    joint.name = a.name;
    joint.rotation = glm::normalize(parentRotation * local);
    // With no hip yaw, the pelvis offset is not turned at all; every other offset turns with the parent.
    joint.position = parentPosition + (hip ? t : parentRotation * t);
    out.push_back(joint);
    const std::size_t pairs = std::min(a.children.size(), b.children.size());
    for (std::size_t i = 0; i < a.children.size(); ++i) {
        // The trees are meant to match; a lower tree with fewer children lends the upper node.
        const JointNode& lowerChild = i < pairs ? b.children[i] : a.children[i];
        Walk(a.children[i], lowerChild, joint.rotation, joint.position, out);
    }
}

}  // namespace

glm::quat ToQuat(const Float4& q) {
    return glm::quat(q.w, q.x, q.y, q.z);
}

glm::vec3 ToVec3(const Float3& v) {
    return glm::vec3(v.x, v.y, v.z);
}

glm::vec3 TransformPoint(const Float4x4& m, const glm::vec3& p) {
    glm::vec3 out;
    for (int c = 0; c < 3; ++c) {
        out[c] = p.x * m.m[0][c] + p.y * m.m[1][c] + p.z * m.m[2][c] + m.m[3][c];
    }
    return out;
}

std::vector<EvaluatedJoint> EvaluateLayers(const JointNode& upper, const JointNode& lower) {
    std::vector<EvaluatedJoint> out;
    Walk(upper, lower, glm::quat(1, 0, 0, 0), glm::vec3(0.0f), out);
    return out;
}

std::vector<EvaluatedJoint> EvaluateBind(const JointNode& tree) {
    JointNode rest = tree;
    std::vector<JointNode*> stack{&rest};
    while (!stack.empty()) {
        JointNode* node = stack.back();
        stack.pop_back();
        node->rotation = Float4{0.0f, 0.0f, 0.0f, 1.0f};
        for (JointNode& child : node->children) {
            stack.push_back(&child);
        }
    }
    return EvaluateLayers(rest, rest);
}

glm::vec3 SkinPosition(const VertexAnimated& vertex, const std::vector<EvaluatedJoint>& joints,
                       const std::vector<JointRecord>& records) {
    const glm::vec3 p = ToVec3(vertex.position);
    glm::vec3 sum(0.0f);
    for (int k = 0; k < 3; ++k) {
        const float w = vertex.weights[k];
        const std::size_t j = vertex.boneIndices[k];
        if (w == 0.0f || j >= joints.size() || j >= records.size()) {
            continue;
        }
        const glm::vec3 local = TransformPoint(records[j].inverseBindPose, p);
        sum += w * (joints[j].position + joints[j].rotation * local);
    }
    return sum;
}
