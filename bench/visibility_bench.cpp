// Prints the cost of one visibility update on the default level (collecting the blockers for a screen-sized
// map rectangle, casting the rays, sorting them and building the fan) at a few viewer positions, with no and
// with three smoke bombs near the viewer, and the cost of one frame's point-light cull with 20 lights.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "MicrosecondsPerCall.h"
#include "lighting/PointLights.h"
#include "shared/LevelData.h"
#include "sight/ShadowShapes.h"
#include "sight/VisibilityPolygon.h"

using namespace Lumaspace;

namespace {

constexpr const char* kLevelPath = OMBRIN_DATA_DIR "/Levels/NightTimeArena.ZMDL";
// Half the world area the client searches: what the screen shows around the viewer, plus 10 on each side.
constexpr float kHalfWidth = 30.0f;
constexpr float kHalfDepth = 25.0f;

struct Place {
    const char* name;
    Point viewer;
};

void MeasureVisibility(const LevelData& level) {
    const Place places[] = {
        {"centre", {0.0f, 0.0f}},
        {"red spawn", {-38.0f, 2.0f}},
        {"north rune", {0.0f, 34.0f}},
        {"between lanes", {17.3f, -21.6f}},
        {"south-east corner", {36.0f, -44.0f}},
    };
    std::printf("visibility update (collect + rays + sort + fan), map rectangle %.0f x %.0f:\n",
                2 * kHalfWidth, 2 * kHalfDepth);
    std::printf("  %-18s %6s %6s %8s %10s\n", "viewer", "lines", "points", "polygon", "us/update");
    for (const int bombs : {0, 3}) {
        for (const Place& place : places) {
            ShadowShapes shapes;
            for (const LevelShadowLine& line : level.GetShadowLines()) {
                shapes.AddStaticLine({{line.a.x, line.a.z}, {line.b.x, line.b.z}});
            }
            const Point v = place.viewer;
            const Point bombOffsets[] = {{5.0f, 3.0f}, {-6.0f, -4.0f}, {2.0f, -9.0f}};
            for (int b = 0; b < bombs; ++b) {
                shapes.AddSmokeBomb({v.x + bombOffsets[b].x, v.y + bombOffsets[b].y});
            }
            shapes.SetMapRectangle({v.x - kHalfWidth, v.y + kHalfDepth},
                                   {v.x + kHalfWidth, v.y - kHalfDepth});
            VisibilityPolygon polygon;
            std::vector<Line> lines;
            std::vector<Point> points;
            lines.reserve(512);
            points.reserve(512);
            const double us = MicrosecondsPerCall([&] {
                shapes.CollectBlockers(lines, points);
                polygon.Compute(v, lines, points);
            });
            std::printf("  %-18s %6zu %6zu %8zu %10.2f%s\n", place.name, lines.size(), points.size(),
                        polygon.GetPolygon().size(), us, bombs > 0 ? "  (3 smoke bombs)" : "");
        }
    }
}

void MeasureLightCull() {
    constexpr int kLights = 20;
    std::mt19937 rng(5u);
    std::uniform_real_distribution<float> x(-44.0f, 44.0f);
    std::uniform_real_distribution<float> z(-51.0f, 51.0f);
    std::vector<PointLight> frameLights(kLights);
    for (PointLight& light : frameLights) {
        light.diffuse = {1.0f, 0.6f, 0.2f, 0.0f};
        light.position = {x(rng), 1.5f, z(rng)};
        light.range = 6.0f;
    }
    const glm::mat4 view = glm::lookAtLH(glm::vec3(0.0f, 40.0f, -20.0f), glm::vec3(0.0f, 0.0f, 0.0f),
                                         glm::vec3(0.0f, 1.0f, 0.0f));
    PointLights lights;
    std::size_t visible = 0;
    const double us = MicrosecondsPerCall([&] {
        for (const PointLight& light : frameLights) {
            lights.Add(light);
        }
        lights.BuildVisible(view);
        visible = lights.GetVisible().size();
        lights.ClearVisible();
    });
    std::printf("point-light cull, %d lights + 2 fixed: %.3f us per frame (%zu visible)\n", kLights, us,
                visible);
}

}  // namespace

int main() {
    const LevelData level(kLevelPath);
    if (level.GetShadowLines().empty()) {
        std::fprintf(stderr, "no shadow lines in %s (build the content target first)\n", kLevelPath);
        return 1;
    }
    std::printf("%zu shadow lines in %s\n", level.GetShadowLines().size(), kLevelPath);
    MeasureVisibility(level);
    MeasureLightCull();
    return 0;
}
