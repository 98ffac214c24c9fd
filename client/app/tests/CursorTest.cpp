// The software cursor: its picture from the texture library, and where it stands in GUI space for a mouse
// position, with and without window borders.
#include <gtest/gtest.h>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Cursor.h"
#include "client/app/Input.h"
#include "client/app/tests/ScriptedWindow.h"
#include "client/ui/TextureLibrary.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false));
        ASSERT_TRUE(WritePng(m_layout.Data() / "2DTextures/GUI/cursor.png", 4, 4, [](int, int) {
            return Rgba{255, 255, 255, 255};
        }));
        TextureLibrary::GetInstance().LoadAll();
        m_saved = ClientGlobals::GetInstance();
    }
    void TearDown() override {
        ClientGlobals::GetInstance() = m_saved;
        Input::Shutdown();
        TextureLibrary::Shutdown();
        m_engine->Shutdown();
    }

    ScratchRunLayout m_layout{"cursor"};
    Lumaspace::GE* m_engine = Lumaspace::GE::GetInstance();
    ClientGlobals m_saved;
};

TEST_F(CursorTest, StartsHiddenBehindItsPictureAtTheCentre) {
    auto journal = std::make_shared<Journal>();
    ScriptedWindow window(journal);
    Cursor cursor;
    ASSERT_TRUE(cursor.Initialize(window));
    EXPECT_EQ(journal->Entries(), std::vector<std::string>{"window.HideSystemCursor"});
    const GUIElement& quad = cursor.Quad();
    EXPECT_EQ(quad.texture, TextureLibrary::GetInstance().GetTexture(Cursor::kTexture));
    EXPECT_TRUE(quad.texture);
    EXPECT_EQ(quad.width, 100.0f);
    EXPECT_EQ(quad.height, 100.0f);
    EXPECT_EQ(quad.x, 0.0f);
    EXPECT_EQ(quad.y, 0.0f);
    EXPECT_EQ(quad.depth, 1.0f);
    EXPECT_EQ(quad.opacity, 1.0f);
    cursor.SetSize(cursor.matchSize);
    EXPECT_EQ(cursor.Quad().width, 62.5f);
    EXPECT_EQ(cursor.Quad().height, 62.5f);
}

TEST_F(CursorTest, FollowsTheMouseInGUISpace) {
    struct Case {
        int mouseX;
        int mouseY;
        float borderWidth;
        float captionHeight;
        float x;
        float y;
    };
    const Case cases[] = {
        {640, 512, 0, 0, 0, 0},         // client centre, no borders: the window centre
        {0, 0, 0, 0, -640, 512},        // top left
        {1279, 1023, 0, 0, 639, -511},  // bottom right
        {640, 512, 4, 30, 4, -17},      // with borders: (borderWidth, -(captionHeight + borderWidth) / 2)
        {-20, -10, 0, 0, -660, 522},    // left of and above the client area
    };
    auto journal = std::make_shared<Journal>();
    ScriptedWindow window(journal);
    Cursor cursor;
    ASSERT_TRUE(cursor.Initialize(window));
    ClientGlobals& globals = ClientGlobals::GetInstance();
    globals.windowWidth = 1280;
    globals.windowHeight = 1024;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mouseX) + "," + std::to_string(c.mouseY));
        globals.borderWidth = c.borderWidth;
        globals.captionHeight = c.captionHeight;
        Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::MouseMove, 0, c.mouseX, c.mouseY});
        cursor.Update();
        EXPECT_EQ(cursor.Quad().x, c.x);
        EXPECT_EQ(cursor.Quad().y, c.y);
    }
    cursor.visible = false;
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::MouseMove, 0, 0, 0});
    cursor.Update();
    EXPECT_EQ(cursor.Quad().x, -660.0f) << "a hidden cursor stays where it was";
}

}  // namespace
}  // namespace ombrin::test
