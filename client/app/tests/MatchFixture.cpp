#include "client/app/tests/MatchFixture.h"

#include <cmath>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"
#include "client/app/Settings.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"
#include "client/world/Model.h"
#include "raknet/MessageIdentifiers.h"
#include "shared/ModelLibrary.h"

namespace ombrin::test {

void MatchFixture::SetUp() {
    ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(kWidth, kHeight, kWidth, kHeight, false));
    const Model prototype;
    ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
    ASSERT_GT(ModelLibrary::GetInstance().Get("../Ombrin/Models/Ninja1Shape.ZMD").GetVertexCount(), 0)
        << "run from the bin folder of a layout with the generated data";
    TextureLibrary::GetInstance().LoadAll();

    ClientGlobals& globals = ClientGlobals::GetInstance();
    globals.fullscreen = false;
    globals.screenWidth = kWidth;
    globals.screenHeight = kHeight;
    globals.windowWidth = kWidth;
    globals.windowHeight = kHeight;
    globals.borderWidth = 0.0f;
    globals.captionHeight = 0.0f;
    globals.cameraFollowsMouse = false;
    globals.soundEnabled = true;
    globals.localPlayerDead = false;
    globals.deltaTime = kFrame;

    Settings& settings = Settings::GetInstance();
    settings.SetDefaults();
    settings.name = "Kei";

    Input::GetInstance().Initialize();
    Input::GetInstance().RegisterGameKeys();

    ASSERT_TRUE(deathBoard.Initialize(kWidth, kHeight));
    ASSERT_TRUE(network.Initialize(&peer));
    network.SetPlayerName("Kei");
    ServerSends(std::vector<unsigned char>{RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
    ASSERT_TRUE(network.connected);
}

void MatchFixture::ServerSends(const std::vector<unsigned char>& bytes) {
    peer.Deliver(bytes, kMatchServer);
    network.Update(0.0);
}

void MatchFixture::TearDown() {
    match.Shutdown();
    deathBoard.Shutdown();
    particles.Clear();
    trails.Clear();
    network.Shutdown();
    GUIQueue::Shutdown();
    TextureLibrary::Shutdown();
    ModelLibrary::GetInstance().Clear();
    Lumaspace::GE::GetInstance()->Shutdown();
    Input::Shutdown();
    Settings::Shutdown();
}

protocol::PlayerListEntry MatchFixture::Entry(const RakNet::RakNetGUID& guid, int index, int team,
                                              const glm::vec3& position, const std::string& name) {
    protocol::PlayerListEntry entry;
    entry.guid = guid;
    entry.playerIndex = index;
    entry.team = team;
    entry.name = name.empty() ? "Player" + std::to_string(index) : name;
    entry.position = {position.x, position.y, position.z};
    entry.direction = {0.0f, 0.0f, 1.0f};
    entry.maxHealth = 100.0f;
    entry.health = 100.0f;
    entry.alive = true;
    entry.character = 0;
    entry.tool = 0;
    return entry;
}

void MatchFixture::StartMatch(const glm::vec3& position,
                              const std::vector<protocol::PlayerListEntry>& others) {
    std::vector<protocol::PlayerListEntry> roster{Entry(Me(), 0, kRedTeam, position, "Kei")};
    roster.insert(roster.end(), others.begin(), others.end());
    ServerSends(protocol::PlayerListMessage{roster});
    network.events.respawns.Clear();
    ASSERT_TRUE(match.Initialize(kArena));
    ASSERT_NE(match.Players().GetLocalPlayer(), nullptr);
    peer.ClearSent();
}

void MatchFixture::SetAlive(const RakNet::RakNetGUID& guid, bool alive) {
    ServerSends(protocol::PlayerHealthMessage{guid, alive ? 100.0f : 0.0f, alive});
}

void MatchFixture::KeyDown(int code) {
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::KeyDown, code, 0, 0});
}

void MatchFixture::KeyUp(int code) {
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::KeyUp, code, 0, 0});
}

void MatchFixture::MoveMouseToPixel(int x, int y) {
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::MouseMove, 0, x, y});
}

void MatchFixture::Click(float guiX, float guiY) {
    MoveMouseToPixel(static_cast<int>(guiX + kWidth / 2.0f), static_cast<int>(kHeight / 2.0f - guiY));
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::LeftButtonDown, 0, 0, 0});
    Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::LeftButtonUp, 0, 0, 0});
}

GameStateSwitch MatchFixture::Frame(double deltaTime) {
    ClientGlobals::GetInstance().deltaTime = deltaTime;
    const GameStateSwitch next = match.Update(deltaTime);
    network.DropUnreadEvents();
    network.Update(deltaTime);
    Input::GetInstance().EndFrame();
    return next;
}

GameStateSwitch MatchFixture::Frames(double seconds) {
    const long frames = std::lround(seconds / kFrame);
    for (long frame = 0; frame < frames; ++frame) {
        const GameStateSwitch next = Frame();
        if (next != NO_CHANGE) {
            return next;
        }
    }
    return NO_CHANGE;
}

std::vector<std::string> MatchFixture::RenderedOperations() {
    Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
    engine.ClearRecordedCalls();
    match.Render();
    GUIQueue::GetInstance().Clear();
    particles.Clear();
    trails.Clear();
    std::vector<std::string> operations;
    for (const Lumaspace::RecordedCall& call : engine.GetRecordedCalls()) {
        operations.push_back(call.operation);
    }
    return operations;
}

}  // namespace ombrin::test
