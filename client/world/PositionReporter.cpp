#include "client/world/PositionReporter.h"

#include <algorithm>
#include <cmath>

#include "client/net/ClientNetwork.h"

namespace {

constexpr float kFreeReach = kMaxReportStep / 2.0f;

protocol::Vec3 ToWire(const glm::vec3& v) {
    return {v.x, v.y, v.z};
}

float LargestAxis(const glm::vec3& v) {
    return std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
}

}  // namespace

void PositionReporter::Report(ClientNetwork& network, const glm::vec3& position) {
    const glm::vec3 move = position - m_anchor;
    const float reach = LargestAxis(move);
    if (!std::isfinite(reach)) {
        return;  // never report a position the server would store as garbage
    }
    if (reach > kFreeReach) {
        const int steps = static_cast<int>(std::ceil(reach / kFreeReach));
        for (int step = 1; step < steps; ++step) {
            network.SendPosition(
                ToWire(m_anchor + move * (static_cast<float>(step) / static_cast<float>(steps))));
        }
        network.SendPosition(ToWire(position));
        m_anchor = position;
    }
    network.SetLocalPosition(ToWire(position));
}
