// The small map of the arena in the lower left corner of the match screen: the local player's dot and a dot
// for each of up to seven other players, coloured by team. The match state decides which players are seen
// and moves their dots every frame; a dot that is hidden stands off screen.
#pragma once

#include <array>
#include <cstddef>

#include "client/ui/MenuItem.h"

class Minimap {
public:
    static constexpr std::size_t kDotCount = 7;
    static constexpr float kWidth = 222.0f;
    static constexpr float kHeight = 250.0f;
    static constexpr float kDotSize = 10.0f;
    static constexpr float kHiddenPlace = -1000.0f;
    // The arena's half extents in world units: x from -43 to 43, z from -50 to 50.
    static constexpr float kArenaHalfX = 43.0f;
    static constexpr float kArenaHalfZ = 50.0f;
    static constexpr const char* kMapTexture = "../Ombrin/2DTextures/GUI/minimap.png";
    static constexpr const char* kFrameTexture = "../Ombrin/2DTextures/GUI/minimapframe.png";
    static constexpr const char* kRedDotTexture = "../Ombrin/2DTextures/GUI/minimap_redDot.png";
    static constexpr const char* kBlueDotTexture = "../Ombrin/2DTextures/GUI/minimap_blueDot.png";

    struct Point {
        float x;
        float y;
    };

    // The map with its lower left corner in the window's lower left corner; the own dot in the map's
    // centre, the others hidden. Returns true.
    bool Initialize(float windowWidth, float windowHeight);
    // Moves the own dot, or dot index 0..6, to the world position (x, z); another index is ignored.
    void SetOwnDot(float worldX, float worldZ);
    void SetDot(std::size_t index, float worldX, float worldZ);
    void HideDot(std::size_t index);
    // Red for team 1, blue for any other value.
    void SetOwnTeam(int team);
    void SetDotTeam(std::size_t index, int team);
    // Queues the frame, the map, the seven dots in order, then the own dot.
    void Render() const;
    void Shutdown();

    // Where a world position shows: the map's centre for (0, 0), 13 pixels in from the map's edges at the
    // arena's edges.
    Point DotPlace(float worldX, float worldZ) const;

    float X() const { return m_map.X(); }
    float Y() const { return m_map.Y(); }
    const MenuItem& OwnDot() const { return m_ownDot; }
    const MenuItem& Dot(std::size_t index) const { return m_dots.at(index); }

private:
    static const char* DotTexture(int team);
    static void Place(MenuItem& dot, Point point) { dot.SetPosition(point.x, point.y); }

    MenuItem m_map;
    MenuItem m_frame;
    MenuItem m_ownDot;
    std::array<MenuItem, kDotCount> m_dots;
};
