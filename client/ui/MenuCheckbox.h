// A 50 x 50 button that flips between checked and empty when clicked; a menu reports the flip as action 9
// with the new state as its value.
#pragma once

#include "client/ui/MenuButton.h"

class MenuCheckbox : public MenuButton {
public:
    static constexpr float kSize = 50.0f;
    static constexpr int kActionCode = 9;
    static constexpr const char* kCheckedTexture = "../Ombrin/2DTextures/GUI/checkbox_checked.png";
    static constexpr const char* kEmptyTexture = "../Ombrin/2DTextures/GUI/checkbox_empty.png";

    void Initialize(float x, float y, bool checked);

    // A click over the box flips it.
    bool IsClicked(const WidgetInput& input) override;

    bool IsChecked() const { return m_checked; }
    void SetChecked(bool checked);

private:
    bool m_checked = false;
};
