// How GE hands a scene, composition, line-of-sight or effect operation to the running back end.
#pragma once

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

// The bone list a skinned draw takes: at most kMaxBones matrices.
inline std::span<const glm::mat4> BoneList(std::span<const glm::mat4> bones) {
    return bones.size() > kMaxBones ? bones.first(kMaxBones) : bones;
}

}  // namespace Lumaspace
