// One kunai of a volley as the client shows it: its model follows its VolleyFlight at the volley's time
// and points its nose along its motion since the previous frame.
#pragma once

#include <glm/vec3.hpp>

#include "client/world/Object.h"
#include "client/world/effects/VolleyFlight.h"

class VolleyObject : public Object {
public:
    static constexpr const char* kModel = "../Ombrin/Models/KunaiShape.ZMD";

    // The kunai at start, aimed at target.
    bool Initialize(const glm::vec3& start, const glm::vec3& target);
    // Places the kunai where its flight is volleyTime seconds into the volley.
    void FlyTo(float volleyTime);
    bool FinishedAt(float volleyTime) const { return m_flight.FinishedAt(volleyTime); }

private:
    using Object::Initialize;

    VolleyFlight m_flight;
};
