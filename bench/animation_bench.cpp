// Prints the cost of one AnimationState::Advance (the clock, the paired walk of the upper and lower joint
// trees with their smoothing, and the skinning matrices) for a 30-joint ninja built here, standing,
// running diagonally (hip yaw and spine twist) and swinging the chain while running, and for each of the
// three generated ninjas while running.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MicrosecondsPerCall.h"
#include "client/world/AnimationClips.h"
#include "client/world/AnimationState.h"
#include "shared/ModelFileData.h"
#include "shared/ModelParser.h"

namespace {

constexpr double kFrameTime = 1.0 / 60.0;

struct BenchJoint {
    std::string name;
    int parent;
    Float3 offset;
};

// The whip ninja's 28 joints plus a lantern light on the head and a scabbard on the hips: 30 joints in
// pre-order.
std::vector<BenchJoint> ThirtyJoints() {
    std::vector<BenchJoint> joints = {
        {"Hip", -1, {0.0f, 1.0f, 0.0f}},        {"SpineIK", 0, {0.0f, 0.12f, 0.0f}},
        {"Chest", 1, {0.0f, 0.28f, 0.0f}},      {"Neck", 2, {0.0f, 0.22f, 0.0f}},
        {"Head", 3, {0.0f, 0.1f, 0.0f}},        {"lightEmitter", 4, {0.0f, 0.3f, 0.0f}},
        {"ShoulderR", 2, {-0.2f, 0.17f, 0.0f}}, {"ElbowR", 6, {0.0f, -0.3f, 0.0f}},
        {"HandR", 7, {0.0f, -0.27f, 0.0f}},     {"trailJoint", 8, {0.0f, -0.05f, -1.0f}},
        {"ShoulderL", 2, {0.2f, 0.17f, 0.0f}},  {"ElbowL", 10, {0.0f, -0.3f, 0.0f}},
        {"HandL", 11, {0.0f, -0.27f, 0.0f}},
    };
    int parent = 12;
    for (int link = 0; link < 10; ++link) {
        const std::string name = link == 0   ? "Surujin9"
                                 : link == 9 ? "Surujin10"
                                             : "Surujin" + std::to_string(link);
        joints.push_back({name, parent, {0.0f, link == 0 ? -0.08f : -0.7f, 0.0f}});
        parent = static_cast<int>(joints.size()) - 1;
    }
    joints.push_back({"Scabbard", 0, {0.15f, 0.0f, 0.1f}});
    const int hipR = static_cast<int>(joints.size());
    joints.push_back({"HipR", 0, {-0.11f, -0.05f, 0.0f}});
    joints.push_back({"KneeR", hipR, {0.0f, -0.45f, 0.0f}});
    joints.push_back({"FootR", hipR + 1, {0.0f, -0.42f, 0.0f}});
    joints.push_back({"HipL", 0, {0.11f, -0.05f, 0.0f}});
    joints.push_back({"KneeL", hipR + 3, {0.0f, -0.45f, 0.0f}});
    joints.push_back({"FootL", hipR + 4, {0.0f, -0.42f, 0.0f}});
    return joints;
}

JointNode BuildTree(const std::vector<BenchJoint>& joints, int index, float phase) {
    const BenchJoint& joint = joints[static_cast<std::size_t>(index)];
    // A small swing about x that differs per joint and frame.
    const float half = 0.2f * std::sin(phase + 0.7f * static_cast<float>(index));
    JointNode node{joint.name,
                   joint.offset,
                   Float4{std::sin(half), 0.0f, 0.0f, std::cos(half)},
                   Float4{0.0f, 0.0f, 0.0f, 1.0f},
                   {}};
    for (std::size_t child = 0; child < joints.size(); ++child) {
        if (joints[child].parent == index) {
            node.children.push_back(BuildTree(joints, static_cast<int>(child), phase));
        }
    }
    return node;
}

ModelAnimation BenchClip(const std::vector<BenchJoint>& joints, std::string_view name, int frames) {
    ModelAnimation clip;
    clip.name = std::string(name);
    clip.frameCount = frames + 1;
    clip.jointCount = static_cast<std::int32_t>(joints.size());
    for (int f = 0; f < frames; ++f) {
        clip.frames.push_back(
            BuildTree(joints, 0, 6.28f * static_cast<float>(f) / static_cast<float>(frames)));
    }
    for (std::size_t j = 0; j < joints.size(); ++j) {
        Float3 bind{};
        for (int walk = static_cast<int>(j); walk != -1;
             walk = joints[static_cast<std::size_t>(walk)].parent) {
            bind.x += joints[static_cast<std::size_t>(walk)].offset.x;
            bind.y += joints[static_cast<std::size_t>(walk)].offset.y;
            bind.z += joints[static_cast<std::size_t>(walk)].offset.z;
        }
        JointRecord record;
        for (int i = 0; i < 4; ++i) {
            record.inverseBindPose.m[i][i] = 1.0f;
        }
        record.inverseBindPose.m[3][0] = -bind.x;
        record.inverseBindPose.m[3][1] = -bind.y;
        record.inverseBindPose.m[3][2] = -bind.z;
        clip.joints.push_back(record);
    }
    return clip;
}

std::vector<ModelAnimation> ThirtyJointNinja() {
    const std::vector<BenchJoint> joints = ThirtyJoints();
    std::vector<ModelAnimation> clips;
    for (const std::string_view name : kClipSlotNames) {
        clips.push_back(BenchClip(joints, name, 16));
    }
    return clips;
}

std::vector<ModelAnimation> LoadAnimations(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    ModelFileData model;
    std::string error;
    if (!ParseModelFile(bytes, model, error)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
    }
    return model.animations;
}

AnimationState MakeNinja(const std::vector<ModelAnimation>& animations) {
    AnimationState state;
    for (const ModelAnimation& animation : animations) {
        state.AddAnimation(animation);
    }
    state.BindClips();
    state.SetFacing({0.0f, 0.0f, -1.0f});
    return state;
}

double AdvanceCost(AnimationState& state) {
    return MicrosecondsPerCall([&] { state.Advance(kFrameTime); });
}

}  // namespace

int main() {
    const glm::vec3 diagonal(-1.0f, 0.0f, -1.0f);
    const std::vector<ModelAnimation> thirty = ThirtyJointNinja();
    std::printf("AnimationState::Advance, %.0f frames per second of game time per call:\n", 1.0 / kFrameTime);
    std::printf("  %-40s %7s %10s\n", "ninja", "joints", "us/Advance");
    {
        AnimationState state = MakeNinja(thirty);
        state.ChooseLegClips(glm::vec3(0.0f), kFrameTime);
        std::printf("  %-40s %7zu %10.2f\n", "30-joint, standing", state.GetJointMatrices().size(),
                    AdvanceCost(state));
    }
    {
        AnimationState state = MakeNinja(thirty);
        state.ChooseLegClips(diagonal, kFrameTime);
        std::printf("  %-40s %7zu %10.2f\n", "30-joint, running diagonally", state.GetJointMatrices().size(),
                    AdvanceCost(state));
    }
    {
        AnimationState state = MakeNinja(thirty);
        state.ChooseLegClips(diagonal, kFrameTime);
        int frames = 0;
        // The chain action restarts before its clip runs out, so every call walks with the chain shown.
        const double us = MicrosecondsPerCall([&] {
            if (frames++ % 30 == 0) {
                state.PlayAction(AnimationAction::kRange);
            }
            state.Advance(kFrameTime);
        });
        std::printf("  %-40s %7zu %10.2f\n", "30-joint, whip lash while running",
                    state.GetJointMatrices().size(), us);
    }
    for (const char* model : {"Ninja1Shape.ZMD", "Ninja2Shape.ZMD", "Ninja3Shape.ZMD"}) {
        const std::vector<ModelAnimation> animations =
            LoadAnimations(std::string(OMBRIN_DATA_DIR "/Models/") + model);
        if (animations.empty()) {
            continue;
        }
        AnimationState state = MakeNinja(animations);
        state.ChooseLegClips(diagonal, kFrameTime);
        std::printf("  %-40s %7zu %10.2f\n", (std::string(model) + ", running diagonally").c_str(),
                    state.GetJointMatrices().size(), AdvanceCost(state));
    }
    return 0;
}
