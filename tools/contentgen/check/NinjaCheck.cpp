#include "check/NinjaCheck.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "check/ContentRules.h"
#include "check/LayeredPose.h"
#include "check/SkinCheck.h"

namespace {

constexpr float kRotationTolerance = 0.5f * 3.14159265f / 180.0f;  // half a degree
constexpr float kOffsetTolerance = 1e-4f;
constexpr float kMinimumMotion = 2.0f * 3.14159265f / 180.0f;  // a clip must turn something this far

class NinjaChecker {
public:
    NinjaChecker(const SkinView& skin, Problems& problems) : m_skin(skin), m_problems(problems) {}

    void Run() {
        if (!CheckNames()) {
            return;
        }
        CheckChain();
        CheckBindPose(m_skin, Clip("IdleA").frames.front(), m_problems);
        CheckLayers();
        CheckLengths();
        CheckBody();
    }

private:
    void Fail(const std::string& what) { m_problems.Add(m_skin.FileName(), what); }
    const ModelAnimation& Clip(const char* name) const { return *m_skin.Clip(name); }
    std::size_t At(const char* joint) const { return static_cast<std::size_t>(m_skin.Joint(joint)); }

    bool CheckNames() {
        bool ok = true;
        for (const char* clip : NinjaClipNames()) {
            if (m_skin.Clip(clip) == nullptr) {
                Fail(std::string("the clip \"") + clip + "\" is missing");
                ok = false;
            }
        }
        for (const char* joint : NinjaJointNames()) {
            if (m_skin.Joint(joint) < 0) {
                Fail(std::string("the joint \"") + joint + "\" is missing");
                ok = false;
            }
        }
        if (ok && !m_skin.Descends(m_skin.Joint("trailJoint"), m_skin.Joint("HandR"))) {
            Fail("the weapon's trail joint must be carried by the right hand");
        }
        return ok;
    }

    // The whip: one unbranched path from Surujin9 to a leaf, Surujin10 on it, and chain vertices bound only
    // to chain joints (the game folds exactly that path away).
    void CheckChain() {
        const int start = m_skin.Joint("Surujin9");
        if (start < 0) {
            if (m_skin.FileName() == "Ninja2Shape.ZMD") {
                Fail("the Tessen ninja needs the whip chain starting at \"Surujin9\"");
            }
            return;
        }
        std::set<int> chain;
        for (int walk = start;; ++walk) {  // in pre-order an only child follows its parent
            chain.insert(walk);
            const JointNode& node = *m_skin.Joints()[static_cast<std::size_t>(walk)].node;
            if (node.children.size() > 1) {
                Fail("the whip chain branches at \"" + node.name + "\"");
                return;
            }
            if (node.children.empty()) {
                break;
            }
        }
        if (!chain.contains(m_skin.Joint("Surujin10"))) {
            Fail("\"Surujin10\" must lie on the chain from \"Surujin9\"");
        }
        m_chain = chain;
        int mixed = 0;
        for (const VertexAnimated& v : m_skin.File().animatedVertices) {
            int onChain = 0;
            int offChain = 0;
            for (int k = 0; k < 3; ++k) {
                if (v.weights[k] > 0.0f) {
                    (chain.contains(v.boneIndices[k]) ? onChain : offChain) += 1;
                }
            }
            mixed += onChain > 0 && offChain > 0 ? 1 : 0;
        }
        if (mixed > 0) {
            Fail(std::to_string(mixed) + " vertices are bound both to the whip chain and to other joints");
        }
    }

    // Lower clips turn only the pelvis and legs; upper clips leave them alone and carry the rest offsets.
    void CheckLayers() {
        const std::vector<FlatJoint> rest = FlattenTree(Clip("IdleA").frames.front());
        for (const char* clipName : NinjaClipNames()) {
            const ModelAnimation& clip = Clip(clipName);
            const bool lower = IsLowerClip(clip.name);
            std::set<std::string> offenders;
            for (const JointNode& frame : clip.frames) {
                const std::vector<FlatJoint> flat = FlattenTree(frame);
                for (std::size_t i = 0; i < flat.size() && i < rest.size(); ++i) {
                    const JointNode& node = *flat[i].node;
                    const bool hip = node.name == "Hip";
                    const bool leg = IsLowerOnlyJoint(node.name);
                    const bool mayTurn = lower ? hip || leg : !hip && !leg;
                    if (!mayTurn && RotationAngle(node.rotation) > kRotationTolerance) {
                        offenders.insert(node.name);
                    }
                    if (!lower && !hip &&
                        glm::length(ToVec3(node.translation) - ToVec3(rest[i].node->translation)) >
                            kOffsetTolerance) {
                        offenders.insert(node.name + " (offset)");
                    }
                }
            }
            if (!offenders.empty()) {
                Fail(std::string(lower ? "lower" : "upper") + " clip \"" + clip.name + "\" moves " +
                     *offenders.begin() +
                     (offenders.size() > 1 ? " and " + std::to_string(offenders.size() - 1) + " more" : ""));
            }
            if (!Moves(clip)) {
                Fail("clip \"" + clip.name + "\" does not move");
            }
        }
    }

    static bool Moves(const ModelAnimation& clip) {
        const std::vector<FlatJoint> first = FlattenTree(clip.frames.front());
        for (const JointNode& frame : clip.frames) {
            const std::vector<FlatJoint> flat = FlattenTree(frame);
            for (std::size_t i = 0; i < flat.size() && i < first.size(); ++i) {
                if (AngleBetween(flat[i].node->rotation, first[i].node->rotation) > kMinimumMotion ||
                    glm::length(ToVec3(flat[i].node->translation) - ToVec3(first[i].node->translation)) >
                        0.01f) {
                    return true;
                }
            }
        }
        return false;
    }

    // Clip lengths that fit the abilities' timing (20 frames per second).
    void CheckLengths() {
        const auto stored = [&](const char* name) { return static_cast<int>(Clip(name).frames.size()); };
        const int meleeLimit = m_skin.FileName() == "Ninja1Shape.ZMD" ? 14 : 10;
        if (stored("Melee") > meleeLimit) {
            Fail("the melee clip lasts longer than the melee's cooldown allows");
        }
        if (stored("Range") < 6 || stored("Range") > 10) {
            Fail("the ranged clip should last about 0.4 s");
        }
        if (m_skin.FileName() == "Ninja3Shape.ZMD" && (stored("Spec1") < 26 || stored("Spec1") > 34)) {
            Fail("the stab clip should last about the stab's 1.5 s");
        }
    }

    bool OnChain(const VertexAnimated& v) const { return m_chain.contains(v.boneIndices[0]); }

    // Skinned vertex extremes for a pair of frames, leaving out the whip (folded away most of the time);
    // with onlyFeet, just the vertices the feet carry.
    glm::vec2 HeightRange(const JointNode& upper, const JointNode& lower, bool onlyFeet = false) const {
        const std::vector<EvaluatedJoint> joints = EvaluateLayers(upper, lower);
        const std::size_t footR = At("FootR");
        const std::size_t footL = At("FootL");
        glm::vec2 range(1e9f, -1e9f);
        for (const VertexAnimated& v : m_skin.File().animatedVertices) {
            const bool foot = v.boneIndices[0] == footR || v.boneIndices[0] == footL;
            if (!OnChain(v) && (foot || !onlyFeet)) {
                const float y = SkinPosition(v, joints, m_skin.Animations().front().joints).y;
                range = glm::vec2(std::min(range.x, y), std::max(range.y, y));
            }
        }
        return range;
    }

    // The body as the clips pose it: standing about two units tall, feet on the ground while running,
    // knees bending forwards, lying low once dead, and the whip reaching out, clear of the ground, when it
    // is used.
    void CheckBody() {
        const JointNode& idleArms = Clip("IdleA").frames.front();
        const glm::vec2 standing = HeightRange(idleArms, Clip("IdleL").frames.front());
        if (standing.y < 1.7f || standing.y > 2.5f) {
            Fail("standing, the ninja should be about two units tall (" + std::to_string(standing.y) + ")");
        }
        for (const char* name : {"RunF", "RunB", "RunL", "RunR", "IdleL", "Turn"}) {
            for (const JointNode& frame : Clip(name).frames) {
                const glm::vec2 range = HeightRange(idleArms, frame, true);
                if (range.x < -0.03f || range.x > 0.1f) {
                    Fail(std::string("in \"") + name + "\" the feet leave the ground or sink into it (" +
                         std::to_string(range.x) + ")");
                    break;
                }
                if (!KneesBendForwards(EvaluateLayers(idleArms, frame))) {
                    Fail(std::string("in \"") + name + "\" a knee bends backwards");
                    break;
                }
            }
        }
        const glm::vec2 lying = HeightRange(Clip("DeadA").frames.back(), Clip("DeadL").frames.back());
        if (lying.y > 1.0f) {
            Fail("the death clips should end with the body on the ground");
        }
        if (m_skin.FileName() == "Ninja2Shape.ZMD" && m_skin.Joint("Surujin10") >= 0) {
            for (const char* name : {"Range", "Spec2"}) {
                if (WhipReach(Clip(name)) < 5.0f) {
                    Fail(std::string("the whip should reach out during \"") + name + "\"");
                }
            }
        }
    }

    bool KneesBendForwards(const std::vector<EvaluatedJoint>& joints) const {
        for (const auto& [hip, knee, foot] :
             {std::tuple{"HipR", "KneeR", "FootR"}, std::tuple{"HipL", "KneeL", "FootL"}}) {
            const glm::vec3 h = joints[At(hip)].position;
            const glm::vec3 k = joints[At(knee)].position;
            const glm::vec3 a = joints[At(foot)].position;
            // Positive when the knee lies on the forward (-z) side of the line from hip to ankle.
            const float side = (a.y - h.y) * (k.z - h.z) - (a.z - h.z) * (k.y - h.y);
            if (side < -1e-3f) {
                return false;
            }
        }
        return true;
    }

    float WhipReach(const ModelAnimation& clip) const {
        const JointNode& stand = Clip("IdleL").frames.front();
        float reach = 0.0f;
        for (const JointNode& frame : clip.frames) {
            const std::vector<EvaluatedJoint> joints = EvaluateLayers(frame, stand);
            const glm::vec3 tip = joints[At("Surujin10")].position;
            const glm::vec3 hip = joints[At("Hip")].position;
            // A whip trailing through the floor reaches nobody.
            if (tip.y >= 0.0f) {
                reach = std::max(reach, glm::length(glm::vec2(tip.x - hip.x, tip.z - hip.z)));
            }
        }
        return reach;
    }

    const SkinView& m_skin;
    Problems& m_problems;
    std::set<int> m_chain;
};

}  // namespace

void CheckNinja(const SkinView& skin, Problems& problems) {
    NinjaChecker(skin, problems).Run();
}
