// Prints the cost of each intersection test in nanoseconds per call, over a fixed set of random shapes placed
// near each other so that hits and misses mix.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "hitcalc/Intersections.h"

using IntersectionTests::Intersections;
using IntersectionTests::XMFLOAT3;
using IntersectionTests::XMFLOAT4;
using Clock = std::chrono::steady_clock;

namespace {

struct Input {
    XMFLOAT3 c1, h1, c2, h2, origin, direction;
    XMFLOAT4 q1, q2;
    float r1 = 0.0f;
    float r2 = 0.0f;
};

XMFLOAT4 RandomTurn(std::mt19937& rng) {
    std::normal_distribution<float> normal;
    return {normal(rng), normal(rng), normal(rng), normal(rng)};
}

std::vector<Input> MakeInputs(std::size_t count) {
    std::mt19937 rng(7u);
    std::uniform_real_distribution<float> place(-3.0f, 3.0f);
    std::uniform_real_distribution<float> size(0.2f, 2.0f);
    std::vector<Input> inputs(count);
    for (Input& in : inputs) {
        in.c1 = {place(rng), place(rng), place(rng)};
        in.c2 = {place(rng), place(rng), place(rng)};
        in.h1 = {size(rng), size(rng), size(rng)};
        in.h2 = {size(rng), size(rng), size(rng)};
        in.q1 = RandomTurn(rng);
        in.q2 = RandomTurn(rng);
        in.r1 = size(rng);
        in.r2 = size(rng);
        in.origin = {place(rng) * 3.0f, place(rng) * 3.0f, place(rng) * 3.0f};
        in.direction = {in.c1.x - in.origin.x + place(rng), in.c1.y - in.origin.y + place(rng),
                        in.c1.z - in.origin.z + place(rng)};
    }
    return inputs;
}

// Runs the test over every input until about a quarter of a second has passed; prints ns per call and the
// share of calls that answered yes (which also keeps the calls from being optimised away).
template <typename Test>
void Measure(const char* name, const std::vector<Input>& inputs, Test test) {
    long long calls = 0;
    long long yes = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed{};
    while (elapsed < std::chrono::milliseconds(250)) {
        for (const Input& in : inputs) {
            yes += test(in) ? 1 : 0;
        }
        calls += static_cast<long long>(inputs.size());
        elapsed = Clock::now() - start;
    }
    const double ns = std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(calls);
    std::printf("%-22s %8.2f ns/call   %5.1f%% yes\n", name, ns, 100.0 * static_cast<double>(yes) / calls);
}

}  // namespace

int main() {
    const std::vector<Input> inputs = MakeInputs(4096);
    Measure("SphereSphereCollision", inputs,
            [](const Input& in) { return Intersections::SphereSphereCollision(in.c1, in.r1, in.c2, in.r2); });
    Measure("OBBSphereCollision", inputs, [](const Input& in) {
        return Intersections::OBBSphereCollision(in.c1, in.h1, in.q1, in.c2, in.r2);
    });
    Measure("OBBOBBCollision", inputs, [](const Input& in) {
        return Intersections::OBBOBBCollision(in.c1, in.h1, in.q1, in.c2, in.h2, in.q2);
    });
    Measure("BoxBoxCollision", inputs,
            [](const Input& in) { return Intersections::BoxBoxCollision(in.c1, in.h1, in.c2, in.h2); });
    Measure("RayOBBCollision", inputs, [](const Input& in) {
        float distance = 0.0f;
        return Intersections::RayOBBCollision(in.origin, in.direction, in.c1, in.h1, in.q1, distance);
    });
    Measure("RaySphereCollision", inputs, [](const Input& in) {
        float distance = 0.0f;
        const XMFLOAT4 d{in.direction.x, in.direction.y, in.direction.z, 0.0f};
        return Intersections::RaySphereCollision(in.origin, d, in.c1, in.r1, distance);
    });
    Measure("RayBoxCollision", inputs, [](const Input& in) {
        return Intersections::RayBoxCollision(in.origin, in.direction, in.c1, in.h1) > 0.0f;
    });
    return 0;
}
