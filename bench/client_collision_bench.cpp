// Prints what the client's collision costs per call on the NightTimeArena, in microseconds: one frame of the
// local player's walk (MoveWithCollision) and the aim queries (AimRayDistance for an arrow marker and a dash,
// LevelRayDistance for the aim reach), at seeded places and headings inside the arena. Each runs with the
// level boxes alone and again with every prop of the level in view, the most a frame can hand over.
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "MicrosecondsPerCall.h"
#include "client/world/CollisionManager.h"
#include "client/world/WalkWithCollision.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/LevelCollisionMap.h"

namespace {

constexpr const char* kLevelPath = "../Ombrin/Levels/NightTimeArena.ZMDL";
constexpr float kFrameTime = 1.0f / 60.0f;
constexpr float kSpeed = 10.0f;
constexpr float kDiagonal = 0.70710678f;
constexpr float kArrowReach = 13.0f;

struct Place {
    Float3 position;
    Float3 heading;
};

// Places where a ninja may stand (its sphere clear of the level boxes), with one of the eight key headings.
std::vector<Place> MakePlaces(const CollisionManager& obstacles, std::size_t count) {
    const Float3 headings[] = {{1, 0, 0},
                               {-1, 0, 0},
                               {0, 0, 1},
                               {0, 0, -1},
                               {kDiagonal, 0, kDiagonal},
                               {kDiagonal, 0, -kDiagonal},
                               {-kDiagonal, 0, kDiagonal},
                               {-kDiagonal, 0, -kDiagonal}};
    std::mt19937 rng(3u);
    std::uniform_real_distribution<float> x(-43.5f, 43.5f);
    std::uniform_real_distribution<float> z(-50.5f, 50.5f);
    std::uniform_int_distribution<int> heading(0, 7);
    std::vector<Place> places;
    while (places.size() < count) {
        const Float3 p{x(rng), 0.0f, z(rng)};
        if (!obstacles.IsBlocked(p, 0.5f)) {
            places.push_back({p, headings[heading(rng)]});
        }
    }
    return places;
}

WalkInput Walk(const Place& place) {
    WalkInput input;
    input.walk = {place.position, place.heading};
    input.speed = kSpeed;
    input.frameTime = kFrameTime;
    input.sphere = {place.position, 0.5f};
    const Float3& p = place.position;
    input.body = MakeCollisionOBB({p.x, p.y + 1.0f, p.z}, {0.5f, 1.0f, 0.5f}, kNoRotation);
    return input;
}

void MeasureAll(const char* scene, const CollisionManager& obstacles) {
    const std::vector<Place> places = MakePlaces(obstacles, 1024);
    std::size_t next = 0;
    auto place = [&]() -> const Place& { return places[next++ % places.size()]; };
    float sink = 0.0f;
    std::printf("%s: %zu low boxes, %zu low spheres\n", scene, obstacles.GetLowBoxes().size(),
                obstacles.GetLowSpheres().size());
    const double walk =
        MicrosecondsPerCall([&] { sink += MoveWithCollision(obstacles, Walk(place())).position.x; });
    const double arrow = MicrosecondsPerCall([&] {
        const Place& p = place();
        sink += obstacles.AimRayDistance(p.position, p.heading, true, kArrowReach);
    });
    const double dash = MicrosecondsPerCall([&] {
        const Place& p = place();
        sink += obstacles.AimRayDistance(p.position, p.heading, false, kArrowReach);
    });
    const double level = MicrosecondsPerCall([&] {
        const Place& p = place();
        sink += obstacles.LevelRayDistance({p.position, {p.heading.x, kAimRayHeight, p.heading.z}});
    });
    std::printf("  %-36s %8.3f us/call\n", "MoveWithCollision", walk);
    std::printf("  %-36s %8.3f us/call\n", "AimRayDistance (tall only, arrow)", arrow);
    std::printf("  %-36s %8.3f us/call\n", "AimRayDistance (every obstacle, dash)", dash);
    std::printf("  %-36s %8.3f us/call\n", "LevelRayDistance", level);
    std::printf("  (checksum %.1f)\n", static_cast<double>(sink));
}

}  // namespace

int main() {
    std::filesystem::current_path(OMBRIN_BIN_DIR);  // the level names its models under ../Ombrin/
    const LevelData level(kLevelPath);
    const std::size_t levelBoxCount = level.GetBoxes().size();
    if (levelBoxCount == 0) {
        std::fprintf(stderr, "no level boxes in %s\n", kLevelPath);
        return 1;
    }
    // The collision map lists every prop's volumes in world space, then the level boxes.
    ModelLibrary models;
    LevelCollisionMap map;
    map.Initialize(level, models);
    std::vector<CollisionOBB> boxes = map.GetOBBs();
    const auto firstLevelBox = boxes.end() - static_cast<std::ptrdiff_t>(levelBoxCount);
    const std::vector<CollisionOBB> levelBoxes(firstLevelBox, boxes.end());
    const ObjectVolumes props{std::vector<CollisionOBB>(boxes.begin(), firstLevelBox), map.GetSpheres()};

    CollisionManager obstacles;
    obstacles.SetLevelBoxes(levelBoxes);
    MeasureAll("NightTimeArena, level boxes", obstacles);
    const ObjectVolumes* shown[] = {&props};
    obstacles.SetObjects(shown, {});
    MeasureAll("NightTimeArena, level boxes and every prop in view", obstacles);
    return 0;
}
