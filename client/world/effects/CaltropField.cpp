#include "client/world/effects/CaltropField.h"

#include "Lumagrid/GE.h"
#include "client/world/effects/EntityTrail.h"
#include "protocol/GameFacts.h"

CaltropField::CaltropField(int id, const glm::vec3& start, const glm::vec3& target, int ownerTeam)
    : ThrownTrap(id, start, target, kBagModel, TeamTrailColour(ownerTeam),
                 "A spike trap trail failed to initialize!") {
    m_field.Initialize(ownerTeam == kRedTeam ? kRedFieldModel : kBlueFieldModel, target);
}

// Point lights are gathered anew every frame.
void CaltropField::UpdateLanded(float dt) {
    (void)dt;
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr) {
        return;
    }
    Lumaspace::PointLight light;
    light.diffuse = glm::vec4(0.2f, 0.2f, 0.2f, 0.0f);
    light.position = GetArc().GetTarget();
    light.range = kLightRange;
    engine->AddNewPointLight(light);
}

void CaltropField::RenderLanded(ParticleRenderer* particles) {
    (void)particles;
    m_field.Render();
}
