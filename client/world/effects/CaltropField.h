// A thrown caltrop bag: the bag flies the arc in its owner's team colour; landed, the team's caltrop field
// lies at the target under a faint point light. The world removes it 20 s after the landing.
#pragma once

#include <glm/vec3.hpp>

#include "client/world/Object.h"
#include "client/world/effects/ThrownTrap.h"

class CaltropField : public ThrownTrap {
public:
    static constexpr const char* kBagModel = "../Ombrin/Models/CaltropBagShape.ZMD";
    static constexpr const char* kRedFieldModel = "../Ombrin/Models/CaltropFieldTCRedShape.ZMD";
    static constexpr const char* kBlueFieldModel = "../Ombrin/Models/CaltropFieldTCBlueShape.ZMD";
    static constexpr float kLandedSeconds = 20.0f;
    static constexpr float kLightRange = 2.0f;

    CaltropField(int id, const glm::vec3& start, const glm::vec3& target, int ownerTeam);

    bool Expired() const override { return !InFlight() && GetAge() >= kLandedSeconds; }
    const Object& GetField() const { return m_field; }

private:
    void UpdateLanded(float dt) override;
    void RenderLanded(ParticleRenderer* particles) override;
    void RenderLandedDepth() override { m_field.RenderDepth(); }

    Object m_field;
};
