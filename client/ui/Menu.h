// A menu page: buttons, checkboxes and static pictures, each kept in insertion order. One update reports at
// most one action: the first clicked button, else the first clicked checkbox, else "nothing happened".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/MenuButton.h"
#include "client/ui/MenuCheckbox.h"
#include "client/ui/MenuItem.h"
#include "client/ui/WidgetInput.h"

// What a menu update reports: the action code of the widget that was clicked, and for a checkbox its new
// state as the value.
struct MenuAction {
    static constexpr std::int32_t kNothing = 12;
    static constexpr std::int32_t kCheckboxChanged = MenuCheckbox::kActionCode;
    // Codes of the in-match menus.
    static constexpr std::int32_t kResume = 14;
    static constexpr std::int32_t kContinue = 15;
    static constexpr std::int32_t kMainMenu = 16;
    static constexpr std::int32_t kQuit = 17;

    std::int32_t code = kNothing;
    std::int32_t value = 0;
};

class Menu {
public:
    Menu() = default;
    virtual ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    MenuButton& AddButton(float x, float y, float width, float height, const std::string& texture,
                          int actionCode);
    MenuItem& AddBackground(float x, float y, float width, float height, const std::string& texture);
    // Returns the checkbox's index among the page's checkboxes.
    std::size_t AddCheckbox(float x, float y, bool checked);

    virtual MenuAction Update(const WidgetInput& input);
    // Queues the static pictures, then the buttons, then the checkboxes, so that a picture added as a page's
    // background lies under its widgets.
    virtual void Render() const;
    // Shuts down and frees every widget; the page is empty afterwards.
    virtual void Shutdown();

    MenuCheckbox& Checkbox(std::size_t index) { return *m_checkboxes.at(index); }
    const MenuCheckbox& Checkbox(std::size_t index) const { return *m_checkboxes.at(index); }
    std::size_t CheckboxCount() const { return m_checkboxes.size(); }
    MenuButton& Button(std::size_t index) { return *m_buttons.at(index); }
    std::size_t ButtonCount() const { return m_buttons.size(); }
    std::size_t BackgroundCount() const { return m_items.size(); }

private:
    std::vector<std::unique_ptr<MenuButton>> m_buttons;
    std::vector<std::unique_ptr<MenuCheckbox>> m_checkboxes;
    std::vector<std::unique_ptr<MenuItem>> m_items;
};
