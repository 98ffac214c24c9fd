#include "client/ui/Menu.h"

Menu::~Menu() {
    Menu::Shutdown();
}

MenuButton& Menu::AddButton(float x, float y, float width, float height, const std::string& texture,
                            int actionCode) {
    m_buttons.push_back(std::make_unique<MenuButton>());
    m_buttons.back()->Initialize(x, y, width, height, texture, actionCode);
    return *m_buttons.back();
}

MenuItem& Menu::AddBackground(float x, float y, float width, float height, const std::string& texture) {
    m_items.push_back(std::make_unique<MenuItem>());
    m_items.back()->InitializeItem(x, y, width, height, texture);
    return *m_items.back();
}

std::size_t Menu::AddCheckbox(float x, float y, bool checked) {
    m_checkboxes.push_back(std::make_unique<MenuCheckbox>());
    m_checkboxes.back()->Initialize(x, y, checked);
    return m_checkboxes.size() - 1;
}

MenuAction Menu::Update(const WidgetInput& input) {
    for (const auto& button : m_buttons) {
        if (button->IsClicked(input)) {
            return MenuAction{button->ActionCode(), 0};
        }
    }
    for (const auto& checkbox : m_checkboxes) {
        if (checkbox->IsClicked(input)) {
            return MenuAction{checkbox->ActionCode(), checkbox->IsChecked() ? 1 : 0};
        }
    }
    return MenuAction{};
}

void Menu::Render() const {
    for (const auto& item : m_items) {
        item->Render();
    }
    for (const auto& button : m_buttons) {
        button->Render();
    }
    for (const auto& checkbox : m_checkboxes) {
        checkbox->Render();
    }
}

void Menu::Shutdown() {
    for (const auto& button : m_buttons) {
        button->Shutdown();
    }
    for (const auto& checkbox : m_checkboxes) {
        checkbox->Shutdown();
    }
    for (const auto& item : m_items) {
        item->Shutdown();
    }
    m_buttons.clear();
    m_checkboxes.clear();
    m_items.clear();
}
