#include "client/ui/HealthBar.h"

#include <algorithm>
#include <cmath>

#include <glm/vec4.hpp>

#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

namespace {
constexpr float kBorderSides = 10.0f;  // the border's width less the background's
constexpr float kBorderTopAndBottom = 6.0f;
constexpr std::uint32_t kNameColour = 0xFFFFFFFFu;
}  // namespace

bool HealthBar::Initialize(const std::string& name, float width, float height) {
    m_border.InitializeItem(0.0f, 0.0f, width, height, kBorderTexture);
    m_background.InitializeItem(0.0f, 0.0f, width - kBorderSides, height - kBorderTopAndBottom,
                                kBackgroundTexture);
    m_health = m_background.Element();
    m_health.texture = TextureLibrary::GetInstance().GetTexture(kHealthTexture);
    m_name.CreateText(kNameColour, name, kNameSize, 0.0f, kNameAbove);
    m_onScreen = false;
    return true;
}

float HealthBar::HealthShare(float health, float maximumHealth) {
    if (!(maximumHealth > 0.0f) || !std::isfinite(health)) {
        return 0.0f;
    }
    return std::clamp(health / maximumHealth, 0.0f, 1.0f);
}

void HealthBar::Update(const glm::vec3& worldPoint, const ScreenProjection& screen, float health,
                       float maximumHealth) {
    const glm::vec4 clip = screen.projection * screen.view * glm::vec4(worldPoint, 1.0f);
    m_onScreen = clip.w > 0.0f && std::isfinite(clip.x / clip.w) && std::isfinite(clip.y / clip.w);
    if (!m_onScreen) {
        return;
    }
    const float x = clip.x / clip.w * screen.windowWidth / 2.0f;
    const float y = clip.y / clip.w * screen.windowHeight / 2.0f;
    m_border.SetPosition(x, y);
    m_background.SetPosition(x, y);

    const float fullWidth = m_background.Width();
    const float width = fullWidth * HealthShare(health, maximumHealth);
    m_health.x = x - (fullWidth - width) / 2.0f;
    m_health.y = y;
    m_health.width = width;
    m_name.SetPosition(x, y + kNameAbove);
}

void HealthBar::Render(bool matchOver) const {
    if (matchOver || !m_onScreen) {
        return;
    }
    m_border.Render();
    m_background.Render();
    GUIQueue::GetInstance().AddElement(&m_health);
    GUIQueue::GetInstance().AddText(&m_name);
}

void HealthBar::Shutdown() {
    m_border.Shutdown();
    m_background.Shutdown();
    m_health.texture = {};
    m_name.Release();
    m_onScreen = false;
}
