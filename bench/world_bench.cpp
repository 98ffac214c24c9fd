// Prints what one ObjectManager::Update costs on the NightTimeArena: finding the props in view (a sphere of
// the model's horizontal radius + 10 against the frustum), swaying the foliage among them, splitting them
// into runs and writing each instanced run's matrices, for three views: the menu's overview, the match
// camera over the arena's centre (with a collision manager told the volumes in view), and every prop in
// view. First on the null engine (the client's own work), then on the GL engine on a window of its own
// (the instance uploads included) when one can be opened.
//
// Options: --null (the null engine only).
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "BenchEngine.h"
#include "Lumagrid/GE.h"
#include "MicrosecondsPerCall.h"
#include "client/world/CollisionManager.h"
#include "client/world/Model.h"
#include "client/world/ObjectManager.h"
#include "client/world/ViewFrustum.h"
#include "shared/ModelLibrary.h"

using Lumaspace::GE;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr double kFrameTime = 1.0 / 60.0;
constexpr const char* kLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";

struct View {
    const char* name;
    ViewFrustum frustum;
    bool collision;
};

ViewFrustum Looking(const glm::vec3& eye, const glm::vec3& target) {
    const glm::mat4 view = glm::lookAtLH(eye, target, glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::mat4 projection = glm::perspectiveLH_ZO(0.7853982f, static_cast<float>(kWidth) / kHeight, 0.1f,
                                                       ViewFrustum::kFarDistance);
    return ViewFrustum::FromCamera(view, projection);
}

void Measure(const char* engineName) {
    ObjectManager manager;
    if (!manager.Initialize(kLevel)) {
        std::fprintf(stderr, "%s not loaded\n", kLevel);
        return;
    }
    const View views[] = {
        {"menu overview", Looking({0.0f, 40.0f, -24.0f}, {0.0f, 7.5f, 0.0f}), false},
        {"match camera, with collision", Looking({0.0f, 30.0f, -15.0f}, {0.0f, 0.0f, 0.0f}), true},
        {"every prop in view", ViewFrustum(), false},
    };
    CollisionManager collision;
    std::printf("%s engine: %zu props in %zu groups, %zu animated props\n", engineName,
                manager.GetStaticObjects().size(), manager.GetInstanceBuffers().size(),
                manager.GetAnimatedObjects().size());
    std::printf("  %-30s %8s %6s %10s %12s\n", "view", "in view", "runs", "instanced", "us/Update");
    for (const View& view : views) {
        manager.SetViewFrustum(view.frustum);
        CollisionManager* sink = view.collision ? &collision : nullptr;
        manager.Update(kFrameTime, sink);
        std::size_t instanced = 0;
        for (const ObjectManager::Run& run : manager.GetRuns()) {
            instanced += run.Size() > 1 ? 1 : 0;
        }
        const double microseconds = MicrosecondsPerCall([&] { manager.Update(kFrameTime, sink); });
        std::printf("  %-30s %8zu %6zu %10zu %12.2f\n", view.name, manager.GetVisibleStatic().size(),
                    manager.GetRuns().size(), instanced, microseconds);
        if (GE* engine = GE::GetInstanceIfCreated()) {
            engine->Finish();
        }
    }
}

void LoadModels() {
    const Model prototype;
    ModelLibrary::GetInstance().LoadFolder(prototype);
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::current_path(OMBRIN_BIN_DIR);  // Shaders/ and ../Ombrin/ from the run layout
    const bool nullOnly = argc > 1 && std::strcmp(argv[1], "--null") == 0;

    GE::GetInstance()->InitializeNull(kWidth, kHeight, kWidth, kHeight, false);
    LoadModels();
    Measure("null");
    ModelLibrary::GetInstance().Clear();
    GE::GetInstance()->Shutdown();
    if (nullOnly) {
        return 0;
    }

    SDL_Window* window = nullptr;
    GE* engine = StartBenchEngine("world_bench", kWidth, kHeight, window);
    if (engine == nullptr) {
        return 1;
    }
    LoadModels();
    Measure("GL");
    ModelLibrary::GetInstance().Clear();
    engine->Shutdown();
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
