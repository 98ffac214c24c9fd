#include "tools/bots/Steering.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kTurn = 0.3926991f;  // 22.5 degrees
constexpr int kMaxTurns = 7;

Ground Turned(Ground d, float radians) {
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    return {d.x * c - d.z * s, d.x * s + d.z * c};
}

// The first free point turning to one side, or nothing.
bool FirstFree(const ArenaMap& map, Ground p, Ground direction, float distance, int side, Ground& out) {
    for (int k = 1; k <= kMaxTurns; ++k) {
        const Ground candidate = p + Turned(direction, kTurn * static_cast<float>(k * side)) * distance;
        if (!map.Blocked(candidate)) {
            out = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace

Ground Steerer::Step(const ArenaMap& map, Ground p, Ground goal, float step) {
    const float distance = std::min(step, Distance(p, goal));
    if (distance <= 1e-5f) {
        return p;
    }
    const Ground direction = Normalized(goal - p);
    const Ground straight = p + direction * distance;
    // Free ground ahead, or a bot that stands in an obstacle already (placed there by the server) walking
    // out.
    if (!map.Blocked(straight) || map.Blocked(p)) {
        m_side = 0;
        return straight;
    }
    if (m_side == 0) {
        // Start the detour on the side that needs the smaller turn.
        for (int k = 1; k <= kMaxTurns && m_side == 0; ++k) {
            for (const int side : {1, -1}) {
                if (!map.Blocked(p + Turned(direction, kTurn * static_cast<float>(k * side)) * distance)) {
                    m_side = side;
                    break;
                }
            }
        }
        if (m_side == 0) {
            return p;
        }
    }
    Ground next;
    if (FirstFree(map, p, direction, distance, m_side, next)) {
        return next;
    }
    m_side = -m_side;
    return FirstFree(map, p, direction, distance, m_side, next) ? next : p;
}

Ground ClampStep(Ground p, Ground target, float maxAxis) {
    return {p.x + std::clamp(target.x - p.x, -maxAxis, maxAxis),
            p.z + std::clamp(target.z - p.z, -maxAxis, maxAxis)};
}
