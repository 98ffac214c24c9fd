// The lobby's scene shows the match already running on the server: the players of the roster, moving as
// the server reports them, cast their shadows and are drawn when their bounding spheres meet the overview
// camera's view; this client's own entry is none of them.
#include <filesystem>

#include <glm/geometric.hpp>
#include <glm/mat4x4.hpp>

#include "Lumagrid/GE.h"
#include "client/app/ChooseState.h"
#include "client/app/tests/StateFixture.h"
#include "client/world/Model.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

namespace ombrin::test {
namespace {

using Lumaspace::RecordedCall;
using protocol::PlayerListEntry;

const RakNet::RakNetGUID kAhead{0xA11ull};
const RakNet::RakNetGUID kBehind{0xB22ull};

PlayerListEntry Entry(const RakNet::RakNetGUID& guid, int index, int character, const glm::vec3& at) {
    PlayerListEntry entry;
    entry.guid = guid;
    entry.playerIndex = index;
    entry.team = kRedTeam;
    entry.character = character;
    entry.name = "Bot" + std::to_string(index);
    entry.position = {at.x, at.y, at.z};
    entry.direction = {0.0f, 0.0f, 1.0f};
    entry.maxHealth = 100.0f;
    entry.health = 100.0f;
    entry.alive = true;
    return entry;
}

std::vector<RecordedCall> CallsOf(const std::string& operation) {
    std::vector<RecordedCall> calls;
    for (const RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
        if (call.operation == operation) {
            calls.push_back(call);
        }
    }
    return calls;
}

// Where a skinned draw puts its model: the x and z of its world matrix.
glm::vec2 DrawnAt(const RecordedCall& call) {
    return {call.values[2 + 12], call.values[2 + 14]};
}

class LobbySceneTest : public StateFixture {
protected:
    void SetUp() override {
        StateFixture::SetUp();
        // Two small skinned ninjas: three vertices each, no clips.
        ModelFileData ninja;
        ninja.animated = true;
        ninja.animatedVertices.resize(3);
        for (VertexAnimated& vertex : ninja.animatedVertices) {
            vertex.weights[0] = 1.0f;
        }
        ninja.animatedVertices[1].position = {0.5f, 2.0f, 0.0f};
        ninja.animatedVertices[2].position = {-0.5f, 2.0f, 0.0f};
        std::filesystem::create_directories(m_layout.Data() / "Models");
        std::string error;
        for (const char* name : {"Ninja1Shape.ZMD", "Ninja3Shape.ZMD"}) {
            ASSERT_TRUE(SaveModelFile((m_layout.Data() / "Models" / name).string(), ninja, error)) << error;
        }
        const Model prototype;
        ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
        network.SetPlayerName("Kei");
        ConnectionEvent(RakNet::ID_CONNECTION_REQUEST_ACCEPTED);
        ASSERT_TRUE(m_lobby.Initialize("../Ombrin/Levels/Arena.ZMDL"));
    }
    void TearDown() override {
        m_lobby.Shutdown();
        ModelLibrary::GetInstance().Clear();
        StateFixture::TearDown();
    }

    // The camera's forward axis in world space: the third row of its view.
    glm::vec3 Forward() const {
        const glm::mat4& view = m_lobby.GetCamera().GetView();
        return glm::normalize(glm::vec3(view[0][2], view[1][2], view[2][2]));
    }
    // The ground point in the middle of the view.
    glm::vec3 Ahead() const {
        const glm::vec3 eye = m_lobby.GetCamera().GetEye();
        const glm::vec3 forward = Forward();
        return eye + forward * (-eye.y / forward.y);
    }
    // A ground point well behind the camera.
    glm::vec3 Behind() const {
        const glm::vec3 eye = m_lobby.GetCamera().GetEye();
        const glm::vec3 forward = Forward();
        return glm::vec3(eye.x, 0.0f, eye.z) - glm::normalize(glm::vec3(forward.x, 0.0f, forward.z)) * 30.0f;
    }

    ChooseState m_lobby{network};
};

TEST_F(LobbySceneTest, TheRunningMatchsPlayersMoveInTheSceneAndOnlyThoseInViewAreDrawn) {
    Frame(m_lobby);
    ASSERT_LT(Forward().y, 0.0f) << "the overview camera looks down on the arena";
    const glm::vec3 ahead = Ahead();
    const glm::vec3 behind = Behind();
    ServerSends(protocol::PlayerListMessage{{Entry(kAhead, 1, 0, ahead), Entry(kBehind, 2, 2, behind)}});
    Frame(m_lobby);
    ASSERT_EQ(m_lobby.Players().GetRemotePlayers().size(), 2u);
    EXPECT_EQ(m_lobby.Players().GetLocalPlayer(), nullptr);

    // The player ahead walks a little; a tenth of a second later the scene shows it there.
    const glm::vec3 walked = ahead + glm::vec3(1.0f, 0.0f, 1.0f);
    ServerSends(protocol::PlayerPositionRelay{kAhead, {walked.x, walked.y, walked.z}});
    for (int frame = 0; frame < 7; ++frame) {
        Frame(m_lobby);
    }
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    DrawnPictures(m_lobby);
    EXPECT_EQ(CallsOf("RenderAnimatedDepth").size(), 2u) << "both cast their shadows";
    const std::vector<RecordedCall> drawn = CallsOf("RenderAnimated");
    ASSERT_EQ(drawn.size(), 1u) << "the player behind the camera is culled";
    EXPECT_NEAR(DrawnAt(drawn[0]).x, walked.x, 1e-3f);
    EXPECT_NEAR(DrawnAt(drawn[0]).y, walked.z, 1e-3f);

    // This client joining the match itself adds no player to the lobby's scene.
    ServerSends(protocol::PlayerListMessage{
        {Entry(kAhead, 1, 0, walked), Entry(kBehind, 2, 2, behind), Entry(peer.GetMyGUID(), 3, 0, ahead)}});
    Frame(m_lobby);
    EXPECT_EQ(m_lobby.Players().GetRemotePlayers().size(), 2u);
    EXPECT_EQ(m_lobby.Players().GetLocalPlayer(), nullptr);
}

}  // namespace
}  // namespace ombrin::test
