// Text boxes on the null engine: which characters they take, their capacity, focus and the blinking caret;
// and the conversions between the boxes' Latin-1 text and the UTF-8 of files.
#include <string>
#include <vector>

#include "client/ui/Latin1Text.h"
#include "client/ui/MenuTextBox.h"
#include "client/ui/tests/WidgetFixture.h"

namespace ombrin::test {
namespace {

constexpr const char* kBoxTexture = "../Ombrin/2DTextures/GUI/namebox.png";

class TextBoxTest : public WidgetFixture {
protected:
    void SetUp() override {
        WidgetFixture::SetUp();
        FreshFocusedBox();
    }

    // An empty box of capacity 15, just clicked.
    void FreshFocusedBox() {
        m_box.Initialize(0.0f, 57.0f, 394.0f, 67.0f, kBoxTexture, 15, "");
        m_box.Update(ClickAt(0.0f, 57.0f));
        ASSERT_TRUE(m_box.IsFocused());
    }

    void Type(const std::vector<int>& characters) {
        for (int character : characters) {
            m_box.Update(Typed(character));
        }
    }

    MenuTextBox m_box;
};

TEST_F(TextBoxTest, TakesPrintableCharactersOnly) {
    const struct {
        const char* name;
        std::vector<int> typed;
        std::string expected;
    } cases[] = {
        {"letters, digits, space and punctuation", {'A', 'z', '0', ' ', '~', '.'}, "Az0 ~."},
        {"Latin-1 letters and signs", {0xE9, 0xA0, 0xFF, 0xC6}, "\xE9\xA0\xFF\xC6"},
        {"line feed, tab, escape, delete", {'a', 10, 9, 27, 127, 'b'}, "ab"},
        {"the C1 control range", {'a', 0x80, 0x85, 0x9F, 'b'}, "ab"},
        {"beyond Latin-1 and the replacement character", {'a', 0x100, 0x263A, 0xFFFD, 0x1F600, 'b'}, "ab"},
        {"negative codes", {'a', -1, -200, 'b'}, "ab"},
        {"backspace removes the last character", {'a', 'b', 8, 'c'}, "ac"},
        {"backspace on an empty box does nothing", {8, 8, 'x'}, "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshFocusedBox();
        Type(c.typed);
        EXPECT_EQ(m_box.GetText(), c.expected);
        EXPECT_TRUE(m_box.IsFocused());
    }
}

TEST_F(TextBoxTest, AtCapacityIgnoresMoreButStillTakesBackspaceAndReturn) {
    Type(std::vector<int>(20, 'k'));
    EXPECT_EQ(m_box.GetText(), std::string(15, 'k'));
    Type({8, 'Q', 'R'});
    EXPECT_EQ(m_box.GetText(), std::string(14, 'k') + "Q");
    Type({13});
    EXPECT_FALSE(m_box.IsFocused());
    EXPECT_FALSE(m_box.IsCaretShown());
    EXPECT_EQ(m_box.ShownText(), m_box.GetText()) << "no caret once typing ended";
    Type({'z', 8});
    EXPECT_EQ(m_box.GetText(), std::string(14, 'k') + "Q") << "an unfocused box takes nothing";
}

TEST_F(TextBoxTest, StartsWithTheInitialTextCutToItsCapacityWithoutControlCharacters) {
    const struct {
        const char* initial;
        std::string expected;
    } cases[] = {
        {"Hikari", "Hikari"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNO"},
        {"two\nlines\r\tand\x7F", "twolinesand"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.initial);
        MenuTextBox box;
        box.Initialize(0.0f, -15.0f, 394.0f, 67.0f, kBoxTexture, 15, c.initial);
        EXPECT_EQ(box.GetText(), c.expected);
        EXPECT_EQ(box.ShownText(), c.expected);
        EXPECT_FALSE(box.IsFocused());
    }
}

TEST_F(TextBoxTest, EveryCharacterOfAFrameIsTypedUntilReturn) {
    m_box.Update(WidgetInput{0.0f, 0.0f, false, {'J', 'u', 'n', 8, 'o'}, 0.0});
    EXPECT_EQ(m_box.GetText(), "Juo");
    m_box.Update(WidgetInput{0.0f, 0.0f, false, {'n', 13, 'x'}, 0.0});
    EXPECT_FALSE(m_box.IsFocused());
    EXPECT_EQ(m_box.GetText(), "Juon") << "what follows return is not typed into the box";
}

TEST_F(TextBoxTest, AClickElsewhereEndsTypingAndHidesTheCaret) {
    Type({'J', 'u', 'n'});
    EXPECT_TRUE(m_box.IsCaretShown()) << "the caret shows at once when the box is clicked";
    EXPECT_EQ(m_box.ShownText(), "Jun|");
    m_box.Update(ClickAt(0.0f, 57.0f + 33.5f + 1.0f));  // just above the box
    EXPECT_FALSE(m_box.IsFocused());
    EXPECT_EQ(m_box.ShownText(), "Jun");
    EXPECT_EQ(m_box.GetText(), "Jun");
}

TEST_F(TextBoxTest, TheCaretBlinksHalfASecondOnAndHalfASecondOff) {
    constexpr double kFrame = 1.0 / 64.0;
    std::vector<double> flips;
    bool shown = m_box.IsCaretShown();
    ASSERT_TRUE(shown);
    for (int frame = 1; frame <= 64 * 4; ++frame) {
        m_box.Update(WidgetInput{0.0f, 0.0f, false, {}, kFrame});
        if (m_box.IsCaretShown() != shown) {
            shown = m_box.IsCaretShown();
            flips.push_back(frame * kFrame);
            EXPECT_EQ(m_box.ShownText(), shown ? "|" : "");
        }
    }
    ASSERT_GE(flips.size(), 6u);
    double previous = 0.0;
    for (double flip : flips) {
        EXPECT_GE(flip - previous, 0.5);
        EXPECT_LE(flip - previous, 0.5 + kFrame);
        previous = flip;
    }
}

TEST(Latin1TextTest, ConvertsBetweenLatin1AndUtf8) {
    const struct {
        const char* name;
        std::string latin1;
        std::string utf8;
    } roundTrips[] = {
        {"plain ASCII", "Sora 42", "Sora 42"},
        {"accented letters", "Jos\xE9 M\xFCller", "Jos\xC3\xA9 M\xC3\xBCller"},
        {"the ends of the range", "\xA0\xFF", "\xC2\xA0\xC3\xBF"},
    };
    for (const auto& c : roundTrips) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Latin1ToUtf8(c.latin1), c.utf8);
        EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1);
    }
    const struct {
        const char* name;
        std::string utf8;
        std::string latin1;
    } lossy[] = {
        {"characters beyond Latin-1 are left out",
         "a\xE6\x97\xA5"
         "b\xF0\x9F\x98\x80"
         "c",
         "abc"},
        {"a sequence cut off at the end", "ab\xC3", "ab"},
        {"a stray continuation byte",
         "a\x80"
         "b",
         "ab"},
        {"overlong encodings",
         "a\xC0\x80\xE0\x80\x80"
         "b",
         "ab"},
        {"a lead byte followed by no continuation",
         "a\xC3"
         "b",
         "ab"},
    };
    for (const auto& c : lossy) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1);
    }
}

}  // namespace
}  // namespace ombrin::test
