#include "client/app/tests/StateFixture.h"

#include <algorithm>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"
#include "client/app/Settings.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextObject.h"
#include "client/ui/TextureLibrary.h"

namespace ombrin::test {

namespace {

constexpr const char* kPictures[] = {"GUI/IPBox.png",
                                     "GUI/Logo_Ombrin.png",
                                     "GUI/TB_cd.png",
                                     "GUI/abilitybarLobby.png",
                                     "GUI/apply.png",
                                     "GUI/applydisabled.png",
                                     "GUI/back.png",
                                     "GUI/bgTint.png",
                                     "GUI/blueTeamLobby.png",
                                     "GUI/camera_text.png",
                                     "GUI/checkbox_checked.png",
                                     "GUI/checkbox_empty.png",
                                     "GUI/chooseButton.png",
                                     "GUI/connect.png",
                                     "GUI/credits.png",
                                     "GUI/cursor.png",
                                     "GUI/dof_text.png",
                                     "GUI/fullscreen_text.png",
                                     "GUI/host.png",
                                     "GUI/left.png",
                                     "GUI/lobby_bg.png",
                                     "GUI/mute_text.png",
                                     "GUI/namebox.png",
                                     "GUI/options.png",
                                     "GUI/play.png",
                                     "GUI/play_baw.png",
                                     "GUI/quit.png",
                                     "GUI/randomButton.png",
                                     "GUI/ready.png",
                                     "GUI/ready_baw.png",
                                     "GUI/redTeamLobby.png",
                                     "GUI/right.png",
                                     "GUI/sctoggle_text.png",
                                     "GUI/smartcast_text.png",
                                     "GUI/ssao_text.png",
                                     "GUI/thinarrow_left.png",
                                     "GUI/thinarrow_right.png",
                                     "GUI/unready.png",
                                     "GUI/vs_text.png",
                                     "Ninjas/ninja1.png",
                                     "Ninjas/ninja2.png",
                                     "Ninjas/ninja3.png",
                                     "Ninjas/pickChara.png",
                                     "Abilities/TB_N1_E.png",
                                     "Abilities/TB_N1_Melee.png",
                                     "Abilities/TB_N1_Q.png",
                                     "Abilities/TB_N1_Ranged.png",
                                     "Abilities/TB_N2_E.png",
                                     "Abilities/TB_N2_Melee.png",
                                     "Abilities/TB_N2_Q.png",
                                     "Abilities/TB_N2_Ranged.png",
                                     "Abilities/TB_N3_E.png",
                                     "Abilities/TB_N3_Melee.png",
                                     "Abilities/TB_N3_Q.png",
                                     "Abilities/TB_N3_Ranged.png",
                                     "Abilities/TB_T_Caltrops.png",
                                     "Abilities/TB_T_FlashBang.png",
                                     "Abilities/TB_T_SmokeBomb.png",
                                     "Abilities/TB_T_StickyTARP.png"};

}  // namespace

void StateFixture::SetUp() {
    for (const char* picture : kPictures) {
        ASSERT_TRUE(WritePng(m_layout.Data() / "2DTextures" / picture, 1, 1, [](int, int) {
            return Rgba{255, 255, 255, 255};
        }));
    }
    ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(kWidth, kHeight, 1920, 1080, false));
    TextureLibrary& library = TextureLibrary::GetInstance();
    library.LoadAll();
    for (const char* picture : kPictures) {
        const std::string path = std::string("../Ombrin/2DTextures/") + picture;
        const Lumaspace::TextureHandle texture = library.GetTexture(path);
        ASSERT_TRUE(texture) << path;
        m_pictureOf[texture.id] = path;
    }

    ClientGlobals& globals = ClientGlobals::GetInstance();
    globals.fullscreen = false;
    globals.screenWidth = 1920;
    globals.screenHeight = 1080;
    globals.windowWidth = kWidth;
    globals.windowHeight = kHeight;
    globals.borderWidth = 0.0f;
    globals.captionHeight = 0.0f;
    globals.cameraFollowsMouse = true;

    Settings& settings = Settings::GetInstance();
    settings.SetDefaults();
    settings.name = "Kei";

    Input::GetInstance().Initialize();
    Input::GetInstance().RegisterGameKeys();

    ASSERT_TRUE(network.Initialize(&peer));
    GUIQueue::GetInstance().SetTextDrawer([this](const std::vector<const TextObject*>& texts) {
        for (const TextObject* text : texts) {
            m_texts.push_back(text->GetText());
        }
    });
}

void StateFixture::TearDown() {
    network.Shutdown();
    GUIQueue::Shutdown();
    TextureLibrary::Shutdown();
    Lumaspace::GE::GetInstance()->Shutdown();
    Input::Shutdown();
    Settings::Shutdown();
}

void StateFixture::MoveMouse(float x, float y) {
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::MouseMove, 0,
                                                   static_cast<int>(x + kWidth / 2.0f),
                                                   static_cast<int>(kHeight / 2.0f - y)});
}

void StateFixture::Click(float x, float y) {
    MoveMouse(x, y);
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::LeftButtonDown, 0, 0, 0});
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::LeftButtonUp, 0, 0, 0});
}

void StateFixture::Type(int character) {
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::Character, character, 0, 0});
}

GameStateSwitch StateFixture::Frame(GameState& state, double deltaTime) {
    const GameStateSwitch next = state.Update(deltaTime);
    network.DropUnreadEvents();
    network.Update(deltaTime);
    Input::GetInstance().EndFrame();
    return next;
}

void StateFixture::ServerSends(const std::vector<unsigned char>& bytes) {
    peer.Deliver(bytes, kServer);
    network.Update(0.0);
}

void StateFixture::Draw(GameState& state) {
    m_pictures.clear();
    m_texts.clear();
    Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
    engine.ClearRecordedCalls();
    state.Render();
    GUIQueue::GetInstance().Draw();
    for (const Lumaspace::RecordedCall& call : engine.GetRecordedCalls()) {
        if (call.operation == "RenderGUI") {
            const auto known = m_pictureOf.find(call.handle);
            m_pictures.push_back(known != m_pictureOf.end() ? known->second : "(no picture)");
        }
    }
}

std::vector<std::string> StateFixture::DrawnPictures(GameState& state) {
    Draw(state);
    return m_pictures;
}

std::vector<std::string> StateFixture::DrawnTexts(GameState& state) {
    Draw(state);
    return m_texts;
}

bool StateFixture::Contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

std::vector<Lumaspace::RecordedCall> StateFixture::CameraCalls() {
    std::vector<Lumaspace::RecordedCall> calls;
    for (const Lumaspace::RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
        if (call.operation == "SetViewAndProjection" || call.operation == "SetLightViewAndProjection" ||
            call.operation == "SetViewPolygonMatrix" || call.operation == "UpdateVisibilityPolygon") {
            calls.push_back(call);
        }
    }
    return calls;
}

void StateFixture::ExpectOverviewFrame(const std::vector<Lumaspace::RecordedCall>& calls,
                                       const Camera& camera) {
    const auto floats = [](const glm::mat4& a, const glm::mat4& b) {
        std::vector<float> values(&a[0][0], &a[0][0] + 16);
        values.insert(values.end(), &b[0][0], &b[0][0] + 16);
        return values;
    };
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].operation, "SetLightViewAndProjection");
    EXPECT_EQ(calls[0].values, floats(camera.GetLightView(), camera.GetLightProjection()));
    EXPECT_EQ(calls[1].operation, "SetViewAndProjection");
    EXPECT_EQ(calls[1].values, floats(camera.GetView(), camera.GetProjection()));
}

}  // namespace ombrin::test
