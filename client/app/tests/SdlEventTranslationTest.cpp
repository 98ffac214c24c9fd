// SDL events into window messages: virtual-key numbers, characters from typed text (bounded by the event's
// buffer), mouse motion and buttons, and the quit event.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "client/app/SdlEventTranslation.h"
#include "client/app/VirtualKeys.h"

namespace {

using Type = WindowEvent::Type;

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event TextEvent(const char* bytes, std::size_t length) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::memcpy(event.text.text, bytes, length);
    return event;
}

std::vector<WindowEvent> Translate(const SDL_Event& event) {
    std::vector<WindowEvent> out;
    TranslateSdlEvent(event, out);
    return out;
}

TEST(SdlEventTranslationTest, KeysBecomeVirtualKeyNumbers) {
    const struct {
        SDL_Keycode sdl;
        int virtualKey;
    } cases[] = {
        {SDLK_w, 0x57},        {SDLK_a, 0x41},         {SDLK_m, 0x4D},     {SDLK_5, 0x35},
        {SDLK_UP, 0x26},       {SDLK_LEFT, 0x25},      {SDLK_DOWN, 0x28},  {SDLK_RIGHT, 0x27},
        {SDLK_ESCAPE, 0x1B},   {SDLK_TAB, 0x09},       {SDLK_F1, 0x70},    {SDLK_F2, 0x71},
        {SDLK_F12, 0x7B},      {SDLK_SPACE, 0x20},     {SDLK_LCTRL, 0x11}, {SDLK_RCTRL, 0x11},
        {SDLK_RETURN, 0x0D},   {SDLK_BACKSPACE, 0x08}, {SDLK_KP_0, 0x60},  {SDLK_KP_9, 0x69},
        {SDLK_APPLICATION, 0}, {SDLK_UNKNOWN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyFromSdl(c.sdl), c.virtualKey) << SDL_GetKeyName(c.sdl);
    }
    // The character keys registered at start-up are the keys SDL names by those characters.
    for (char c : {'w', 'a', 's', 'd', 'q', 'e', 'l', 'v', 'r', 'o', 'm'}) {
        EXPECT_EQ(VirtualKeyFromSdl(static_cast<SDL_Keycode>(c)), VirtualKey::ForCharacter(c)) << c;
    }
}

TEST(SdlEventTranslationTest, KeyPressesAndReleases) {
    std::vector<WindowEvent> out = Translate(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, Type::KeyDown);
    EXPECT_EQ(out[0].code, VirtualKey::kEscape);

    // Backspace and Return also type their characters, which text boxes act on; only on the press.
    out = Translate(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].type, Type::Character);
    EXPECT_EQ(out[1].code, 8);
    out = Translate(KeyEvent(SDL_KEYDOWN, SDLK_KP_ENTER));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].code, 13);
    out = Translate(KeyEvent(SDL_KEYUP, SDLK_RETURN));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, Type::KeyUp);

    EXPECT_TRUE(Translate(KeyEvent(SDL_KEYDOWN, SDLK_APPLICATION)).empty());
}

TEST(SdlEventTranslationTest, TextBecomesOneCharacterPerCodePoint) {
    const struct {
        const char* name;
        std::vector<char> bytes;
        std::vector<int> characters;
    } cases[] = {
        {"ASCII", {'h', 'i'}, {'h', 'i'}},
        {"two, three and four bytes",
         {'\xC3', '\xA9', '\xE2', '\x82', '\xAC', '\xF0', '\x9F', '\x98', '\x80'},
         {0xE9, 0x20AC, 0x1F600}},
        {"a cut sequence", {'a', '\xE2', '\x82'}, {'a', 0xFFFD, 0xFFFD}},
        {"a stray continuation byte", {'\x80', 'b'}, {0xFFFD, 'b'}},
        {"the whole buffer without a terminator", std::vector<char>(SDL_TEXTINPUTEVENT_TEXT_SIZE, 'z'),
         std::vector<int>(SDL_TEXTINPUTEVENT_TEXT_SIZE, 'z')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> characters;
        for (const WindowEvent& event : Translate(TextEvent(c.bytes.data(), c.bytes.size()))) {
            EXPECT_EQ(event.type, Type::Character);
            characters.push_back(event.code);
        }
        EXPECT_EQ(characters, c.characters);
    }
}

TEST(SdlEventTranslationTest, MouseAndQuit) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = -3;
    motion.motion.y = 700;
    std::vector<WindowEvent> out = Translate(motion);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, Type::MouseMove);
    EXPECT_EQ(out[0].x, -3);
    EXPECT_EQ(out[0].y, 700);

    const struct {
        Uint32 type;
        Uint8 button;
        std::vector<Type> expected;
    } buttons[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, {Type::LeftButtonDown}},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, {Type::LeftButtonUp}},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, {Type::RightButtonDown}},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, {Type::RightButtonUp}},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, {}},
    };
    for (const auto& b : buttons) {
        SDL_Event event{};
        event.type = b.type;
        event.button.button = b.button;
        std::vector<Type> types;
        for (const WindowEvent& translated : Translate(event)) {
            types.push_back(translated.type);
        }
        EXPECT_EQ(types, b.expected);
    }

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    out = Translate(quit);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, Type::Quit);

    SDL_Event window{};
    window.type = SDL_WINDOWEVENT;
    EXPECT_TRUE(Translate(window).empty());
}

}  // namespace
