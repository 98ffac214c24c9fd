// A box the player types into: click it to focus it, type printable characters, Backspace removes the last
// one, Return ends typing. While focused a caret "|" blinks after the text, half a second on and half a
// second off. The text is kept as Latin-1 bytes, the way text objects show them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "client/ui/MenuButton.h"
#include "client/ui/TextObject.h"

class MenuTextBox : public MenuButton {
public:
    static constexpr std::uint32_t kTextColour = 0xFF333333u;  // opaque dark grey
    static constexpr float kTextSize = 40.0f;
    static constexpr double kCaretHalfPeriod = 0.5;  // seconds on, then as long off
    static constexpr int kBackspace = 8;
    static constexpr int kReturn = 13;

    // A box holding at most capacity characters, starting with initialText; characters the box would not
    // accept from the keyboard are left out of it, and it is cut to the capacity.
    void Initialize(float x, float y, float width, float height, const std::string& texture,
                    std::size_t capacity, const std::string& initialText);

    // A click on the box focuses it (and shows the caret at once) and counts as its click; a click elsewhere
    // ends typing.
    bool IsClicked(const WidgetInput& input) override;
    // One frame of the box: the click, then, while focused, the caret and the typed character.
    void Update(const WidgetInput& input);

    void Render() const override;
    void Shutdown() override;

    // Printable characters only: 32..126 and the Latin-1 letters and signs 160..255. Line breaks, tabs and
    // other control characters, and anything beyond Latin-1, are refused.
    static bool IsAccepted(int character);

    const std::string& GetText() const { return m_contents; }
    std::size_t Capacity() const { return m_capacity; }
    bool IsFocused() const { return m_focused; }
    bool IsCaretShown() const { return m_caretShown; }
    // What the box shows: the text, with the caret while it is shown.
    const std::string& ShownText() const { return m_text.GetText(); }
    const TextObject& Text() const { return m_text; }

private:
    void Type(int character);
    void Show();

    bool m_focused = false;
    bool m_caretShown = false;
    double m_caretTimer = 0.0;
    std::size_t m_capacity = 0;
    std::string m_contents;
    TextObject m_text;
};
