// A clickable picture that reports its action code when clicked.
#pragma once

#include "client/ui/MenuItem.h"
#include "client/ui/WidgetInput.h"

class MenuButton : public MenuItem {
public:
    void Initialize(float x, float y, float width, float height, const std::string& texture, int actionCode);

    // True when the left button was clicked over the button this frame.
    virtual bool IsClicked(const WidgetInput& input);
    // Whether a GUI point lies on the button: strictly inside its left and right edges, and between its
    // bottom and top edges with both edges included.
    bool Contains(float x, float y) const;

    int ActionCode() const { return m_actionCode; }

protected:
    int m_actionCode = 0;
};
