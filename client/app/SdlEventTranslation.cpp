#include "client/app/SdlEventTranslation.h"

#include <cstddef>
#include <cstring>

#include "client/app/VirtualKeys.h"

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, VirtualKey::kBack},
    {SDLK_TAB, VirtualKey::kTab},
    {SDLK_RETURN, VirtualKey::kReturn},
    {SDLK_KP_ENTER, VirtualKey::kReturn},
    {SDLK_LSHIFT, VirtualKey::kShift},
    {SDLK_RSHIFT, VirtualKey::kShift},
    {SDLK_LCTRL, VirtualKey::kControl},
    {SDLK_RCTRL, VirtualKey::kControl},
    {SDLK_LALT, VirtualKey::kMenu},
    {SDLK_RALT, VirtualKey::kMenu},
    {SDLK_PAUSE, VirtualKey::kPause},
    {SDLK_CAPSLOCK, VirtualKey::kCapital},
    {SDLK_ESCAPE, VirtualKey::kEscape},
    {SDLK_SPACE, VirtualKey::kSpace},
    {SDLK_PAGEUP, VirtualKey::kPrior},
    {SDLK_PAGEDOWN, VirtualKey::kNext},
    {SDLK_END, VirtualKey::kEnd},
    {SDLK_HOME, VirtualKey::kHome},
    {SDLK_LEFT, VirtualKey::kLeft},
    {SDLK_UP, VirtualKey::kUp},
    {SDLK_RIGHT, VirtualKey::kRight},
    {SDLK_DOWN, VirtualKey::kDown},
    {SDLK_INSERT, VirtualKey::kInsert},
    {SDLK_DELETE, VirtualKey::kDelete},
    {SDLK_KP_MULTIPLY, VirtualKey::kMultiply},
    {SDLK_KP_PLUS, VirtualKey::kAdd},
    {SDLK_KP_MINUS, VirtualKey::kSubtract},
    {SDLK_KP_PERIOD, VirtualKey::kDecimal},
    {SDLK_KP_DIVIDE, VirtualKey::kDivide},
    // The punctuation keys of a US layout.
    {SDLK_SEMICOLON, 0xBA},
    {SDLK_EQUALS, 0xBB},
    {SDLK_COMMA, 0xBC},
    {SDLK_MINUS, 0xBD},
    {SDLK_PERIOD, 0xBE},
    {SDLK_SLASH, 0xBF},
    {SDLK_BACKQUOTE, 0xC0},
    {SDLK_LEFTBRACKET, 0xDB},
    {SDLK_BACKSLASH, 0xDC},
    {SDLK_RIGHTBRACKET, 0xDD},
    {SDLK_QUOTE, 0xDE},
};

// Decodes the NUL-terminated UTF-8 text of a text event, reading no further than its buffer. A malformed
// sequence yields U+FFFD and decoding goes on at the next byte.
void AppendCharacters(const char* text, std::size_t capacity, std::vector<WindowEvent>& out) {
    const std::size_t length = strnlen(text, capacity);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char lead = bytes[i];
        int followers = 0;
        int codePoint = 0;
        if (lead < 0x80) {
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            followers = 1;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            followers = 2;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            followers = 3;
            codePoint = lead & 0x07;
        } else {
            followers = -1;
        }
        bool valid = followers >= 0 && i + static_cast<std::size_t>(followers) < length;
        for (int k = 1; valid && k <= followers; ++k) {
            const unsigned char next = bytes[i + static_cast<std::size_t>(k)];
            valid = (next & 0xC0) == 0x80;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (valid) {
            i += 1 + static_cast<std::size_t>(followers);
        } else {
            codePoint = 0xFFFD;
            i += 1;
        }
        out.push_back(WindowEvent{WindowEvent::Type::Character, codePoint, 0, 0});
    }
}

}  // namespace

int VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) {
        return VirtualKey::ForCharacter(static_cast<char>(key));
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<int>(key);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return VirtualKey::kF1 + static_cast<int>(key - SDLK_F1);
    }
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        return VirtualKey::kNumpad0 + 1 + static_cast<int>(key - SDLK_KP_1);
    }
    if (key == SDLK_KP_0) {
        return VirtualKey::kNumpad0;
    }
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.sdl == key) {
            return pair.virtualKey;
        }
    }
    return 0;
}

void TranslateSdlEvent(const SDL_Event& event, std::vector<WindowEvent>& out) {
    using Type = WindowEvent::Type;
    switch (event.type) {
        case SDL_QUIT:
            out.push_back(WindowEvent{Type::Quit, 0, 0, 0});
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int key = VirtualKeyFromSdl(event.key.keysym.sym);
            if (key == 0) {
                break;
            }
            const bool down = event.type == SDL_KEYDOWN;
            out.push_back(WindowEvent{down ? Type::KeyDown : Type::KeyUp, key, 0, 0});
            if (down && (key == VirtualKey::kBack || key == VirtualKey::kReturn)) {
                out.push_back(WindowEvent{Type::Character, key == VirtualKey::kBack ? 8 : 13, 0, 0});
            }
            break;
        }
        case SDL_TEXTINPUT:
            AppendCharacters(event.text.text, sizeof(event.text.text), out);
            break;
        case SDL_MOUSEMOTION:
            out.push_back(WindowEvent{Type::MouseMove, 0, event.motion.x, event.motion.y});
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            if (event.button.button == SDL_BUTTON_LEFT) {
                out.push_back(WindowEvent{down ? Type::LeftButtonDown : Type::LeftButtonUp, 0, 0, 0});
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                out.push_back(WindowEvent{down ? Type::RightButtonDown : Type::RightButtonUp, 0, 0, 0});
            }
            break;
        }
        default:
            break;
    }
}
