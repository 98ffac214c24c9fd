#include "client/ui/MenuTextBox.h"

#include "client/ui/GUIQueue.h"

void MenuTextBox::Initialize(float x, float y, float width, float height, const std::string& texture,
                             std::size_t capacity, const std::string& initialText) {
    MenuButton::Initialize(x, y, width, height, texture, 0);
    m_focused = false;
    m_caretShown = false;
    m_caretTimer = 0.0;
    m_capacity = capacity;
    m_contents.clear();
    for (const char c : initialText) {
        if (m_contents.size() >= m_capacity) {
            break;
        }
        if (IsAccepted(static_cast<unsigned char>(c))) {
            m_contents.push_back(c);
        }
    }
    m_text.CreateText(kTextColour, m_contents, kTextSize, x, y);
}

bool MenuTextBox::IsAccepted(int character) {
    return (character >= 32 && character <= 126) || (character >= 160 && character <= 255);
}

bool MenuTextBox::IsClicked(const WidgetInput& input) {
    if (!input.click) {
        return false;
    }
    if (Contains(input.mouseX, input.mouseY)) {
        m_focused = true;
        m_caretTimer += kCaretHalfPeriod;
        return true;
    }
    if (m_focused) {
        m_focused = false;
        m_caretShown = false;
        Show();
    }
    return false;
}

void MenuTextBox::Update(const WidgetInput& input) {
    IsClicked(input);
    if (!m_focused) {
        return;
    }
    bool changed = false;
    m_caretTimer += input.deltaTime;
    if (m_caretTimer >= kCaretHalfPeriod) {
        m_caretTimer = 0.0;
        m_caretShown = !m_caretShown;
        changed = true;
    }
    for (const int character : input.typedCharacters) {
        if (!m_focused) {
            break;  // return ended the entry; what follows it is not for this box
        }
        Type(character);
        changed = true;
    }
    if (changed) {
        Show();
    }
}

void MenuTextBox::Type(int character) {
    if (character == kReturn) {
        m_focused = false;
        m_caretShown = false;
    } else if (character == kBackspace) {
        if (!m_contents.empty()) {
            m_contents.pop_back();
        }
    } else if (IsAccepted(character) && m_contents.size() < m_capacity) {
        m_contents.push_back(static_cast<char>(static_cast<unsigned char>(character)));
    }
}

void MenuTextBox::Show() {
    m_text.SetText(m_caretShown ? m_contents + "|" : m_contents);
}

void MenuTextBox::Render() const {
    MenuItem::Render();
    GUIQueue::GetInstance().AddText(&m_text);
}

void MenuTextBox::Shutdown() {
    MenuItem::Shutdown();
    m_text.Release();
    m_contents.clear();
    m_focused = false;
    m_caretShown = false;
}
