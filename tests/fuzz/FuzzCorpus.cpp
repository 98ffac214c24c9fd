// fuzz_corpus OUT: writes the seed corpus of every fuzz target into OUT/<target>/, each seed a valid input
// made by the project's own writers: message writers, the model writer, the content tool's level writer and
// scripts that play a short game.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ByteScript.h"
#include "MessageCatalogue.h"
#include "ServerScript.h"
#include "TestArena.h"
#include "levels/LevelLayout.h"
#include "levels/LevelWriter.h"
#include "protocol/MessageSend.h"
#include "shared/ModelWriter.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

class Corpus {
public:
    explicit Corpus(fs::path root) : m_root(std::move(root)) {}
    void Add(const std::string& target, const std::string& name, const Bytes& bytes) {
        fs::create_directories(m_root / target);
        std::ofstream file(m_root / target / name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        m_good = m_good && static_cast<bool>(file);
    }
    void Add(const std::string& target, const std::string& name, const std::string& text) {
        Add(target, name, Bytes(text.begin(), text.end()));
    }
    bool Good() const { return m_good; }

private:
    fs::path m_root;
    bool m_good = true;
};

using protocol::Encode;

template <typename... Messages>
void AddDefaultMessages(Corpus& corpus, fuzz::MessageList<Messages...>, const char* side) {
    int n = 0;
    (corpus.Add("messages", std::string(side) + std::to_string(n++), Encode(Messages{})), ...);
}

void AddMessages(Corpus& corpus) {
    AddDefaultMessages(corpus, fuzz::ClientMessages{}, "client");
    AddDefaultMessages(corpus, fuzz::ServerMessages{}, "server");
    protocol::PlayerListMessage roster;
    for (std::uint64_t i = 1; i <= 3; ++i) {
        protocol::PlayerListEntry entry;
        entry.guid = RakNet::RakNetGUID(i);
        entry.playerIndex = static_cast<std::int32_t>(i);
        entry.name = "Ninja" + std::to_string(i);
        entry.alive = true;
        entry.healing = i == 2;
        roster.players.push_back(entry);
    }
    corpus.Add("messages", "roster", Encode(roster));
    protocol::LobbyStateMessage lobby;
    lobby.members.push_back({RakNet::RakNetGUID(9), 1, 2, 1, "Kasumi", true});
    corpus.Add("messages", "lobby", Encode(lobby));
    corpus.Add("messages", "visible", Encode(protocol::VisiblePlayersReport{{0, 1, 2, 3}}));
    corpus.Add("messages", "join", Encode(protocol::JoinGameRequest{"Hanzo", 2, 3, 1}));
}

// The stream bytes of a message followed by the reads that take it apart field by field.
void AddBitStreamSeeds(Corpus& corpus) {
    const Bytes lobby = Encode(protocol::LobbyChoiceReport{1, 2, 2, "Kasumi", true});
    // copy flag, length, bytes; then: u8 (id), u32 x3, string, bool, check.
    Bytes seed = {1, static_cast<std::uint8_t>(lobby.size()), 0};
    seed.insert(seed.end(), lobby.begin(), lobby.end());
    for (const std::uint8_t op : {1, 3, 3, 3, 8, 0, 15}) {
        seed.push_back(op);
    }
    corpus.Add("bitstream", "lobby_choice", seed);

    const Bytes position = Encode(protocol::PlayerPositionReport{{1.5f, -2.0f, 40.0f}});
    seed = {0, static_cast<std::uint8_t>(position.size()), 0};
    seed.insert(seed.end(), position.begin(), position.end());
    for (const std::uint8_t op : {1, 5, 5, 5, 13, 0, 0, 9, 13, 0, 10, 4, 11, 12, 8, 14, 2}) {
        seed.push_back(op);
    }
    corpus.Add("bitstream", "position_report", seed);
}

ModelFileData StaticModel() {
    ModelFileData model;
    for (int i = 0; i < 3; ++i) {
        Vertex vertex;
        vertex.position = {static_cast<float>(i), 1.0f, -static_cast<float>(i)};
        vertex.normal = {0.0f, 1.0f, 0.0f};
        model.vertices.push_back(vertex);
    }
    model.diffuse = {2, 2, 4, Bytes(16, 200)};
    model.boxes.push_back(MakeCollisionBox({0.0f, 1.0f, 0.0f}, {0.5f, 1.0f, 0.5f}));
    model.points.push_back({1.0f, 2.0f, 3.0f, 4.0f});
    model.spheres.push_back({{0.0f, 1.0f, 0.0f}, 0.75f});
    return model;
}

ModelFileData SkinnedModel() {
    ModelFileData model;
    model.animated = true;
    for (int i = 0; i < 4; ++i) {
        VertexAnimated vertex;
        vertex.position = {0.1f * static_cast<float>(i), 1.0f, 0.0f};
        vertex.weights[0] = 1.0f;
        vertex.boneIndices[0] = static_cast<std::uint8_t>(i % 3);
        model.animatedVertices.push_back(vertex);
    }
    model.normalMap = {1, 1, 4, Bytes(4, 128)};
    ModelAnimation walk;
    walk.name = "Walk";
    walk.frameCount = 3;
    walk.jointCount = 3;
    JointNode root{"SpineIK", {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {}};
    root.children.push_back(JointNode{"HandR", {0.3f, 0.0f, 0.0f}, {0, 0, 0, 1}, {0, 0, 0, 1}, {}});
    root.children.push_back(JointNode{"trailJoint", {0.6f, 0.0f, 0.0f}, {0, 0, 0, 1}, {0, 0, 0, 1}, {}});
    walk.frames = {root, root};
    walk.joints.resize(3);
    model.animations.push_back(walk);
    model.boxes.push_back(MakeCollisionBox({0.0f, 1.0f, 0.0f}, {0.5f, 1.2f, 0.5f}));
    return model;
}

void AddModels(Corpus& corpus) {
    const struct {
        const char* name;
        ModelFileData model;
    } kModels[] = {{"empty", ModelFileData{}}, {"static", StaticModel()}, {"skinned", SkinnedModel()}};
    for (const auto& [name, model] : kModels) {
        Bytes bytes;
        std::string error;
        if (WriteModelFile(model, bytes, error)) {
            corpus.Add("model", name, bytes);
        } else {
            std::fprintf(stderr, "fuzz_corpus: model %s: %s\n", name, error.c_str());
        }
    }
}

// A level with one entity of every kind and every emitter and rune type.
std::string EveryEntityLevel() {
    LevelLayout layout("Everything");
    layout.AddBox({1.0f, 0.5f, -2.0f}, {0.5f, 0.5f, 0.5f});
    layout.AddModel("Tree", {3.0f, 0.0f, 4.0f}, 0.5f);
    layout.AddAnimatedModel("BigBird", {-3.0f, 2.0f, 4.0f});
    for (int type = 0; type <= 9; ++type) {
        layout.AddEmitter(static_cast<EmitterType>(type), {static_cast<float>(type), 1.0f, 0.0f});
    }
    layout.AddSpawnPoint(1, {-8.0f, 0.0f, 0.0f});
    layout.AddSpawnPoint(2, {8.0f, 0.0f, 0.0f});
    for (int type = 0; type <= 2; ++type) {
        layout.AddRune(static_cast<RuneType>(type), {0.0f, 0.0f, static_cast<float>(type)});
    }
    layout.AddShadowLine({-5.0f, -5.0f}, {12.0f, -5.0f});
    std::string text;
    std::string error;
    return WriteLevelText(layout, text, error) ? text : std::string();
}

void AddLevels(Corpus& corpus) {
    corpus.Add("level", "arena", TestArenaText());
    corpus.Add("level", "everything", EveryEntityLevel());
    corpus.Add("levellist", "two", std::string("ArenaOne.ZMDL\nArenaTwo.ZMDL\n"));
    corpus.Add("levellist", "windows", std::string("NightTimeArena.ZMDL\r\n\r\nSakuraGarden.ZMDL\r\n"));
    corpus.Add("levellist", "empty", std::string());
}

// Seed scripts for the server: connect, lobby, start, join both teams, move, use every ability, ask for
// everything, run the clock into sudden death and through round ends, leave.
class ServerScript {
public:
    ServerScript& Connect(int slot) { return Op(fuzz::kConnect).Slot(slot); }
    ServerScript& Leave(int slot, bool notified) {
        Op(fuzz::kLeave).Slot(slot);
        m_writer.Byte(notified ? 1 : 0);
        return *this;
    }
    ServerScript& Frame(int index) {
        Op(fuzz::kFrame);
        m_writer.Byte(static_cast<std::uint8_t>(index));
        return *this;
    }
    ServerScript& Frames(int count) {
        Op(fuzz::kFrames);
        m_writer.Byte(static_cast<std::uint8_t>(count));
        return *this;
    }
    template <typename Message>
    ServerScript& Send(int slot, Message message) {
        Op(fuzz::kMessage).Slot(slot);
        m_writer.Byte(static_cast<std::uint8_t>(fuzz::ClientMessageTypeIndex<Message>()));
        fuzz::Fields(m_writer, message);
        m_writer.Byte(0);
        return *this;
    }
    ServerScript& Step(int slot, int dx, int dz) {
        Op(fuzz::kStep).Slot(slot);
        m_writer.Byte(static_cast<std::uint8_t>(static_cast<std::int8_t>(dx)));
        m_writer.Byte(0);
        m_writer.Byte(static_cast<std::uint8_t>(static_cast<std::int8_t>(dz)));
        return *this;
    }
    ServerScript& Raw(int slot, const Bytes& bytes) {
        Op(fuzz::kRawPacket).Slot(slot);
        m_writer.Word(static_cast<std::uint32_t>(bytes.size()), 2);
        m_writer.bytes.insert(m_writer.bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const Bytes& Data() const { return m_writer.bytes; }

private:
    ServerScript& Op(fuzz::ScriptOp op) {
        m_writer.Byte(op);
        return *this;
    }
    ServerScript& Slot(int slot) {
        m_writer.Byte(static_cast<std::uint8_t>(slot));
        return *this;
    }
    fuzz::ScriptWriter m_writer;
};

ServerScript FourPlayers() {
    ServerScript script;
    for (int slot = 0; slot < 4; ++slot) {
        script.Connect(slot).Send(slot, protocol::PlayerListRequest{});
        script.Send(slot, protocol::LobbyChoiceReport{slot % 3, slot % 4, slot < 2 ? 1 : 2,
                                                      "Bot" + std::to_string(slot), true});
    }
    script.Send(0, protocol::StartGameRequest{});
    for (int slot = 0; slot < 4; ++slot) {
        script.Send(slot, protocol::JoinGameRequest{"Bot" + std::to_string(slot), slot % 3, slot % 4,
                                                    slot < 2 ? 1 : 2});
    }
    return script.Frame(4).Frames(5);
}

void AddServerScripts(Corpus& corpus) {
    ServerScript fight = FourPlayers();
    for (int i = 0; i < 6; ++i) {
        fight.Step(0, 60, 0).Step(2, -60, 0).Frame(3);
    }
    for (int ability = 0; ability <= 16; ++ability) {
        const int slot = ability % 4;
        fight.Send(slot, protocol::PlayerDirectionReport{{slot < 2 ? 1.0f : -1.0f, 0.0f, 0.0f}});
        fight.Send(slot, protocol::UseAbilityRequest{ability, 6.0f}).Frame(4);
    }
    fight.Send(1, protocol::AnimationReport{3}).Send(2, protocol::VisiblePlayersReport{{0, 1}});
    fight.Send(3, protocol::RoundTimeRequest{}).Send(3, protocol::ScoresRequest{});
    fight.Send(3, protocol::RuneStateRequest{}).Frames(60);
    corpus.Add("server", "fight", fight.Data());

    ServerScript clock = FourPlayers();
    for (int i = 0; i < 14; ++i) {
        clock.Frame(8).Frames(10);
    }
    clock.Leave(1, true).Leave(2, false).Frames(20).Connect(5).Send(5, protocol::PlayerListRequest{});
    corpus.Add("server", "clock", clock.Data());

    ServerScript rounds = FourPlayers();
    for (int i = 0; i < 60; ++i) {
        rounds.Frame(9).Frames(4);
    }
    corpus.Add("server", "rounds", rounds.Data());

    ServerScript raw = FourPlayers();
    for (int id = 0; id < 256; id += 3) {
        raw.Raw(id % 4, {static_cast<std::uint8_t>(id), 0xFF, 0xFF, 0x7F});
    }
    corpus.Add("server", "raw", raw.Data());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_corpus OUT\n");
        return 2;
    }
    Corpus corpus(argv[1]);
    AddMessages(corpus);
    AddBitStreamSeeds(corpus);
    AddModels(corpus);
    AddLevels(corpus);
    AddServerScripts(corpus);
    if (!corpus.Good()) {
        std::fprintf(stderr, "fuzz_corpus: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
