// A picture on a menu page: a textured rectangle in GUI space, centred on (x, y). It draws itself by queuing
// its GUI element on the frame's GUI queue.
#pragma once

#include <string>

#include "client/ui/GUIElement.h"

class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // Places the item and takes its picture from the texture library.
    void InitializeItem(float x, float y, float width, float height, const std::string& texture);
    // Shows another picture in the same place.
    void SetTexture(const std::string& texture);
    // Moves the item's centre.
    void SetPosition(float x, float y) {
        m_element.x = x;
        m_element.y = y;
    }

    virtual void Render() const;
    virtual void Shutdown();

    float X() const { return m_element.x; }
    float Y() const { return m_element.y; }
    float Width() const { return m_element.width; }
    float Height() const { return m_element.height; }
    // The path of the picture shown, as given to the texture library.
    const std::string& Texture() const { return m_texture; }
    const GUIElement& Element() const { return m_element; }

protected:
    GUIElement m_element;
    std::string m_texture;
};
