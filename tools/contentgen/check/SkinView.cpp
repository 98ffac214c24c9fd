#include "check/SkinView.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "check/LayeredPose.h"

namespace {

void Flatten(const JointNode& node, int parent, std::vector<FlatJoint>& out) {
    out.push_back(FlatJoint{&node, parent});
    const int self = static_cast<int>(out.size()) - 1;
    for (const JointNode& child : node.children) {
        Flatten(child, self, out);
    }
}

}  // namespace

std::vector<FlatJoint> FlattenTree(const JointNode& root) {
    std::vector<FlatJoint> out;
    Flatten(root, -1, out);
    return out;
}

float RotationAngle(const Float4& q) {
    const glm::quat r = glm::normalize(ToQuat(q));
    return 2.0f * std::acos(std::min(1.0f, std::abs(r.w)));
}

float AngleBetween(const Float4& a, const Float4& b) {
    const float d = std::abs(glm::dot(glm::normalize(ToQuat(a)), glm::normalize(ToQuat(b))));
    return 2.0f * std::acos(std::min(1.0f, d));
}

SkinView::SkinView(std::string fileName, const InspectedModel& model)
    : m_fileName(std::move(fileName)), m_file(model.File()), m_animations(model.GetAnimations()) {}

const ModelAnimation* SkinView::Clip(const std::string& name) const {
    const ModelAnimation* found = nullptr;
    for (const ModelAnimation& a : m_animations) {
        if (a.name == name) {
            found = &a;
        }
    }
    return found;
}

bool SkinView::Index() {
    m_joints.clear();
    m_index.clear();
    if (m_animations.empty() || m_animations.front().frames.empty()) {
        return false;
    }
    m_joints = FlattenTree(m_animations.front().frames.front());
    for (std::size_t i = 0; i < m_joints.size(); ++i) {
        m_index.emplace(m_joints[i].node->name, static_cast<int>(i));
    }
    return true;
}

int SkinView::Joint(const std::string& name) const {
    const auto found = m_index.find(name);
    return found == m_index.end() ? -1 : found->second;
}

bool SkinView::Descends(int joint, int ancestor) const {
    for (int walk = joint; walk >= 0 && walk < static_cast<int>(m_joints.size());
         walk = m_joints[static_cast<std::size_t>(walk)].parent) {
        if (walk == ancestor) {
            return true;
        }
    }
    return false;
}
