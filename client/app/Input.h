// The client's input record: the registered keys, both mouse buttons, the mouse position and the characters
// typed this frame. The message loop feeds it every window message; the application ages it once at the end
// of every frame; everything else polls it.
//
// A key or button is KEY_DOWN while held, KEY_RELEASED for the one frame in which it was let go, and KEY_UP
// otherwise. Auto-repeat keeps a held key down; actions that must happen once per press act on KEY_RELEASED.
#pragma once

#include <deque>
#include <vector>

#include "client/app/WindowEvent.h"

enum KeyState : int {
    KEY_DOWN = 0,
    KEY_RELEASED = 1,
    KEY_UP = 2,
};

class Input {
public:
    struct KeyEntry {
        int state = KEY_UP;
        int code = 0;  // virtual key
    };

    // The program's record, created on first use.
    static Input& GetInstance();
    // Frees the key entries and the record; the next GetInstance makes a new one.
    static void Shutdown();

    // Both mouse buttons up.
    void Initialize();
    // The entry for code: the existing one, or a new one (up) appended to the list. Entries stay where they
    // are for the life of the record.
    KeyEntry& RegisterKey(int code);
    // Registers the client's keys: those typing w, a, s, d, q, e, l, v, r, o, m, then Up, Left, Down, Right,
    // Escape, Tab, F1, F2, Space and Control.
    void RegisterGameKeys();

    void HandleMessage(const WindowEvent& event);
    // Released keys and buttons become up; the typed character is forgotten.
    void EndFrame();

    // The state of a registered key; an unregistered key is up.
    int GetKeyState(int code) const;
    const KeyEntry* FindKey(int code) const;
    const std::deque<KeyEntry>& Keys() const { return m_keys; }
    int GetLeftButton() const { return m_leftButton; }
    int GetRightButton() const { return m_rightButton; }
    int GetMouseX() const { return m_mouseX; }
    int GetMouseY() const { return m_mouseY; }
    int GetPreviousMouseX() const { return m_previousMouseX; }
    int GetPreviousMouseY() const { return m_previousMouseY; }
    // The character of the last character message of this frame, 0 if none.
    int GetTypedCharacter() const { return m_typedCharacters.empty() ? 0 : m_typedCharacters.back(); }
    // Every character typed this frame, in order: a fast typist or a pasted text can bring several.
    const std::vector<int>& GetTypedCharacters() const { return m_typedCharacters; }

    // The ground point under the mouse, written by the match.
    float mouseWorldX = 0.0f;
    float mouseWorldZ = 0.0f;

private:
    KeyEntry* Find(int code);

    std::deque<KeyEntry> m_keys;
    int m_leftButton = KEY_UP;
    int m_rightButton = KEY_UP;
    int m_mouseX = 0;
    int m_mouseY = 0;
    int m_previousMouseX = 0;
    int m_previousMouseY = 0;
    std::vector<int> m_typedCharacters;
};
