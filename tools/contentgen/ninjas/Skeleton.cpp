#include "ninjas/Skeleton.h"

#include <cmath>

namespace {

Float3 ToFloat3(const glm::vec3& v) {
    return Float3{v.x, v.y, v.z};
}

Float4 ToFloat4(const glm::quat& q) {
    return Float4{q.x, q.y, q.z, q.w};
}

// The rotation taking unit vector a onto unit vector b by the shortest way; half a turn about an axis at
// right angles when they are opposite. The angle comes from atan2, which stays exact near 0 and half a turn.
glm::quat RotationBetween(const glm::vec3& a, const glm::vec3& b) {
    const glm::vec3 axis = glm::cross(a, b);
    const float sine = glm::length(axis);
    const float cosine = glm::dot(a, b);
    if (sine < 1e-7f) {
        if (cosine > 0.0f) {
            return glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
        }
        glm::vec3 across = glm::cross(glm::vec3(1.0f, 0.0f, 0.0f), a);
        if (glm::length(across) < 1e-4f) {
            across = glm::cross(glm::vec3(0.0f, 0.0f, 1.0f), a);
        }
        return glm::angleAxis(3.14159265359f, glm::normalize(across));
    }
    return glm::angleAxis(std::atan2(sine, cosine), axis / sine);
}

void BuildNode(const Skeleton& skeleton, const Pose& pose, int index, JointNode& node) {
    const JointDef& joint = skeleton.Joint(index);
    const auto i = static_cast<std::size_t>(index);
    node.name = joint.name;
    node.translation = ToFloat3(pose.offsets[i]);
    node.rotation = ToFloat4(glm::normalize(pose.rotations[i]));
    node.orientation = Float4{0.0f, 0.0f, 0.0f, 1.0f};
    for (const int child : skeleton.Children(index)) {
        node.children.emplace_back();
        BuildNode(skeleton, pose, child, node.children.back());
    }
}

Float4x4 Translation(const glm::vec3& p) {
    Float4x4 m;
    for (int i = 0; i < 4; ++i) {
        m.m[i][i] = 1.0f;
    }
    m.m[3][0] = p.x;
    m.m[3][1] = p.y;
    m.m[3][2] = p.z;
    return m;
}

}  // namespace

int Skeleton::Add(const std::string& name, int parent, const glm::vec3& offset) {
    if (m_joints.empty()) {
        if (parent != -1) {
            return -1;
        }
    } else {
        // The parent must lie on the path from the root to the last joint.
        int walk = Count() - 1;
        while (walk != -1 && walk != parent) {
            walk = Joint(walk).parent;
        }
        if (parent == -1 || walk != parent) {
            return -1;
        }
    }
    m_joints.push_back(JointDef{name, parent, offset});
    return Count() - 1;
}

int Skeleton::Find(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (Joint(i).name == name) {
            return i;
        }
    }
    return -1;
}

std::vector<int> Skeleton::Children(int index) const {
    std::vector<int> children;
    for (int i = index + 1; i < Count(); ++i) {
        if (Joint(i).parent == index) {
            children.push_back(i);
        }
    }
    return children;
}

glm::vec3 Skeleton::BindPosition(int index) const {
    glm::vec3 position(0.0f);
    for (int walk = index; walk != -1; walk = Joint(walk).parent) {
        position += Joint(walk).offset;
    }
    return position;
}

Pose RestPose(const Skeleton& skeleton) {
    Pose pose;
    pose.rotations.assign(static_cast<std::size_t>(skeleton.Count()), glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
    for (int i = 0; i < skeleton.Count(); ++i) {
        pose.offsets.push_back(skeleton.Joint(i).offset);
    }
    return pose;
}

std::vector<JointTransform> SolvePose(const Skeleton& skeleton, const Pose& pose) {
    std::vector<JointTransform> solved(static_cast<std::size_t>(skeleton.Count()));
    for (int i = 0; i < skeleton.Count(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int parent = skeleton.Joint(i).parent;
        const JointTransform base = parent < 0 ? JointTransform{} : solved[static_cast<std::size_t>(parent)];
        solved[k].rotation = glm::normalize(base.rotation * pose.rotations[k]);
        solved[k].position = base.position + base.rotation * pose.offsets[k];
    }
    return solved;
}

void AimJoint(const Skeleton& skeleton, Pose& pose, int joint, int towards, const glm::vec3& direction) {
    if (joint < 0 || towards < 0 || glm::length(direction) < 1e-6f) {
        return;
    }
    const std::vector<JointTransform> solved = SolvePose(skeleton, pose);
    const int parent = skeleton.Joint(joint).parent;
    const glm::quat parentRotation =
        parent < 0 ? glm::quat(1, 0, 0, 0) : solved[static_cast<std::size_t>(parent)].rotation;
    const glm::vec3 bone = glm::normalize(skeleton.BindPosition(towards) - skeleton.BindPosition(joint));
    // The bone as the parent carries it with no turn of its own, then the smallest turn onto direction.
    const glm::vec3 carried = parentRotation * bone;
    const glm::quat turn = RotationBetween(carried, glm::normalize(direction));
    pose.rotations[static_cast<std::size_t>(joint)] =
        glm::normalize(glm::inverse(parentRotation) * turn * parentRotation);
}

JointNode FrameTree(const Skeleton& skeleton, const Pose& pose) {
    JointNode root;
    if (skeleton.Count() > 0) {
        BuildNode(skeleton, pose, 0, root);
    }
    return root;
}

std::vector<JointRecord> JointRecords(const Skeleton& skeleton) {
    std::vector<JointRecord> records;
    for (int i = 0; i < skeleton.Count(); ++i) {
        const glm::vec3 p = skeleton.BindPosition(i);
        records.push_back(JointRecord{Translation(-p), Translation(p)});
    }
    return records;
}

ModelAnimation MakeAnimation(const std::string& name, const Skeleton& skeleton,
                             const std::vector<Pose>& frames) {
    ModelAnimation animation;
    animation.name = name;
    animation.frameCount = static_cast<std::int32_t>(frames.size()) + 1;
    animation.jointCount = skeleton.Count();
    // q and -q are the same rotation; keep each joint's quaternions on one side from frame to frame, so
    // that blending between frames never takes the long way round.
    std::vector<glm::quat> previous(static_cast<std::size_t>(skeleton.Count()),
                                    glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
    for (Pose pose : frames) {
        for (std::size_t i = 0; i < pose.rotations.size() && i < previous.size(); ++i) {
            if (glm::dot(pose.rotations[i], previous[i]) < 0.0f) {
                pose.rotations[i] = -pose.rotations[i];
            }
            previous[i] = pose.rotations[i];
        }
        animation.frames.push_back(FrameTree(skeleton, pose));
    }
    animation.joints = JointRecords(skeleton);
    return animation;
}
