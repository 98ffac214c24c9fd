#include "client/ui/MenuItem.h"

#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

void MenuItem::InitializeItem(float x, float y, float width, float height, const std::string& texture) {
    m_element = GUIElement{};
    m_element.x = x;
    m_element.y = y;
    m_element.width = width;
    m_element.height = height;
    m_element.opacity = 1.0f;
    SetTexture(texture);
}

void MenuItem::SetTexture(const std::string& texture) {
    m_texture = texture;
    m_element.texture = TextureLibrary::GetInstance().GetTexture(texture);
}

void MenuItem::Render() const {
    GUIQueue::GetInstance().AddElement(&m_element);
}

void MenuItem::Shutdown() {
    m_element.texture = {};
    m_texture.clear();
}
