#include "ninjas/NinjaModel.h"

#include <utility>

#include "models/ModelAssembly.h"
#include "ninjas/LowerClips.h"

ModelFileData AssembleNinja(const std::string& name, const NinjaRig& rig, const MeshBuilder& mesh,
                            const BakedTexture& atlas, const NinjaStance& stance, NinjaActions actions) {
    std::vector<ModelAnimation> clips;
    clips.push_back(RunForwardClip(rig));
    clips.push_back(RunArmsClip(rig, stance));
    clips.push_back(RunBackwardClip(rig));
    clips.push_back(RunArmsBackClip(rig, stance));
    clips.push_back(RunLeftClip(rig));
    clips.push_back(RunRightClip(rig));
    clips.push_back(IdleLowerClip(rig));
    clips.push_back(IdleUpperClip(rig, stance));
    clips.push_back(DeadLowerClip(rig));
    clips.push_back(DeadUpperClip(rig, stance));
    clips.push_back(std::move(actions.melee));
    clips.push_back(std::move(actions.range));
    clips.push_back(ToolClip(rig, stance));
    clips.push_back(std::move(actions.spec1));
    clips.push_back(std::move(actions.spec2));
    clips.push_back(TurnClip(rig));
    // The body box: from the ground to two units up, never turned with the ninja.
    return SkinnedModel(name, mesh, atlas, std::move(clips), {Box({0.0f, 1.0f, 0.0f}, {0.5f, 1.0f, 0.5f})});
}
