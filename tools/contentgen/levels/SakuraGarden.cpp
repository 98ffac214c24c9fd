// The second level: a garden by day. Teams start at the south (red) and north (blue) ends; a koi pond
// fills the centre, bamboo fences block sight and the runes lie on the east-west midline.
#include "levels/LevelPieces.h"
#include "levels/Levels.h"

namespace {

constexpr float kHalfPi = 1.57079632679f;
constexpr float kWallHeight = 5.0f;
constexpr float kFenceHeight = 4.5f;
constexpr float kInnerX = 44.0f;
constexpr float kInnerZ = 51.0f;

struct Fence {
    glm::vec2 center;
    bool alongZ;
};

std::vector<Fence> Fences() {
    std::vector<Fence> fences;
    for (const glm::vec2& p : Mirrored4({14.0f, 20.0f})) {
        fences.push_back({p, false});
    }
    for (const glm::vec2& p : Mirrored4({30.0f, 8.0f})) {
        fences.push_back({p, true});
    }
    for (const glm::vec2& p : Mirrored2({0.0f, 30.0f}, true)) {
        fences.push_back({p, false});
    }
    for (const glm::vec2& p : Mirrored4({34.0f, 36.0f})) {
        fences.push_back({p, true});
    }
    return fences;
}

std::vector<glm::vec2> All4(std::initializer_list<glm::vec2> points) {
    std::vector<glm::vec2> all;
    for (const glm::vec2& p : points) {
        for (const glm::vec2& q : Mirrored4(p)) {
            all.push_back(q);
        }
    }
    return all;
}

}  // namespace

LevelLayout BuildSakuraGarden() {
    LevelLayout level("SakuraGarden");

    AddOuterWalls(level, kInnerX, kInnerZ, 2.0f, kWallHeight);
    const std::vector<Fence> fences = Fences();
    for (const Fence& fence : fences) {
        AddWallBlock(level, fence.center, fence.alongZ ? glm::vec2(0.3f, 5.0f) : glm::vec2(5.0f, 0.3f),
                     kFenceHeight);
    }
    // The pond: a low box that stops walking but not sight.
    level.AddBox({0.0f, 0.25f, 0.0f}, {6.0f, 0.25f, 4.0f});

    const std::vector<glm::vec2> rocks = All4({{20.0f, 36.0f}, {8.0f, 14.0f}});
    for (const glm::vec2& p : rocks) {
        AddColumnShadow(level, p, 1.2f);
    }
    const std::vector<glm::vec2> trees = Mirrored2({42.0f, 0.0f});
    const std::vector<glm::vec2> sakura = All4({{38.0f, 46.0f}, {16.0f, 44.0f}, {24.0f, 26.0f}});
    const std::vector<glm::vec2> maples = All4({{40.0f, 22.0f}});
    for (const glm::vec2& p : trees) {
        AddColumnShadow(level, p, 0.45f);
    }
    for (const glm::vec2& p : sakura) {
        AddColumnShadow(level, p, 0.35f);
    }
    for (const glm::vec2& p : maples) {
        AddColumnShadow(level, p, 0.3f);
    }

    level.AddModel("GardenGround", {0.0f, 0.0f, 0.0f});
    for (int i = 0; i < 10; ++i) {
        const float x = -45.0f + 10.0f * static_cast<float>(i);
        level.AddModel("GardenWall", {x, 0.0f, kInnerZ + 1.0f});
        level.AddModel("GardenWall", {x, 0.0f, -kInnerZ - 1.0f});
    }
    for (int i = 0; i < 11; ++i) {
        const float z = -50.0f + 10.0f * static_cast<float>(i);
        level.AddModel("GardenWall", {kInnerX + 1.0f, 0.0f, z}, kHalfPi);
        level.AddModel("GardenWall", {-kInnerX - 1.0f, 0.0f, z}, kHalfPi);
    }
    for (const Fence& fence : fences) {
        level.AddModel("BambooFence", OnGround(fence.center), fence.alongZ ? kHalfPi : 0.0f);
    }
    level.AddModel("KoiPond", {0.0f, 0.0f, 0.0f});
    for (const glm::vec2& p : rocks) {
        level.AddModel("GardenRock", OnGround(p), p.x + p.y);
    }
    for (const glm::vec2& p : All4({{8.0f, 6.0f}})) {
        level.AddModel("StoneLantern", OnGround(p));
    }
    for (const glm::vec2& p : trees) {
        level.AddModel("Tree", OnGround(p));
    }
    for (const glm::vec2& p : sakura) {
        level.AddModel("SakuraTree", OnGround(p), p.x * 0.13f);
    }
    for (const glm::vec2& p : maples) {
        level.AddModel("MapleTree", OnGround(p), p.y * 0.2f);
    }
    for (const glm::vec2& p : All4({{18.0f, 28.0f}, {4.0f, 22.0f}})) {
        level.AddModel("Bush", OnGround(p), p.x);
    }
    // A crane wading in the pond.
    level.AddAnimatedModel("BigBird", {3.0f, 0.1f, -1.0f}, 2.5f);

    for (const int team : {1, 2}) {
        const float z = team == 1 ? -44.0f : 44.0f;
        for (const float x : {-9.0f, -3.0f, 3.0f, 9.0f}) {
            level.AddSpawnPoint(team, {x, 0.0f, z});
        }
    }
    level.AddRune(RuneType::Heal, {-10.0f, 0.0f, 0.0f});
    level.AddRune(RuneType::Invisible, {22.0f, 0.0f, 0.0f});
    level.AddRune(RuneType::Shield, {-36.0f, 0.0f, 0.0f});

    for (const glm::vec2& p : trees) {
        level.AddEmitter(EmitterType::LeafTree, OnGround(p, 8.0f));
    }
    for (const glm::vec2& p : sakura) {
        level.AddEmitter(EmitterType::LeafSakura, OnGround(p, 4.8f));
    }
    for (const glm::vec2& p : maples) {
        level.AddEmitter(EmitterType::LeafAcerPalmatum, OnGround(p, 4.2f));
    }
    level.AddEmitter(EmitterType::WorldMist, {0.0f, 0.0f, 0.0f});
    level.AddEmitter(EmitterType::WorldDust, {0.0f, 2.0f, 0.0f});
    return level;
}
