#include "client/app/Input.h"

#include <memory>
#include <utility>

#include "client/app/VirtualKeys.h"

namespace {

std::unique_ptr<Input> s_input;

// More characters than anybody types in one frame; the rest of a flood is dropped.
constexpr std::size_t kMaxTypedPerFrame = 64;

void Release(int& state) {
    if (state == KEY_RELEASED) {
        state = KEY_UP;
    }
}

}  // namespace

Input& Input::GetInstance() {
    if (!s_input) {
        s_input = std::make_unique<Input>();
    }
    return *s_input;
}

void Input::Shutdown() {
    s_input.reset();
}

void Input::Initialize() {
    m_leftButton = KEY_UP;
    m_rightButton = KEY_UP;
}

Input::KeyEntry& Input::RegisterKey(int code) {
    if (KeyEntry* existing = Find(code)) {
        return *existing;
    }
    m_keys.push_back(KeyEntry{KEY_UP, code});
    return m_keys.back();
}

void Input::RegisterGameKeys() {
    for (char c : {'w', 'a', 's', 'd', 'q', 'e', 'l', 'v', 'r', 'o', 'm'}) {
        RegisterKey(VirtualKey::ForCharacter(c));
    }
    for (int code :
         {VirtualKey::kUp, VirtualKey::kLeft, VirtualKey::kDown, VirtualKey::kRight, VirtualKey::kEscape,
          VirtualKey::kTab, VirtualKey::kF1, VirtualKey::kF2, VirtualKey::kSpace, VirtualKey::kControl}) {
        RegisterKey(code);
    }
}

void Input::HandleMessage(const WindowEvent& event) {
    switch (event.type) {
        case WindowEvent::Type::KeyDown:
            if (KeyEntry* key = Find(event.code)) {
                key->state = KEY_DOWN;
            }
            break;
        case WindowEvent::Type::KeyUp:
            if (KeyEntry* key = Find(event.code)) {
                key->state = KEY_RELEASED;
            }
            break;
        case WindowEvent::Type::Character:
            if (m_typedCharacters.size() < kMaxTypedPerFrame) {
                m_typedCharacters.push_back(event.code);
            }
            break;
        case WindowEvent::Type::MouseMove:
            m_previousMouseX = m_mouseX;
            m_previousMouseY = m_mouseY;
            m_mouseX = event.x;
            m_mouseY = event.y;
            break;
        case WindowEvent::Type::LeftButtonDown:
            m_leftButton = KEY_DOWN;
            break;
        case WindowEvent::Type::LeftButtonUp:
            m_leftButton = KEY_RELEASED;
            break;
        case WindowEvent::Type::RightButtonDown:
            m_rightButton = KEY_DOWN;
            break;
        case WindowEvent::Type::RightButtonUp:
            m_rightButton = KEY_RELEASED;
            break;
        case WindowEvent::Type::Quit:
        case WindowEvent::Type::Other:
            break;
    }
}

void Input::EndFrame() {
    Release(m_leftButton);
    Release(m_rightButton);
    for (KeyEntry& key : m_keys) {
        Release(key.state);
    }
    m_typedCharacters.clear();
}

int Input::GetKeyState(int code) const {
    const KeyEntry* key = FindKey(code);
    return key != nullptr ? key->state : KEY_UP;
}

const Input::KeyEntry* Input::FindKey(int code) const {
    for (const KeyEntry& key : m_keys) {
        if (key.code == code) {
            return &key;
        }
    }
    return nullptr;
}

Input::KeyEntry* Input::Find(int code) {
    return const_cast<KeyEntry*>(std::as_const(*this).FindKey(code));
}
