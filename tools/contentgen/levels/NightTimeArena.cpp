// The default level: a walled arena at night, teams on the west (red) and east (blue) sides, the three
// runes on the north-south midline, mirrored in both axes so that neither team is favoured.
#include <cmath>

#include "levels/LevelPieces.h"
#include "levels/Levels.h"

namespace {

constexpr float kHalfPi = 1.57079632679f;
constexpr float kWallHeight = 6.0f;
constexpr float kInnerX = 44.0f;
constexpr float kInnerZ = 51.0f;

struct Wall {
    glm::vec2 center;
    bool alongZ;  // the 10-unit length runs along z
};

std::vector<Wall> InnerWalls() {
    std::vector<Wall> walls;
    for (const glm::vec2& p : Mirrored4({18.0f, 14.0f})) {
        walls.push_back({p, false});  // lane walls beside the centre
    }
    for (const glm::vec2& p : Mirrored4({12.0f, 31.0f})) {
        walls.push_back({p, true});  // flank walls beside the rune spots
    }
    for (const glm::vec2& p : Mirrored2({0.0f, 42.0f}, true)) {
        walls.push_back({p, false});  // screens behind the north and south runes
    }
    for (const glm::vec2& p : Mirrored2({27.0f, 0.0f})) {
        walls.push_back({p, true});  // screens in front of the spawn areas
    }
    for (const glm::vec2& p : Mirrored4({30.0f, 38.0f})) {
        walls.push_back({p, false});  // corner walls
    }
    return walls;
}

template <typename F>
void ForEachMirrored(std::initializer_list<glm::vec2> points, F&& f) {
    for (const glm::vec2& p : points) {
        for (const glm::vec2& q : Mirrored4(p)) {
            f(q);
        }
    }
}

}  // namespace

LevelLayout BuildNightTimeArena() {
    LevelLayout level("NightTimeArena");

    // Collision boxes and shadow lines of the walls; pillars and trunks cast shadows too.
    AddOuterWalls(level, kInnerX, kInnerZ, 2.0f, kWallHeight);
    const std::vector<Wall> walls = InnerWalls();
    for (const Wall& wall : walls) {
        AddWallBlock(level, wall.center, wall.alongZ ? glm::vec2(0.75f, 5.0f) : glm::vec2(5.0f, 0.75f),
                     kWallHeight);
    }
    const std::initializer_list<glm::vec2> pillars = {{6.0f, 6.0f}, {24.0f, 26.0f}, {38.0f, 20.0f}};
    ForEachMirrored(pillars, [&](const glm::vec2& p) { AddColumnShadow(level, p, 0.8f); });
    const std::initializer_list<glm::vec2> trees = {{40.0f, 46.0f}, {8.0f, 46.0f}};
    ForEachMirrored(trees, [&](const glm::vec2& p) { AddColumnShadow(level, p, 0.45f); });

    // Models, each kind written together so that the client draws it as one instance group.
    level.AddModel("Ground", {0.0f, 0.0f, 0.0f});
    for (int i = 0; i < 10; ++i) {
        const float x = -45.0f + 10.0f * static_cast<float>(i);
        level.AddModel("ArenaWall", {x, 0.0f, kInnerZ + 1.0f});
        level.AddModel("ArenaWall", {x, 0.0f, -kInnerZ - 1.0f});
    }
    for (int i = 0; i < 11; ++i) {
        const float z = -50.0f + 10.0f * static_cast<float>(i);
        level.AddModel("ArenaWall", {kInnerX + 1.0f, 0.0f, z}, kHalfPi);
        level.AddModel("ArenaWall", {-kInnerX - 1.0f, 0.0f, z}, kHalfPi);
    }
    for (const Wall& wall : walls) {
        level.AddModel("StoneWall", OnGround(wall.center), wall.alongZ ? kHalfPi : 0.0f);
    }
    ForEachMirrored(pillars, [&](const glm::vec2& p) { level.AddModel("StonePillar", OnGround(p)); });
    ForEachMirrored({{21.0f, 6.0f}, {8.0f, 20.0f}, {34.0f, 30.0f}, {17.0f, 44.0f}},
                    [&](const glm::vec2& p) { level.AddModel("Crate", OnGround(p), 0.2f * p.x); });
    ForEachMirrored({{22.6f, 4.6f}}, [&](const glm::vec2& p) { level.AddModel("Barrel", OnGround(p)); });
    const std::vector<glm::vec2> braziers = Mirrored4({33.0f, 10.0f});
    for (const glm::vec2& p : braziers) {
        level.AddModel("Brazier", OnGround(p));
    }
    std::vector<glm::vec2> torches;
    ForEachMirrored({{43.0f, 15.0f}, {43.0f, 35.0f}, {25.0f, 50.0f}, {10.0f, 50.0f}},
                    [&](const glm::vec2& p) { torches.push_back(p); });
    for (const glm::vec2& p : torches) {
        level.AddModel("Torch", OnGround(p));
    }
    ForEachMirrored(trees, [&](const glm::vec2& p) { level.AddModel("Tree", OnGround(p), p.x * 0.1f); });
    const std::vector<glm::vec2> sakura = Mirrored4({20.0f, 46.0f});
    for (const glm::vec2& p : sakura) {
        level.AddModel("SakuraTree", OnGround(p), p.y * 0.1f);
    }
    const std::vector<glm::vec2> maples = Mirrored4({40.0f, 30.0f});
    for (const glm::vec2& p : maples) {
        level.AddModel("MapleTree", OnGround(p), p.y * 0.1f);
    }
    const std::vector<glm::vec2> bushes = [] {
        std::vector<glm::vec2> points;
        for (const glm::vec2& p :
             {glm::vec2(30.0f, 14.0f), glm::vec2(15.0f, 24.0f), glm::vec2(4.0f, 26.0f)}) {
            for (const glm::vec2& q : Mirrored4(p)) {
                points.push_back(q);
            }
        }
        return points;
    }();
    for (const glm::vec2& p : bushes) {
        level.AddModel("Bush", OnGround(p), p.x);
    }
    // A brazier on its own behind the south screen: a model group of one.
    const glm::vec2 loneBrazier(0.0f, -47.0f);
    level.AddModel("Brazier", OnGround(loneBrazier));
    // A big bird perched on the north screen, looking over the arena.
    level.AddAnimatedModel("BigBird", {3.0f, kWallHeight, 42.0f}, 0.3f);

    // Red on the west side, blue on the east, both in the open behind their screens.
    for (const int team : {1, 2}) {
        const float x = team == 1 ? -38.0f : 38.0f;
        for (const float z : {-6.0f, -2.0f, 2.0f, 6.0f}) {
            level.AddSpawnPoint(team, {x, 0.0f, z});
        }
    }
    // Heal in the centre, invisibility and shield on the midline to the north and south.
    level.AddRune(RuneType::Heal, {0.0f, 0.0f, 0.0f});
    level.AddRune(RuneType::Invisible, {0.0f, 0.0f, 34.0f});
    level.AddRune(RuneType::Shield, {0.0f, 0.0f, -34.0f});

    for (const glm::vec2& p : braziers) {
        level.AddEmitter(EmitterType::BrazierFire, OnGround(p, 1.35f));
        level.AddEmitter(EmitterType::BrazierSparks, OnGround(p, 1.5f));
    }
    level.AddEmitter(EmitterType::BrazierFire, OnGround(loneBrazier, 1.35f));
    level.AddEmitter(EmitterType::BrazierSparks, OnGround(loneBrazier, 1.5f));
    level.AddEmitter(EmitterType::Smoke, OnGround(loneBrazier, 2.0f));
    for (const glm::vec2& p : torches) {
        level.AddEmitter(EmitterType::TorchFire, OnGround(p, 2.65f));
    }
    ForEachMirrored(trees,
                    [&](const glm::vec2& p) { level.AddEmitter(EmitterType::LeafTree, OnGround(p, 8.0f)); });
    for (const glm::vec2& p : sakura) {
        level.AddEmitter(EmitterType::LeafSakura, OnGround(p, 4.8f));
    }
    for (const glm::vec2& p : maples) {
        level.AddEmitter(EmitterType::LeafAcerPalmatum, OnGround(p, 4.2f));
    }
    for (std::size_t i = 0; i < bushes.size(); i += 3) {
        level.AddEmitter(EmitterType::Fireflies, OnGround(bushes[i], 1.5f));
    }
    level.AddEmitter(EmitterType::WorldMist, {-25.0f, 0.0f, 45.0f});
    level.AddEmitter(EmitterType::WorldMist, {25.0f, 0.0f, -45.0f});
    level.AddEmitter(EmitterType::WorldDust, {0.0f, 2.0f, 0.0f});
    return level;
}
