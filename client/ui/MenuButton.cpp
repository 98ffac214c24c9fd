#include "client/ui/MenuButton.h"

void MenuButton::Initialize(float x, float y, float width, float height, const std::string& texture,
                            int actionCode) {
    InitializeItem(x, y, width, height, texture);
    m_actionCode = actionCode;
}

bool MenuButton::IsClicked(const WidgetInput& input) {
    return input.click && Contains(input.mouseX, input.mouseY);
}

bool MenuButton::Contains(float x, float y) const {
    const float halfWidth = m_element.width / 2.0f;
    const float halfHeight = m_element.height / 2.0f;
    return x > m_element.x - halfWidth && x < m_element.x + halfWidth && y >= m_element.y - halfHeight &&
           y <= m_element.y + halfHeight;
}
