#include "client/world/AnimationState.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "client/world/HipYaw.h"

namespace {

const glm::quat kIdentityRotation(1.0f, 0.0f, 0.0f, 0.0f);

// Legs follow only the lower clip, arms only the upper clip.
constexpr std::array<std::string_view, 6> kLegJoints = {"FootR", "FootL", "HipR", "HipL", "KneeR", "KneeL"};
constexpr std::array<std::string_view, 6> kArmJoints = {"HandR",  "HandL",     "ElbowR",
                                                        "ElbowL", "ShoulderR", "ShoulderL"};

bool IsOneOf(const std::string& name, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

glm::quat ToQuat(const Float4& q) {
    return glm::quat(q.w, q.x, q.y, q.z);
}

glm::vec3 ToVec3(const Float3& v) {
    return glm::vec3(v.x, v.y, v.z);
}

// The file's row-major matrices in the row-vector convention have the bytes of the same transform as a
// glm matrix: row r of the file is column r of glm.
glm::mat4 ToMat4(const Float4x4& m) {
    glm::mat4 out;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            out[r][c] = m.m[r][c];
        }
    }
    return out;
}

// The collapsed chain: every vertex of it lands on one point.
glm::mat4 CollapsedMatrix() {
    glm::mat4 m(0.0f);
    m[3][3] = 1.0f;
    return m;
}

// What a lower tree lends where it lacks a child of the upper tree: no offset, no rotation.
const JointNode& UnrotatedJoint() {
    static const JointNode node{
        "", Float3{}, Float4{0.0f, 0.0f, 0.0f, 1.0f}, Float4{0.0f, 0.0f, 0.0f, 1.0f}, {}};
    return node;
}

const ModelAnimation& NoClip() {
    static const ModelAnimation clip;
    return clip;
}

// The stored frame at a position, or none when the clip has no frame there.
const JointNode* FrameAt(const ModelAnimation& clip, double position) {
    if (!(position >= 0.0) || position >= static_cast<double>(clip.frames.size())) {
        return nullptr;
    }
    return &clip.frames[static_cast<std::size_t>(position)];
}

// The last stored frame's position; 0 for a clip without frames.
double LastFrame(const ModelAnimation& clip) {
    return clip.frames.empty() ? 0.0 : static_cast<double>(clip.frames.size() - 1);
}

// Moves the smoothed rotation of a joint towards its key; a joint without a smoothed rotation takes the key.
glm::quat Smooth(std::vector<glm::quat>& rotations, std::size_t joint, const glm::quat& key, float fraction) {
    if (joint >= rotations.size()) {
        return key;
    }
    rotations[joint] = glm::slerp(rotations[joint], key, fraction);
    return rotations[joint];
}

// The up axis as seen from inside a joint of the given orientation.
glm::vec3 UpInJointFrame(const glm::quat& orientation) {
    return glm::conjugate(orientation) * kUpAxis;
}

std::string_view TrailJointFor(int action) {
    switch (action) {
        case AnimationAction::kRange:
        case AnimationAction::kSpecial2:
            return "Surujin10";
        case AnimationAction::kMelee:
        case AnimationAction::kSpecial1:
            return "trailJoint";
        default:
            return {};
    }
}

bool UsesChain(int action) {
    return action == AnimationAction::kRange || action == AnimationAction::kSpecial2;
}

ClipSlot ActionClip(int action) {
    switch (action) {
        case AnimationAction::kMelee:
            return ClipSlot::Melee;
        case AnimationAction::kRange:
            return ClipSlot::Range;
        case AnimationAction::kSpecial1:
            return ClipSlot::Spec1;
        case AnimationAction::kSpecial2:
            return ClipSlot::Spec2;
        default:
            return ClipSlot::Tool;
    }
}

}  // namespace

void AnimationState::AddAnimation(const ModelAnimation& animation) {
    m_animations.push_back(animation);
    if (m_animations.size() == 1) {
        for (const JointRecord& record : animation.joints) {
            m_inverseBindPoses.push_back(ToMat4(record.inverseBindPose));
        }
    }
    m_jointMatrices.assign(m_inverseBindPoses.size(), glm::mat4(1.0f));
    m_alive = true;
    m_upperFinished = false;
    m_action = AnimationAction::kNone;
    m_lowerBodyYaw = 0.0f;
    m_lightFound = false;
    m_trailValid = false;
    m_chainHidden = false;
}

void AnimationState::BindClips() {
    m_clips.assign(kClipSlotCount, -1);
    for (std::size_t a = 0; a < m_animations.size(); ++a) {
        for (std::size_t slot = 0; slot < kClipSlotCount; ++slot) {
            if (m_animations[a].name == kClipSlotNames[slot]) {
                m_clips[slot] = static_cast<int>(a);
            }
        }
    }
    SetUpperClip(ClipSlot::IdleA);
    SetLowerClip(ClipSlot::IdleL);
    m_upperFraction = 0.0f;
    m_lowerFraction = 0.0f;
    ResetRotations();
}

void AnimationState::BindLevelClips() {
    m_clips.clear();
    for (std::size_t a = 0; a < m_animations.size(); ++a) {
        m_clips.push_back(static_cast<int>(a));
    }
    m_lowerClip = 0;
    m_upperClip = 1;
    ResetRotations();
}

std::span<const glm::mat4> AnimationState::Advance(double frameTime) {
    if (!m_alive && m_upperFinished) {
        return m_jointMatrices;
    }
    if (!(frameTime > 0.0) || !std::isfinite(frameTime)) {
        frameTime = 0.0;
    }
    m_upperPosition += frameTime * kFramesPerSecond;
    m_lowerPosition += frameTime * kFramesPerSecond;
    m_upperFraction = static_cast<float>(m_upperPosition - std::floor(m_upperPosition));
    m_lowerFraction = static_cast<float>(m_lowerPosition - std::floor(m_lowerPosition));

    const ModelAnimation& upper = GetUpperClip();
    if (m_upperPosition >= static_cast<double>(upper.frameCount) - 1.0) {
        m_upperPosition = 0.0;
        m_actionPlaying = false;
        m_action = AnimationAction::kNone;
        m_upperFinished = true;
        if (!m_alive) {
            m_upperFraction = 1.0f;
            m_upperPosition = LastFrame(upper);
        }
    }
    const ModelAnimation& lower = GetLowerClip();
    if (m_lowerPosition >= static_cast<double>(lower.frameCount) - 1.0) {
        m_lowerPosition = 0.0;
        if (!m_alive) {
            m_lowerFraction = 1.0f;
            m_lowerPosition = LastFrame(lower);
        }
    }
    Evaluate();
    return m_jointMatrices;
}

void AnimationState::ChooseLegClips(const glm::vec3& walk, double frameTime) {
    if (!m_alive || m_animations.empty()) {
        return;
    }
    const bool standing = !(glm::length(walk) > 0.0f);
    const float c = standing ? 0.0f : AngleBetween(m_clipFacing, walk);
    const float side = CrossY(m_clipFacing, kReferenceForward);
    if (standing) {
        SetUpperClipUnlessPlaying(ClipSlot::IdleA);
        SetLowerClip(ClipSlot::IdleL);
    } else {
        switch (ClassifyWalk(c)) {
            case WalkBand::Forward:
                SetUpperClipUnlessPlaying(ClipSlot::RunA);
                SetLowerClip(ClipSlot::RunF);
                break;
            case WalkBand::Backward:
                SetUpperClipUnlessPlaying(ClipSlot::RunAB);
                SetLowerClip(ClipSlot::RunB);
                break;
            case WalkBand::Sideways:
                SetUpperClipUnlessPlaying(ClipSlot::RunAB);
                SetLowerClip(side > 0.0f ? ClipSlot::RunR : ClipSlot::RunL);
                break;
        }
    }
    UpdateHipYaw(c, side, standing ? glm::vec3(0.0f) : walk, frameTime);
}

void AnimationState::UpdateHipYaw(float c, float side, const glm::vec3& walk, double frameTime) {
    const float o = AngleBetween(kReferenceForward, m_hipFacing);
    if (walk == glm::vec3(0.0f)) {
        float d = FacingYaw(o, side) - m_lowerBodyYaw;
        d = std::atan2(std::sin(d), std::cos(d));
        if (std::abs(d) > kStandingTurnThreshold) {
            // A long frame closes the gap and stops at the facing instead of swinging past it.
            const double share = std::min(1.0, std::max(0.0, frameTime) * kStandingTurnRate);
            m_lowerBodyYaw += static_cast<float>(share) * d;
            SetUpperClipUnlessPlaying(ClipSlot::IdleA);
            SetLowerClip(ClipSlot::Turn);
        }
        return;
    }
    m_lowerBodyYaw = MovingHipYaw(c, o, CrossY(m_hipFacing, walk), side);
}

void AnimationState::PlayAction(int action) {
    switch (action) {
        case AnimationAction::kDeath:
            m_alive = false;
            m_upperFinished = false;
            m_actionPlaying = true;
            m_upperPosition = 0.0;
            m_lowerPosition = 0.0;
            SetUpperClip(ClipSlot::DeadA);
            SetLowerClip(ClipSlot::DeadL);
            return;
        case AnimationAction::kRevival:
            m_alive = true;
            return;
        default:
            break;
    }
    if (!m_alive) {
        SetUpperClip(ClipSlot::IdleA);
        return;
    }
    m_actionPlaying = true;
    m_upperPosition = 0.0;
    m_action = action;
    if (action >= AnimationAction::kMelee && action <= AnimationAction::kTool) {
        SetUpperClip(ActionClip(action));
    }
}

void AnimationState::SetFacing(const glm::vec3& facing) {
    if (facing == glm::vec3(0.0f)) {
        return;
    }
    m_clipFacing = facing;
    m_hipFacing = facing;
}

const ModelAnimation& AnimationState::Clip(int slot) const {
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_clips.size()) {
        return NoClip();
    }
    const int animation = m_clips[static_cast<std::size_t>(slot)];
    return animation < 0 ? NoClip() : m_animations[static_cast<std::size_t>(animation)];
}

void AnimationState::SetUpperClip(ClipSlot slot) {
    m_upperClip = static_cast<int>(slot);
}

void AnimationState::SetLowerClip(ClipSlot slot) {
    m_lowerClip = static_cast<int>(slot);
}

void AnimationState::SetUpperClipUnlessPlaying(ClipSlot slot) {
    if (!m_actionPlaying) {
        SetUpperClip(slot);
    }
}

void AnimationState::ResetRotations() {
    m_upperRotations.assign(m_jointMatrices.size(), kIdentityRotation);
    m_lowerRotations.assign(m_jointMatrices.size(), kIdentityRotation);
}

void AnimationState::Evaluate() {
    m_lightFound = false;
    m_trailValid = false;
    m_chainHidden = false;
    std::swap(m_jointPositions, m_previousJointPositions);
    m_jointPositions.clear();
    const JointNode* upper = FrameAt(GetUpperClip(), m_upperPosition);
    const JointNode* lower = FrameAt(GetLowerClip(), m_lowerPosition);
    if (upper == nullptr || lower == nullptr) {
        std::fill(m_jointMatrices.begin(), m_jointMatrices.end(), glm::mat4(1.0f));
        return;
    }
    m_trailJoint = TrailJointFor(m_action);
    std::size_t joint = 0;
    EvaluateJoint(*upper, *lower, kIdentityRotation, glm::vec3(0.0f), joint);
    m_chainHidden = false;
}

void AnimationState::EvaluateJoint(const JointNode& upper, const JointNode& lower,
                                   const glm::quat& parentRotation, const glm::vec3& parentPosition,
                                   std::size_t& joint) {
    const std::size_t i = joint;
    glm::quat u = Smooth(m_upperRotations, i, ToQuat(upper.rotation), m_upperFraction);
    glm::quat l = Smooth(m_lowerRotations, i, ToQuat(lower.rotation), m_lowerFraction);
    if (IsOneOf(upper.name, kLegJoints)) {
        u = kIdentityRotation;
    }
    if (IsOneOf(lower.name, kArmJoints)) {
        l = kIdentityRotation;
    }
    glm::quat r = l * u;  // u first, then l
    const glm::quat orientation = glm::normalize(ToQuat(upper.orientation));
    glm::vec3 offset;
    if (upper.name == "Hip") {
        // The hips turn to the lower-body yaw, and the legs carry the pelvis.
        r = glm::angleAxis(m_lowerBodyYaw, UpInJointFrame(orientation)) * r;
        offset = glm::angleAxis(m_lowerBodyYaw, kUpAxis) * ToVec3(lower.translation);
    } else {
        offset = parentRotation * ToVec3(upper.translation);
        if (upper.name == "SpineIK") {
            // The twist comes first, then the clip's own rotation.
            r = r * glm::angleAxis(SpineTwist(), UpInJointFrame(orientation));
        }
    }
    const glm::quat rotation = glm::normalize(parentRotation * (orientation * r));
    const glm::vec3 position = parentPosition + offset;
    m_jointPositions.push_back(position);

    if (upper.name == "lightEmitter") {
        m_lightPosition = position;
        m_lightFound = true;
    }
    glm::mat4 skin(1.0f);
    if (i < m_jointMatrices.size()) {
        glm::mat4 transform = glm::mat4_cast(rotation);
        transform[3] = glm::vec4(position, 1.0f);
        skin = transform * m_inverseBindPoses[i];
    }
    if (upper.name == "Surujin9" || m_chainHidden) {
        m_chainHidden = true;
        if (!UsesChain(m_action)) {
            skin = CollapsedMatrix();
        }
    }
    if (!m_trailJoint.empty() && upper.name == m_trailJoint) {
        // The joint's own model-space position of the evaluation before is where it moved from.
        const glm::vec3 from = i < m_previousJointPositions.size() ? m_previousJointPositions[i] : position;
        m_trailPosition = position;
        m_trailHeading = std::atan2(position.z - from.z, position.x - from.x);
        m_trailValid = true;
    }
    if (i < m_jointMatrices.size()) {
        m_jointMatrices[i] = skin;
    }

    for (std::size_t k = 0; k < upper.children.size(); ++k) {
        ++joint;
        const JointNode& lowerChild = k < lower.children.size() ? lower.children[k] : UnrotatedJoint();
        EvaluateJoint(upper.children[k], lowerChild, rotation, position, joint);
    }
    if (upper.children.empty()) {
        m_chainHidden = false;
    }
}

// The clip facing turned into the hips' frame, as a yaw: the angle the chest turns from the hips.
float AnimationState::SpineTwist() const {
    const glm::vec3 turned = glm::angleAxis(-m_lowerBodyYaw, kUpAxis) * m_clipFacing;
    const float g = AngleBetween(turned, kReferenceForward);
    return CrossY(turned, kReferenceForward) > 0.0f ? -g : g;
}
