#include "client/world/effects/VolleyObject.h"

bool VolleyObject::Initialize(const glm::vec3& start, const glm::vec3& target) {
    m_flight = VolleyFlight(start, target);
    return Object::Initialize(kModel, start);
}

void VolleyObject::FlyTo(float volleyTime) {
    const glm::vec3 previous = GetPosition();
    const glm::vec3 next = m_flight.PositionAt(volleyTime);
    if (next != previous) {
        SetRotation(HeadingOfMotion(previous, next));
    }
    SetPosition(next);
}
