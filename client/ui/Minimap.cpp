#include "client/ui/Minimap.h"

#include "protocol/GameFacts.h"

namespace {
constexpr float kFrameWidth = 246.0f;
constexpr float kFrameHeight = 275.0f;
constexpr float kFrameShift = 12.0f;
constexpr float kDotMargin = 13.0f;
}  // namespace

bool Minimap::Initialize(float windowWidth, float windowHeight) {
    const float x = kWidth / 2.0f - windowWidth / 2.0f;
    const float y = kHeight / 2.0f - windowHeight / 2.0f;
    m_map.InitializeItem(x, y, kWidth, kHeight, kMapTexture);
    m_frame.InitializeItem(x + kFrameShift, y + kFrameShift, kFrameWidth, kFrameHeight, kFrameTexture);
    m_ownDot.InitializeItem(x, y, kDotSize, kDotSize, kRedDotTexture);
    for (MenuItem& dot : m_dots) {
        dot.InitializeItem(kHiddenPlace, kHiddenPlace, kDotSize, kDotSize, kBlueDotTexture);
    }
    return true;
}

Minimap::Point Minimap::DotPlace(float worldX, float worldZ) const {
    return Point{m_map.X() + (kWidth - kDotMargin) * (worldX / kArenaHalfX) * 0.5f,
                 m_map.Y() + (kHeight - kDotMargin) * (worldZ / kArenaHalfZ) * 0.5f};
}

void Minimap::SetOwnDot(float worldX, float worldZ) {
    Place(m_ownDot, DotPlace(worldX, worldZ));
}

void Minimap::SetDot(std::size_t index, float worldX, float worldZ) {
    if (index < kDotCount) {
        Place(m_dots[index], DotPlace(worldX, worldZ));
    }
}

void Minimap::HideDot(std::size_t index) {
    if (index < kDotCount) {
        Place(m_dots[index], Point{kHiddenPlace, kHiddenPlace});
    }
}

const char* Minimap::DotTexture(int team) {
    return team == kRedTeam ? kRedDotTexture : kBlueDotTexture;
}

void Minimap::SetOwnTeam(int team) {
    if (m_ownDot.Texture() != DotTexture(team)) {
        m_ownDot.SetTexture(DotTexture(team));
    }
}

void Minimap::SetDotTeam(std::size_t index, int team) {
    if (index < kDotCount && m_dots[index].Texture() != DotTexture(team)) {
        m_dots[index].SetTexture(DotTexture(team));
    }
}

void Minimap::Render() const {
    m_frame.Render();
    m_map.Render();
    for (const MenuItem& dot : m_dots) {
        dot.Render();
    }
    m_ownDot.Render();
}

void Minimap::Shutdown() {
    m_map.Shutdown();
    m_frame.Shutdown();
    m_ownDot.Shutdown();
    for (MenuItem& dot : m_dots) {
        dot.Shutdown();
    }
}
