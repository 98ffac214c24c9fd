// How GE hands a scene, composition, line-of-sight or effect operation to the running back end.
#pragma once

#include <string>

#include "Lumagrid/GE.h"
#include "RenderBackend.h"
#include "SceneData.h"

namespace Lumaspace {

template <class Record>
void GE::Submit(const Record& record) {
    if (m_backend) {
        m_backend->Execute(record);
    }
}

// The bone list a skinned draw takes: at most kMaxBones matrices (the bone block holds no more). A longer
// list is cut, which the running engine reports once.
inline std::span<const glm::mat4> BoneList(std::span<const glm::mat4> bones, SceneData* scene,
                                           DiagnosticSink& diagnostics) {
    if (bones.size() <= kMaxBones) {
        return bones;
    }
    if (scene != nullptr && !scene->boneListCutReported) {
        scene->boneListCutReported = true;
        diagnostics.Compose("A skinned draw was given " + std::to_string(bones.size()) +
                            " bone matrices; only the first " + std::to_string(kMaxBones) + " are used.");
    }
    return bones.first(kMaxBones);
}

}  // namespace Lumaspace
