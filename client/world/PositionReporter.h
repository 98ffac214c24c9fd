// Reports the local player's position so that the server never refuses it for a jump. The server accepts a
// reported position only within kMaxReportStep on each axis of the last one it accepted; the connection sends
// the latest position at its own cadence (every 0.04 s, or once per frame when frames are longer), without
// the player knowing which of its positions went out. A dash at eight times the walking speed covers more
// than that limit in one report interval at ordinary frame rates and in one frame of 62.5 ms.
//
// The reporter keeps an anchor, a position it sent itself (or where the server placed the player). Every
// position left to the connection's cadence lies within half the limit of the anchor on each axis, so any
// two of them, and each of them and the anchor, lie within the limit of each other. A move beyond that half
// is sent at once as a straight line of steps of at most half the limit from the anchor, and its end becomes
// the anchor: the first step is within the limit of whatever the server last accepted, and each further step
// within the limit of the one before.
#pragma once

#include <glm/vec3.hpp>

class ClientNetwork;

// The server's limit on each axis between two accepted positions.
inline constexpr float kMaxReportStep = 5.0f;

class PositionReporter {
public:
    // The server placed the player here (joining, a respawn) or has it here (after a refused report): the
    // new anchor. Nothing is sent.
    void Place(const glm::vec3& position) { m_anchor = position; }
    // The player is now at position: hands it to the connection's cadence, first sending the steps that lead
    // there when it lies beyond half the limit of the anchor.
    void Report(ClientNetwork& network, const glm::vec3& position);

    const glm::vec3& Anchor() const { return m_anchor; }

private:
    glm::vec3 m_anchor{0.0f};
};
