#include "client/world/abilities/AimMarkers.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/gtc/constants.hpp>

#include "client/world/CollisionManager.h"
#include "client/world/Model.h"
#include "client/world/abilities/Ability.h"
#include "client/world/abilities/AimMarkerStyle.h"
#include "shared/ModelLibrary.h"

namespace {

// The cone lies this far ahead of the player; its apex is then on the player.
constexpr float kConeAhead = 1.7f;
constexpr glm::vec3 kConeScale{3.0f, 2.0f, 3.0f};
// The arrow body model is a tenth of a unit long.
constexpr float kArrowBodyStretch = 10.0f;

// The yaw that turns a model's +z onto the direction (x, z). Taken from the direction itself, not from a
// cosine: there is no cosine to step outside [-1, 1] and no acos to turn it into NaN.
float Heading(const glm::vec2& direction) {
    return std::atan2(direction.x, direction.y);
}

// The arrow models point along +x: a quarter turn less than the heading turns them onto the aim.
float ArrowYaw(const glm::vec2& direction) {
    return Heading(direction) - glm::half_pi<float>();
}

Float3 ToFloat3(const glm::vec3& v) {
    return Float3{v.x, v.y, v.z};
}

}  // namespace

MarkerModels MarkerModelsFromLibrary() {
    MarkerModels models{};
    for (std::size_t i = 0; i < models.size(); ++i) {
        models[i] = dynamic_cast<const Model*>(&ModelLibrary::GetInstance().Get(kMarkerModelPaths[i]));
    }
    return models;
}

glm::mat4 PlacedMarker::WorldMatrix() const {
    const glm::mat4 moved = glm::translate(glm::mat4(1.0f), position);
    const glm::mat4 turned = glm::rotate(moved, yaw, glm::vec3(0.0f, 1.0f, 0.0f));
    return glm::scale(turned, scale);
}

bool AimMarkers::Show(const Ability& ability, const glm::vec3& player, const CollisionManager& collision) {
    const std::optional<protocol::AbilityId> id = ability.GetId();
    if (!id) {
        return true;
    }
    if (!ability.IsReady()) {
        return false;
    }
    const GroundPoint mouse = collision.GetMouseGroundPoint();
    const glm::vec2 toMouse(mouse.x - player.x, mouse.z - player.z);
    const float mouseDistance = glm::length(toMouse);
    if (mouseDistance > 0.0f && std::isfinite(mouseDistance)) {
        m_direction = toMouse / mouseDistance;
    }
    const float reach = std::isfinite(mouseDistance) ? mouseDistance : 0.0f;
    const glm::vec2 d = m_direction;
    const auto ahead = [&](float distance) {
        return glm::vec3(player.x + d.x * distance, kMarkerHeight, player.z + d.y * distance);
    };
    const AimMarkerStyle style = AimMarkerStyleOf(*id);
    const auto limited = [&](float distance) {
        return style.range > 0.0f ? std::min(distance, style.range) : distance;
    };

    switch (style.kind) {
        case AimMarkerKind::Cone:
            Add({MarkerModel::Cone, ahead(kConeAhead), Heading(d), kConeScale});
            break;
        case AimMarkerKind::Arrow:
        case AimMarkerKind::ArrowBody: {
            const float distance = limited(
                collision.AimRayDistance(ToFloat3(player), Float3{d.x, 0.0f, d.y}, style.tallOnly, reach));
            Add({MarkerModel::ArrowBody, ahead(distance / 2.0f), ArrowYaw(d),
                 glm::vec3(kArrowBodyStretch * distance, 1.0f, style.width)});
            if (style.kind == AimMarkerKind::Arrow) {
                Add({MarkerModel::ArrowEnd, ahead(distance), ArrowYaw(d),
                     glm::vec3(1.0f, 1.0f, style.width)});
            }
            break;
        }
        case AimMarkerKind::Circle: {
            const CollisionRay ray{ToFloat3(player), Float3{d.x, kAimRayHeight, d.y}};
            const float distance = limited(std::min(reach, collision.LevelRayDistance(ray)));
            const float diameter = 2.0f * style.radius;
            Add({MarkerModel::Circle, ahead(distance), 0.0f, glm::vec3(diameter, 1.0f, diameter)});
            break;
        }
        case AimMarkerKind::CircleOnPlayer: {
            const float diameter = 2.0f * style.radius;
            Add({MarkerModel::Circle, ahead(0.0f), 0.0f, glm::vec3(diameter, 1.0f, diameter)});
            break;
        }
    }
    return true;
}

void AimMarkers::Clear() {
    m_placed.clear();
    m_markers.clear();
}

void AimMarkers::Add(const PlacedMarker& marker) {
    m_placed.push_back(marker);
    const Model* model = m_models[static_cast<std::size_t>(marker.model)];
    if (model == nullptr || !model->GetBuffer() || model->GetVertexCount() <= 0) {
        return;
    }
    m_markers.push_back(
        {model->GetBuffer(), model->GetVertexCount(), marker.WorldMatrix(), model->GetTexture()});
}
