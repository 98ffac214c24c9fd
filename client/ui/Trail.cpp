#include "client/ui/Trail.h"

#include <algorithm>
#include <cmath>

#include "Lumagrid/GE.h"
#include "client/ui/TextureLibrary.h"
#include "client/ui/TrailRenderer.h"

namespace {
constexpr std::size_t kSegmentPoints = 2;
}

Trail::~Trail() {
    Shutdown();
}

bool Trail::Initialize(const glm::vec4& colour, const std::string& texturePath, float pointsPerSecond,
                       float pointLifetime, float width) {
    Shutdown();
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr) {
        return false;
    }
    Lumaspace::DiagnosticSink& diagnostics = engine->GetDiagnostics();
    if (!std::isfinite(pointsPerSecond) || pointsPerSecond < static_cast<float>(kSegmentPoints)) {
        diagnostics.Compose("A trail needs at least two points per second.");
        return false;
    }
    m_pointsPerSecond = pointsPerSecond;
    m_pointInterval = 1.0f / pointsPerSecond;
    m_pointLifetime = pointLifetime;
    if (!(m_pointLifetime >= m_pointInterval)) {
        diagnostics.Compose(kTooShortLifetime);
        m_pointLifetime = m_pointInterval * 2.0f;
        diagnostics.Compose(kLifetimeCorrected);
    }
    m_width = width;
    m_colour = colour;
    m_texture = TextureLibrary::GetInstance().GetTexture(texturePath);
    m_points.clear();
    m_capacity = static_cast<std::size_t>(pointsPerSecond);
    m_points.reserve(m_capacity + kSegmentPoints);
    m_emitting = true;
    m_empty = true;
    m_sampleTimer = 0.0f;
    m_buffer = engine->CreateDynamicBuffer(m_capacity * sizeof(Lumaspace::TrailPoint));
    if (!m_buffer) {
        diagnostics.Compose("Failed to create trail dynamic vertex buffer.");
        return false;
    }
    return true;
}

void Trail::Shutdown() {
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated(); engine != nullptr && m_buffer) {
        engine->ReleaseBuffer(m_buffer);
    }
    m_buffer = {};
    m_drawCount = 0;
    m_points.clear();
    m_empty = true;
}

void Trail::Update(float dt, float angle, float x, float y, float z) {
    for (Lumaspace::TrailPoint& point : m_points) {
        point.age += dt;
    }
    Expire();
    if (!m_emitting || !m_buffer) {
        return;
    }
    m_sampleTimer += dt;
    if (m_sampleTimer > m_pointInterval) {
        Sample(angle, x, y, z);
        m_sampleTimer = 0.0f;
        m_empty = false;
    }
}

void Trail::Expire() {
    const auto firstAlive = std::find_if(m_points.begin(), m_points.end(),
                                         [](const Lumaspace::TrailPoint& p) { return p.age < p.lifetime; });
    if (firstAlive == m_points.end()) {
        m_points.clear();
        m_empty = true;
        return;
    }
    DropOldestSegments(static_cast<std::size_t>(firstAlive - m_points.begin()) / kSegmentPoints);
}

// The segment's ends age together, so whole segments expire; the older end of the oldest segment left
// becomes the tail.
void Trail::DropOldestSegments(std::size_t count) {
    if (count == 0) {
        return;
    }
    m_points.erase(m_points.begin(), m_points.begin() + static_cast<std::ptrdiff_t>(count * kSegmentPoints));
    if (m_points.size() >= kSegmentPoints) {
        m_points[1].tail = 1.0f;
    }
}

void Trail::Sample(float angle, float x, float y, float z) {
    const Lumaspace::TrailPoint fresh{{x, y, z}, angle, m_width, m_pointLifetime, 0.0f, m_colour, 0.0f};
    Lumaspace::TrailPoint back = fresh;
    if (m_points.size() < kSegmentPoints) {
        // The first segment reaches one width behind the owner, against its facing.
        back.position = {x - std::cos(angle) * m_width, y, z - std::sin(angle) * m_width};
        back.tail = 1.0f;
    } else {
        const Lumaspace::TrailPoint& previous = m_points[m_points.size() - kSegmentPoints];
        back.position = previous.position;
        back.angle = previous.angle;
    }
    m_points.push_back(fresh);
    m_points.push_back(back);
    // Ages are summed frame times, so one segment more than rate x lifetime can still be alive: the buffer
    // holds truncate(rate) points, and the oldest segments make room.
    if (m_points.size() > m_capacity) {
        DropOldestSegments((m_points.size() - m_capacity + 1) / kSegmentPoints);
    }
}

void Trail::Render(TrailRenderer& renderer) {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr || !m_buffer || m_points.empty()) {
        return;
    }
    if (!engine->UpdateDynamicBuffer(m_buffer, std::as_bytes(std::span(m_points)))) {
        return;
    }
    m_drawCount = static_cast<int>(m_points.size());
    renderer.Queue(this);
}
