// GE's line of sight: the blockers and the polygon are kept and computed here for every back end; the back
// end redraws the visibility texture whenever the polygon's revision moves on, and draws the overlay.
#include "GESubmit.h"

namespace Lumaspace {

namespace {
const std::vector<Point> kNoPolygon;
}  // namespace

void GE::SetViewPolygonMatrix(const glm::mat4& matrix) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.viewPolygon = matrix;
    Submit(command::SetViewPolygonMatrix{matrix});
}

void GE::SetVisibilityProjectionPolygonMatrix(const glm::mat4& matrix) {
    if (!m_backend) {
        return;
    }
    m_scene->frame.visibilityProjection = matrix;
    Submit(command::SetVisibilityProjectionPolygonMatrix{matrix});
}

void GE::UpdateVisibilityTextureSize(float width, float height) {
    Submit(command::UpdateVisibilityTextureSize{width, height});
}

void GE::UpdateVisibilityMapBoundries(Point p1, Point p2) {
    if (!m_backend) {
        return;
    }
    m_scene->shadowShapes.SetMapRectangle(p1, p2);
    Submit(command::UpdateVisibilityMapBoundries{p1, p2});
}

void GE::UpdateVisibilityPolygon(Point viewer, float frameTime) {
    if (!m_backend) {
        return;
    }
    m_scene->RecomputeVisibility(viewer, frameTime);
    Submit(command::UpdateVisibilityPolygon{viewer, frameTime});
}

void GE::RenderVisibilityPolygon(bool skip, TextureHandle shadowTexture) {
    Submit(command::RenderVisibilityPolygon{skip, shadowTexture});
}

bool GE::IsVisibilityPointVisible(Point point) const {
    return m_backend && m_scene->visibility.IsPointVisible(point);
}

const std::vector<Point>& GE::GetVisibilityPolygon() const {
    return m_backend ? m_scene->visibility.GetPolygon() : kNoPolygon;
}

void GE::SS_AddStaticLine(const Line& line) {
    if (!m_backend) {
        return;
    }
    m_scene->shadowShapes.AddStaticLine(line);
    Submit(command::SS_AddStaticLine{line});
}

void GE::SS_ClearStaticLines() {
    if (!m_backend) {
        return;
    }
    m_scene->shadowShapes.ClearStaticLines();
    Submit(command::SS_ClearStaticLines{});
}

void GE::SS_AddSmokeBomb(Point centre, float frameTime) {
    if (!m_backend) {
        return;
    }
    m_scene->shadowShapes.AddSmokeBomb(centre);
    m_scene->RecomputeVisibility(m_scene->visibility.GetViewer(), frameTime);
    Submit(command::SS_AddSmokeBomb{centre, frameTime});
}

void GE::SS_Update(float frameTime) {
    if (!m_backend) {
        return;
    }
    if (m_scene->shadowShapes.Update(frameTime)) {
        m_scene->RecomputeVisibility(m_scene->visibility.GetViewer(), frameTime);
    }
    Submit(command::SS_Update{frameTime});
}

void GE::SS_DebugRender() {
    Submit(command::SS_DebugRender{});
}

}  // namespace Lumaspace
