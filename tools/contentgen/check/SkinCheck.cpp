#include "check/SkinCheck.h"

#include <cmath>
#include <set>

#include "check/LayeredPose.h"
#include "check/NinjaCheck.h"

namespace {

constexpr float kRotationTolerance = 0.5f * 3.14159265f / 180.0f;  // half a degree

bool CheckCounts(const SkinView& skin, Problems& problems) {
    const std::vector<ModelAnimation>& animations = skin.Animations();
    if (animations.size() < 2) {
        problems.Add(skin.FileName(), "a skinned model needs at least two animations");
        return false;
    }
    bool ok = true;
    for (const ModelAnimation& a : animations) {
        if (a.frameCount < 2 || a.frames.empty()) {
            problems.Add(skin.FileName(), "animation \"" + a.name + "\" needs a frame count of at least 2");
            ok = false;
        }
        if (a.jointCount > kMaxSkinJoints || a.jointCount != animations.front().jointCount) {
            problems.Add(skin.FileName(),
                         "animation \"" + a.name + "\" must have the model's joint count, at most 30");
            ok = false;
        }
    }
    return ok;
}

// Every frame of every animation holds the same joints in the same order.
bool CheckTrees(const SkinView& skin, Problems& problems) {
    const std::vector<FlatJoint>& reference = skin.Joints();
    if (static_cast<int>(reference.size()) != skin.Animations().front().jointCount) {
        problems.Add(skin.FileName(), "the joint trees must hold exactly the joint count");
        return false;
    }
    for (const ModelAnimation& a : skin.Animations()) {
        for (const JointNode& frame : a.frames) {
            const std::vector<FlatJoint> flat = FlattenTree(frame);
            bool same = flat.size() == reference.size();
            for (std::size_t i = 0; same && i < flat.size(); ++i) {
                same = flat[i].node->name == reference[i].node->name && flat[i].parent == reference[i].parent;
            }
            if (!same) {
                problems.Add(skin.FileName(),
                             "animation \"" + a.name + "\" has a joint tree unlike the first animation's");
                return false;
            }
        }
    }
    return true;
}

void CheckWeights(const SkinView& skin, Problems& problems) {
    const std::size_t joints = skin.Joints().size();
    int bad = 0;
    for (const VertexAnimated& v : skin.File().animatedVertices) {
        float sum = 0.0f;
        for (int k = 0; k < 3; ++k) {
            sum += v.weights[k];
            if (v.weights[k] < 0.0f || (v.weights[k] > 0.0f && v.boneIndices[k] >= joints)) {
                ++bad;
            }
        }
        if (std::abs(sum - 1.0f) > 1e-3f || v.boneIndices[3] >= joints) {
            ++bad;
        }
    }
    if (bad > 0) {
        problems.Add(
            skin.FileName(),
            std::to_string(bad) + " skin weights are negative, do not sum to 1 or name a missing joint");
    }
}

// A level prop's two layers compose on every joint; they must not both turn the same one.
void CheckDisjointLayers(const SkinView& skin, Problems& problems) {
    const auto turned = [](const ModelAnimation& a) {
        std::set<std::string> names;
        for (const JointNode& frame : a.frames) {
            for (const FlatJoint& j : FlattenTree(frame)) {
                if (RotationAngle(j.node->rotation) > kRotationTolerance) {
                    names.insert(j.node->name);
                }
            }
        }
        return names;
    };
    const std::set<std::string> lower = turned(skin.Animations()[0]);
    for (const std::string& name : turned(skin.Animations()[1])) {
        if (lower.contains(name)) {
            problems.Add(skin.FileName(), "both animation layers turn the joint \"" + name + "\"");
        }
    }
}

}  // namespace

void CheckBindPose(const SkinView& skin, const JointNode& reference, Problems& problems) {
    const std::vector<EvaluatedJoint> bind = EvaluateBind(reference);
    const std::vector<JointRecord>& records = skin.Animations().front().joints;
    if (bind.empty() || records.empty()) {
        return;
    }
    const glm::vec3 shift =
        -TransformPoint(records.front().inverseBindPose, glm::vec3(0.0f)) - bind.front().position;
    int bad = 0;
    for (std::size_t j = 0; j < bind.size() && j < records.size(); ++j) {
        const glm::vec3 origin = bind[j].position + shift;
        for (const glm::vec3& e :
             {glm::vec3(0), glm::vec3(1, 0, 0), glm::vec3(0, 1, 0), glm::vec3(0, 0, 1)}) {
            const glm::vec3 back = TransformPoint(records[j].inverseBindPose, origin + bind[j].rotation * e);
            if (glm::length(back - e) > 1e-3f) {
                ++bad;
                break;
            }
        }
    }
    if (bad > 0) {
        problems.Add(skin.FileName(),
                     std::to_string(bad) + " inverse bind matrices do not match the skeleton's rest pose");
    }
}

void CheckSkin(const std::string& fileName, const InspectedModel& model, const ModelRule& rule,
               Problems& problems) {
    SkinView skin(fileName, model);
    if (!CheckCounts(skin, problems) || !skin.Index() || !CheckTrees(skin, problems)) {
        return;
    }
    CheckWeights(skin, problems);
    if (rule.kind == ModelKind::Ninja) {
        CheckNinja(skin, problems);
    } else {
        // Level props take their offsets from animation 1.
        CheckBindPose(skin, skin.Animations()[1].frames.front(), problems);
        CheckDisjointLayers(skin, problems);
    }
}
