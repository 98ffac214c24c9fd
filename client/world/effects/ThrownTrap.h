// A trap thrown on a ThrownArc (a smoke bomb, a caltrop bag, a sticky trap jar): its carrier model flies the
// arc with a trail from the throw until the height term turns negative; then the trail goes, the age starts
// again from 0 and the landed trap does what its kind does. Start and target lie on the ground (y = 0).
#pragma once

#include <memory>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "client/ui/Trail.h"
#include "client/world/Object.h"
#include "client/world/effects/ThrownArc.h"

class ParticleRenderer;
class TrailRenderer;

class ThrownTrap {
public:
    virtual ~ThrownTrap() = default;
    ThrownTrap(const ThrownTrap&) = delete;
    ThrownTrap& operator=(const ThrownTrap&) = delete;

    // One frame of dt seconds: in flight the carrier and its trail move along the arc; a landed trap ages.
    void Update(float dt);
    // The world removes the trap now.
    virtual bool Expired() const = 0;

    // Scene pass: the carrier and its trail in flight, the kind's landed look afterwards.
    void Render(TrailRenderer* trails, ParticleRenderer* particles);
    void RenderDepth();

    int GetId() const { return m_id; }
    bool InFlight() const { return m_inFlight; }
    // Seconds since the throw while in flight, since the landing afterwards.
    float GetAge() const { return m_age; }
    const ThrownArc& GetArc() const { return m_arc; }
    const Object& GetCarrier() const { return m_carrier; }
    const Trail* GetTrail() const { return m_trail.get(); }

protected:
    ThrownTrap(int id, const glm::vec3& start, const glm::vec3& target, const char* carrierModel,
               const glm::vec4& trailColour, const char* trailFailure);

    // The frame of the landing (dt: its frame time).
    virtual void Land(float dt) { (void)dt; }
    // A frame on the ground; the age already counts it.
    virtual void UpdateLanded(float dt) { (void)dt; }
    virtual void RenderLanded(ParticleRenderer* particles) { (void)particles; }
    virtual void RenderLandedDepth() {}

private:
    int m_id = 0;
    ThrownArc m_arc;
    Object m_carrier;
    std::unique_ptr<Trail> m_trail;
    bool m_inFlight = true;
    float m_age = 0.0f;
};
