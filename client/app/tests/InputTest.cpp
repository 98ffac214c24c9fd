// The input record: ageing of keys and buttons across frames, the typed character, mouse positions, and key
// registration.
#include <gtest/gtest.h>

#include <vector>

#include "client/app/Input.h"
#include "client/app/VirtualKeys.h"

namespace {

using Type = WindowEvent::Type;

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_input.Initialize();
        m_input.RegisterGameKeys();
    }
    void TearDown() override { Input::Shutdown(); }

    Input& m_input = Input::GetInstance();
};

WindowEvent Event(Type type, int code = 0) {
    return WindowEvent{type, code, 0, 0};
}

TEST_F(InputTest, KeysAndButtonsAgeOncePerFrame) {
    struct Case {
        const char* name;
        Type down;
        Type up;
        std::vector<std::vector<int>> frames;  // per frame: 1 = press, 0 = release, 2 = auto-repeat press
        std::vector<int> states;               // the state each frame sees
    };
    const Case cases[] = {
        {"pressed and released between two frames",
         Type::KeyDown,
         Type::KeyUp,
         {{1, 0}, {}, {}},
         {KEY_RELEASED, KEY_UP, KEY_UP}},
        {"held through auto-repeat, then released",
         Type::KeyDown,
         Type::KeyUp,
         {{1}, {2, 2}, {2}, {0}, {}},
         {KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_RELEASED, KEY_UP}},
        {"released and pressed again before the frame",
         Type::KeyDown,
         Type::KeyUp,
         {{1}, {0, 1}, {}},
         {KEY_DOWN, KEY_DOWN, KEY_DOWN}},
        {"left button clicked",
         Type::LeftButtonDown,
         Type::LeftButtonUp,
         {{1}, {0}, {}},
         {KEY_DOWN, KEY_RELEASED, KEY_UP}},
        {"right button clicked between frames",
         Type::RightButtonDown,
         Type::RightButtonUp,
         {{1, 0}, {}},
         {KEY_RELEASED, KEY_UP}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Input::Shutdown();
        Input& input = Input::GetInstance();
        input.Initialize();
        input.RegisterGameKeys();
        std::vector<int> seen;
        for (const std::vector<int>& frame : c.frames) {
            for (int action : frame) {
                input.HandleMessage(Event(action == 0 ? c.up : c.down, VirtualKey::kSpace));
            }
            if (c.down == Type::KeyDown) {
                seen.push_back(input.GetKeyState(VirtualKey::kSpace));
            } else {
                seen.push_back(c.down == Type::LeftButtonDown ? input.GetLeftButton()
                                                              : input.GetRightButton());
            }
            input.EndFrame();
        }
        EXPECT_EQ(seen, c.states);
    }
}

TEST_F(InputTest, TypedCharacterLastsOneFrameAndLeavesTheKeyAlone) {
    m_input.HandleMessage(Event(Type::KeyDown, 'A'));
    m_input.HandleMessage(Event(Type::Character, 'a'));
    m_input.HandleMessage(Event(Type::Character, 'b'));
    EXPECT_EQ(m_input.GetTypedCharacter(), 'b');
    EXPECT_EQ(m_input.GetTypedCharacters(), (std::vector<int>{'a', 'b'}))
        << "no character of a frame is lost";
    EXPECT_EQ(m_input.GetKeyState('A'), KEY_DOWN);
    m_input.EndFrame();
    EXPECT_EQ(m_input.GetTypedCharacter(), 0);
    EXPECT_TRUE(m_input.GetTypedCharacters().empty());
    EXPECT_EQ(m_input.GetKeyState('A'), KEY_DOWN);
}

TEST_F(InputTest, UnregisteredKeysStayUpAndAreNotAdded) {
    const std::size_t registered = m_input.Keys().size();
    m_input.HandleMessage(Event(Type::KeyDown, 'B'));
    EXPECT_EQ(m_input.GetKeyState('B'), KEY_UP);
    EXPECT_EQ(m_input.Keys().size(), registered);
}

TEST_F(InputTest, MouseKeepsThePreviousPositionAndNegativeCoordinates) {
    m_input.HandleMessage(WindowEvent{Type::MouseMove, 0, -5, -7});
    m_input.HandleMessage(WindowEvent{Type::MouseMove, 0, 10, 20});
    EXPECT_EQ(m_input.GetMouseX(), 10);
    EXPECT_EQ(m_input.GetMouseY(), 20);
    EXPECT_EQ(m_input.GetPreviousMouseX(), -5);
    EXPECT_EQ(m_input.GetPreviousMouseY(), -7);
    m_input.EndFrame();
    EXPECT_EQ(m_input.GetMouseX(), 10) << "the position does not age";
}

TEST_F(InputTest, RegisteringAKeyTwiceGivesTheSameEntry) {
    Input::KeyEntry& first = m_input.RegisterKey(0x42);
    const std::size_t count = m_input.Keys().size();
    for (int code = 0x90; code < 0xA0; ++code) {
        m_input.RegisterKey(code);  // entries stay where they are as the list grows
    }
    EXPECT_EQ(&m_input.RegisterKey(0x42), &first);
    EXPECT_EQ(&m_input.RegisterKey('W'), m_input.FindKey('W'));
    EXPECT_EQ(m_input.Keys().size(), count + 16);
}

}  // namespace
