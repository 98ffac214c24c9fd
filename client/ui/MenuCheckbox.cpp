#include "client/ui/MenuCheckbox.h"

void MenuCheckbox::Initialize(float x, float y, bool checked) {
    MenuButton::Initialize(x, y, kSize, kSize, checked ? kCheckedTexture : kEmptyTexture, kActionCode);
    m_checked = checked;
}

bool MenuCheckbox::IsClicked(const WidgetInput& input) {
    if (!MenuButton::IsClicked(input)) {
        return false;
    }
    SetChecked(!m_checked);
    return true;
}

void MenuCheckbox::SetChecked(bool checked) {
    m_checked = checked;
    SetTexture(checked ? kCheckedTexture : kEmptyTexture);
}
