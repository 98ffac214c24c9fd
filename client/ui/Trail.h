// The ribbon a moving thing leaves behind it (thrown weapons, projectiles, traps in flight, dashing ninjas).
// While emitting, a trail samples its owner's position and facing at a fixed rate; each sample adds one
// segment of two points (the new place and the previous one, or one width behind the owner for the first)
// that lives for the trail's point lifetime. Once a frame the owner updates it and hands it to the
// TrailRenderer, which draws every segment as a ribbon of the trail's width, faded by its age.
//
// The engine must be running from Initialize to Shutdown; the trail owns its vertex buffer and releases it
// in Shutdown (also run by the destructor). The picture belongs to the texture library.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include <glm/vec4.hpp>

#include "Lumagrid/EngineTypes.h"
#include "Lumagrid/Handles.h"

class TrailRenderer;

class Trail {
public:
    static constexpr const char* kTooShortLifetime =
        "A trails point life time was set to less than (1 / points per second), which means a point will die "
        "before a new one is emitted, making a trail impossible.";
    static constexpr const char* kLifetimeCorrected =
        "The trails point life time was automatically set to (1 / m_pointsPerSecond * 2) to make a trail "
        "possible.";

    Trail() = default;
    ~Trail();
    Trail(const Trail&) = delete;
    Trail& operator=(const Trail&) = delete;

    // A trail sampling pointsPerSecond times a second (at most once a frame), each segment living
    // pointLifetime seconds. A lifetime shorter than the sampling interval would leave no segment alive when
    // the next is taken: it becomes two intervals, and the two messages above go to the engine's
    // diagnostics. The buffer holds truncate(pointsPerSecond) points, and the trail never holds more.
    // False when the rate gives no room for one segment (below 2 per second, or not finite: "A trail needs
    // at least two points per second.") or the engine gives no buffer ("Failed to create trail dynamic
    // vertex buffer."), and when there is no engine. Starts emitting. A trail set up before is shut down
    // first.
    bool Initialize(const glm::vec4& colour, const std::string& texturePath, float pointsPerSecond,
                    float pointLifetime, float width);
    void Shutdown();

    // One frame of dt seconds with the owner facing angle (radians about y) at (x, y, z): ages every point,
    // drops the expired segments (and, when the buffer is full, the oldest one), then takes at most one
    // sample when more than one interval has gathered.
    void Update(float dt, float angle, float x, float y, float z);
    // With points to show: uploads them and queues the trail on renderer. A trail whose upload the engine
    // refuses is not queued this frame.
    void Render(TrailRenderer& renderer);

    void StartEmitting() { m_emitting = true; }
    void StopEmitting() { m_emitting = false; }

    bool IsEmitting() const { return m_emitting; }
    // Every point has expired (owners destroy a stopped trail once it is empty).
    bool IsEmpty() const { return m_empty; }
    float GetPointLifetime() const { return m_pointLifetime; }
    std::size_t Capacity() const { return m_capacity; }
    std::span<const Lumaspace::TrailPoint> Points() const { return m_points; }
    // What the renderer draws: the buffer and the number of points its last successful upload holds.
    Lumaspace::BufferHandle GetBuffer() const { return m_buffer; }
    int DrawCount() const { return m_drawCount; }
    Lumaspace::TextureHandle GetTexture() const { return m_texture; }

private:
    void Expire();
    void Sample(float angle, float x, float y, float z);
    void DropOldestSegments(std::size_t count);

    float m_pointsPerSecond = 0.0f;
    float m_pointInterval = 0.0f;
    float m_pointLifetime = 0.0f;
    float m_width = 0.0f;
    glm::vec4 m_colour{1.0f};
    Lumaspace::TextureHandle m_texture;
    bool m_emitting = false;
    bool m_empty = true;
    float m_sampleTimer = 0.0f;
    std::size_t m_capacity = 0;
    std::vector<Lumaspace::TrailPoint> m_points;  // oldest first, in segments of two
    Lumaspace::BufferHandle m_buffer;
    int m_drawCount = 0;
};
