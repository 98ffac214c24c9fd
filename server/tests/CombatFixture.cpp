#include "CombatFixture.h"

#include "protocol/ServerCombatMessages.h"
#include "server/FanManager.h"
#include "server/ProjectileManager.h"
#include "server/RuneManager.h"
#include "server/ShurikenManager.h"
#include "shared/ModelFileData.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

CollisionBox FixtureShurikenBox() {
    return MakeCollisionBox({0.0f, 0.0f, 0.0f}, {0.25f, 0.1f, 0.25f});
}

CollisionBox FixtureMegaShurikenBox() {
    return MakeCollisionBox({0.0f, 0.0f, 0.0f}, {0.5f, 0.1f, 0.5f});
}

CollisionBox FixtureKunaiBox() {
    return MakeCollisionBox({0.0f, 0.0f, 0.0f}, {0.1f, 0.1f, 0.3f});
}

CollisionBox FixtureFanBox() {
    return MakeCollisionBox({0.0f, 0.0f, 0.0f}, {0.4f, 0.1f, 0.4f});
}

CollisionBox FixtureRuneBox() {
    return MakeCollisionBox({0.0f, 0.5f, 0.0f}, {0.5f, 0.5f, 0.5f});
}

std::string WallLine(const Float3& center, const Float3& halfSizes) {
    // Centre in fields 1 to 3, half-sizes along z, y and x in fields 7 to 9.
    return "Box_1 " + std::to_string(center.x) + " " + std::to_string(center.y) + " " +
           std::to_string(center.z) + " 0 0 0 " + std::to_string(halfSizes.z) + " " +
           std::to_string(halfSizes.y) + " " + std::to_string(halfSizes.x);
}

std::string RuneLine(const std::string& kind, const Float3& position) {
    // Level files are right-handed: the loader negates z.
    return "POI_" + kind + "_1 " + std::to_string(position.x) + " " + std::to_string(position.y) + " " +
           std::to_string(-position.z) + " 0 0 0";
}

const std::vector<std::string> CombatFixture::kRunes = {
    RuneLine("Heal", kHealRune), RuneLine("Invisible", kInvisibilityRune), RuneLine("Shield", kShieldRune)};

void CombatFixture::SetUp() {
    GameFixture::SetUp();
    const auto save = [this](const std::string& libraryPath, const CollisionBox& box) {
        ModelFileData model;
        model.boxes.push_back(box);
        const std::string file =
            scratch.File("shape" + std::to_string(ModelLibrary::GetInstance().Size()) + ".ZMD");
        std::string error;
        ASSERT_TRUE(SaveModelFile(file, model, error)) << error;
        ASSERT_TRUE(ModelLibrary::GetInstance().Get(libraryPath).LoadModel(file));
    };
    save(kShurikenModel, FixtureShurikenBox());
    save(kMegaShurikenModel, FixtureMegaShurikenBox());
    save(kKunaiModel, FixtureKunaiBox());
    save(kFanModel, FixtureFanBox());
    for (const char* rune : kRuneModels) {
        save(rune, FixtureRuneBox());
    }
}

void CombatFixture::StartLevel(const std::vector<std::string>& walls, const std::vector<std::string>& runes) {
    Start({WriteLevel("combat.ZMDL", kSpawnPoints, walls, runes)});
}

void CombatFixture::StartDuel(const std::vector<std::string>& walls) {
    StartLevel(walls);
    red = Join(1);
    blue = Join(2);
}

void CombatFixture::Place(const RakNet::RakNetGUID& guid, const Float3& position, const Float3& facing) {
    PlayerRecord* player = Players().FindPlayer(guid);
    ASSERT_NE(player, nullptr);
    player->position = position;
    player->direction = facing;
}

void CombatFixture::Use(const RakNet::RakNetGUID& guid, protocol::AbilityId ability, float distance) {
    state.UseAbility(static_cast<std::int32_t>(ability), distance, guid);
}

std::vector<std::int32_t> CombatFixture::Sounds() const {
    std::vector<std::int32_t> sounds;
    for (const auto& sound : peer.Decoded<protocol::PlaySoundMessage>()) {
        sounds.push_back(sound.sound);
    }
    return sounds;
}
