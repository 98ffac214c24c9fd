#include "SceneData.h"

namespace Lumaspace {

void SceneData::RecomputeVisibility(Point viewer, float frameTime) {
    shadowShapes.CollectBlockers(m_blockerLines, m_blockerPoints);
    visibility.Compute(viewer, m_blockerLines, m_blockerPoints);
    visibility.AdvanceScroll(frameTime);
    ++visibilityRevision;
}

}  // namespace Lumaspace
