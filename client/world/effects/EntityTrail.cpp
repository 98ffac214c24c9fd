#include "client/world/effects/EntityTrail.h"

#include <cmath>

#include "Lumagrid/GE.h"
#include "protocol/GameFacts.h"

namespace {

constexpr float kPointsPerSecond = 30.0f;
constexpr float kPointLifetime = 0.25f;
constexpr float kWidth = 0.3f;

}  // namespace

glm::vec4 TeamTrailColour(int team) {
    return team == kRedTeam ? kRedTrailColour : kBlueTrailColour;
}

std::unique_ptr<Trail> MakeEntityTrail(const glm::vec4& colour, const char* failure) {
    auto trail = std::make_unique<Trail>();
    if (trail->Initialize(colour, kEntityTrailTexture, kPointsPerSecond, kPointLifetime, kWidth)) {
        return trail;
    }
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated(); engine != nullptr) {
        engine->GetDiagnostics().Compose(failure);
    }
    return nullptr;
}

float HeadingOf(const glm::vec3& direction) {
    return std::atan2(direction.x, direction.z);
}
