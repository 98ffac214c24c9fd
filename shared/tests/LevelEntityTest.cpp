#include "shared/LevelEntity.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

struct EntityCase {
    std::string_view name;
    LevelEntityKind kind = LevelEntityKind::Ignored;
    std::int32_t team = 0;
    EmitterType emitterType = EmitterType::Smoke;
    RuneType runeType = RuneType::Heal;
    std::string modelPath{};
};

void PrintTo(const EntityCase& c, std::ostream* os) {
    *os << c.name;
}

class ClassifyLevelEntityTest : public ::testing::TestWithParam<EntityCase> {};

TEST_P(ClassifyLevelEntityTest, KindAndDetails) {
    const EntityCase& c = GetParam();
    const LevelEntity entity = ClassifyLevelEntity(c.name);
    ASSERT_EQ(entity.kind, c.kind);
    switch (c.kind) {
        case LevelEntityKind::SpawnPoint:
            EXPECT_EQ(entity.team, c.team);
            break;
        case LevelEntityKind::Emitter:
            EXPECT_EQ(entity.emitterType, c.emitterType);
            break;
        case LevelEntityKind::Rune:
            EXPECT_EQ(entity.runeType, c.runeType);
            break;
        case LevelEntityKind::StaticModel:
        case LevelEntityKind::AnimatedModel:
            EXPECT_EQ(entity.modelPath, c.modelPath);
            break;
        default:
            break;
    }
}

EntityCase Spawn(std::string_view name, std::int32_t team) {
    EntityCase c{name, LevelEntityKind::SpawnPoint};
    c.team = team;
    return c;
}
EntityCase Emitter(std::string_view name, EmitterType type) {
    EntityCase c{name, LevelEntityKind::Emitter};
    c.emitterType = type;
    return c;
}
EntityCase Rune(std::string_view name, RuneType type) {
    EntityCase c{name, LevelEntityKind::Rune};
    c.runeType = type;
    return c;
}
EntityCase Model(std::string_view name, LevelEntityKind kind, std::string path) {
    EntityCase c{name, kind};
    c.modelPath = std::move(path);
    return c;
}
EntityCase Other(std::string_view name, LevelEntityKind kind) {
    return EntityCase{name, kind};
}

using K = LevelEntityKind;
using E = EmitterType;

INSTANTIATE_TEST_SUITE_P(SpawnPoints, ClassifyLevelEntityTest,
                         ::testing::Values(Spawn("spawnPoint_2", 2), Spawn("spawnPoint2", 2),
                                           Spawn("spawnPoint_1_7", 7),
                                           // "spawnPoint" is tested before "POI".
                                           Spawn("spawnPointPOI_Heal_1", 1),
                                           // A name not ending in a digit has no team.
                                           Spawn("spawnPoint_Red", 0), Spawn("spawnPoint", 0)));

INSTANTIATE_TEST_SUITE_P(ShadowPoints, ClassifyLevelEntityTest,
                         ::testing::Values(Other("ShadowShapes_3_A", K::ShadowPointA),
                                           Other("ShadowShapes_3_B", K::ShadowPointB),
                                           Other("ShadowShapes_3_C", K::Ignored),
                                           Other("ShadowShapes_ParticleEmitter_A", K::ShadowPointA)));

INSTANTIATE_TEST_SUITE_P(Emitters, ClassifyLevelEntityTest,
                         ::testing::Values(Emitter("ParticleEmitter_BrazierFire_1", E::BrazierFire),
                                           Emitter("ParticleEmitter_Fireflies_2", E::Fireflies),
                                           Emitter("ParticleEmitter_BrazierSparks_1", E::BrazierSparks),
                                           Emitter("ParticleEmitter_TorchFire_1", E::TorchFire),
                                           Emitter("ParticleEmitter_LeafTree_1", E::LeafTree),
                                           Emitter("ParticleEmitter_LeafSakura_1", E::LeafSakura),
                                           Emitter("ParticleEmitter_LeafAcerPalmatum_1", E::LeafAcerPalmatum),
                                           Emitter("ParticleEmitter_WorldMist_1", E::WorldMist),
                                           Emitter("ParticleEmitter_WorldDust_1", E::WorldDust),
                                           // "Smoke" is tested before "LeafTree"; "Fireflies" comes last.
                                           Emitter("ParticleEmitter_LeafTreeSmoke_1", E::Smoke),
                                           Emitter("ParticleEmitter_FirefliesWorldDust_1", E::WorldDust),
                                           Emitter("ParticleEmitter_Lantern_1", E::Smoke),
                                           // Names too short to hold anything after the keyword.
                                           Emitter("ParticleEmitter_", E::Smoke),
                                           Emitter("ParticleEmitter", E::Smoke)));

INSTANTIATE_TEST_SUITE_P(Runes, ClassifyLevelEntityTest,
                         ::testing::Values(Rune("POI_Heal_1", RuneType::Heal),
                                           Rune("POI_Invisible_1", RuneType::Invisible),
                                           Rune("POI_Shield_1", RuneType::Shield),
                                           Rune("POI_ShieldHeal_1", RuneType::Heal),
                                           // No known kind: the rune is skipped.
                                           Other("POI_Speed_1", K::Ignored), Other("POI", K::Ignored)));

INSTANTIATE_TEST_SUITE_P(
    Models, ClassifyLevelEntityTest,
    ::testing::Values(Model("Tree_4", K::StaticModel, "../Ombrin/Models/TreeShape.ZMD"),
                      Model("Rock", K::StaticModel, "../Ombrin/Models/RockShape.ZMD"),
                      Model("Big_Rock_2", K::StaticModel, "../Ombrin/Models/Big_RockShape.ZMD"),
                      Model("BigBird_Animated_1", K::AnimatedModel, "../Ombrin/Models/BigBirdShape.ZMD"),
                      // Only a trailing "_Animated" is cut from the base.
                      Model("AnimatedLantern_1", K::AnimatedModel,
                            "../Ombrin/Models/AnimatedLanternShape.ZMD"),
                      Model("Animated_1", K::AnimatedModel, "../Ombrin/Models/AnimatedShape.ZMD"),
                      Model("_Animated_1", K::AnimatedModel, "../Ombrin/Models/Shape.ZMD"),
                      // The suffix counts only in the base, not in the part after the last "_".
                      Model("Tree_Animated", K::StaticModel, "../Ombrin/Models/TreeShape.ZMD")));

}  // namespace
