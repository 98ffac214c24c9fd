// Prints the cost of the server's obstacle queries in nanoseconds per call, on an arena of 100 obstacles
// (80 walls of random length, height and turn, 20 pillars) with queries placed at random, so that hits and
// misses mix.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "shared/collision/CollisionChecker.h"
#include "shared/collision/ModelPlacement.h"

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWallCount = 80;
constexpr int kPillarCount = 20;
constexpr float kArenaHalfWidth = 50.0f;

CollisionChecker MakeArena() {
    std::mt19937 rng(11u);
    std::uniform_real_distribution<float> place(-kArenaHalfWidth, kArenaHalfWidth);
    std::uniform_real_distribution<float> length(1.0f, 5.0f);
    std::uniform_real_distribution<float> height(0.5f, 3.0f);
    std::uniform_real_distribution<float> thickness(0.2f, 0.6f);
    std::uniform_real_distribution<float> yaw(0.0f, 3.14159265f);
    std::uniform_real_distribution<float> radius(0.3f, 1.0f);
    std::vector<CollisionOBB> walls;
    for (int i = 0; i < kWallCount; ++i) {
        const float halfHeight = height(rng);
        walls.push_back(MakeCollisionOBB({place(rng), halfHeight, place(rng)},
                                         {length(rng), halfHeight, thickness(rng)},
                                         RollPitchYawQuaternion({0.0f, yaw(rng), 0.0f})));
    }
    std::vector<CollisionSphere> pillars;
    for (int i = 0; i < kPillarCount; ++i) {
        const float r = radius(rng);
        pillars.push_back(CollisionSphere{{place(rng), r, place(rng)}, r});
    }
    CollisionChecker checker;
    checker.Initialize(walls, pillars);
    return checker;
}

struct Query {
    Float3 a;
    Float3 b;
    Float3 direction;
    bool tallOnly = false;
};

// Player positions 1 high and facings, 5 to 20 apart, as a melee or whip check would ask.
std::vector<Query> MakeQueries(std::size_t count) {
    std::mt19937 rng(5u);
    std::uniform_real_distribution<float> place(-kArenaHalfWidth, kArenaHalfWidth);
    std::uniform_real_distribution<float> angle(0.0f, 6.2831853f);
    std::uniform_real_distribution<float> reach(5.0f, 20.0f);
    std::vector<Query> queries(count);
    bool tallOnly = false;
    for (Query& q : queries) {
        const float turn = angle(rng);
        const float distance = reach(rng);
        q.a = {place(rng), 1.0f, place(rng)};
        q.b = {q.a.x + std::cos(turn) * distance, 1.0f, q.a.z + std::sin(turn) * distance};
        q.direction = {std::cos(turn), 0.1f, std::sin(turn)};
        q.tallOnly = tallOnly;
        tallOnly = !tallOnly;
    }
    return queries;
}

// Runs the query over every input until about a quarter of a second has passed; prints ns per call and the
// share of calls that answered yes (which also keeps the calls from being optimised away).
template <typename Test>
void Measure(const char* name, const std::vector<Query>& queries, Test test) {
    long long calls = 0;
    long long yes = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed{};
    while (elapsed < std::chrono::milliseconds(250)) {
        for (const Query& q : queries) {
            yes += test(q) ? 1 : 0;
        }
        calls += static_cast<long long>(queries.size());
        elapsed = Clock::now() - start;
    }
    const double ns = std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(calls);
    std::printf("%-30s %9.1f ns/call   %5.1f%% yes\n", name, ns, 100.0 * static_cast<double>(yes) / calls);
}

}  // namespace

int main() {
    const CollisionChecker checker = MakeArena();
    const std::vector<Query> queries = MakeQueries(4096);
    std::printf("%d walls, %d pillars\n", kWallCount, kPillarCount);
    Measure("IsLineBlocked", queries, [&](const Query& q) { return checker.IsLineBlocked(q.a, q.b, false); });
    Measure("IsLineBlocked (tallOnly)", queries,
            [&](const Query& q) { return checker.IsLineBlocked(q.a, q.b, true); });
    Measure("HitsObstacle", queries, [&](const Query& q) {
        return checker.HitsObstacle(MakeCollisionBox({q.a.x, 2.0f, q.a.z}, {0.3f, 0.1f, 0.3f}));
    });
    Measure("ObstacleRayDistance", queries, [&](const Query& q) {
        const Float3 origin{q.a.x, 0.1f, q.a.z};
        return checker.ObstacleRayDistance(origin, q.direction) < kMaxDashReach;
    });
    return 0;
}
