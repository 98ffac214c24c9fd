// Prints what one match frame of the NightTimeArena costs at 1280 x 1024, pass by pass, on whatever GL driver
// SDL finds (scene_bench.sh runs it on Mesa's llvmpipe under Xvfb and SDL's offscreen driver with 1, 2 and 3
// rasteriser threads). The view is fixed: the overhead match camera over the arena's centre, the static props
// the client keeps in view (a sphere of the model's horizontal radius + 10 against the frustum; with
// --every-prop all of them), drawn as the client draws them (a run of visible props of one model instanced, a
// single prop alone, the ground last), the animated props likewise, eight ninjas in the bind pose around the
// centre, the night light with its shadow map, the two fixed lights and one light per brazier, the
// line-of-sight overlay and outlines around the ninjas.
//
// For each set of effects (everything on, then one effect off per row, then ambient occlusion, depth of field
// and grass off together) it prints each pass's mean time, each pass bracketed by two Finish calls, and the
// whole frame's median and 95th percentile without brackets (one Finish after Present, so that a frame ends
// when it has been drawn).
//
// Options: --frames N (frames measured per row, default 300), --rows N (only the first N rows), --row K (only
// row K, from 1), --every-prop, --screenshot FILE (a PNG of the last frame of the first row measured).
#include <SDL.h>
#include <stb_image_write.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include "BenchEngine.h"
#include "Lumagrid/GE.h"
#include "client/world/Model.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"

using Lumaspace::GE;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr int kWarmUpFrames = 10;
constexpr int kNinjas = 8;
constexpr float kFrameTime = 1.0f / 60.0f;

enum Pass { kShadow, kGBuffer, kOutlines, kSSAO, kComposition, kForward, kDepthOfField, kPresent, kPasses };
constexpr const char* kPassNames[kPasses] = {"shadow",  "G-buffer", "outlines", "SSAO",
                                             "compose", "forward",  "DOF",      "present"};

struct Effects {
    const char* name;  // what is off
    bool ambientOcclusion = true;
    bool depthOfField = true;
    bool grass = true;
    bool outlines = true;
    bool overlay = true;
};

struct Placed {
    const Model* model;
    glm::mat4 world;
};

// A run of consecutive visible level props with one model, as the client draws them: one object alone, two
// or more instanced with the instance buffer of their group (the level file's run of that model).
struct Run {
    const Model* model;
    std::vector<glm::mat4> worlds;
    int instanceIndex;
};

struct Arena {
    std::size_t props = 0;         // in the level
    std::size_t visibleProps = 0;  // drawn
    std::vector<Run> runs;         // the ground's runs last
    std::vector<Placed> animated;  // animated props and the ninjas
    std::vector<Lumaspace::PointLight> lights;
    std::vector<glm::vec4> outlineColours;  // one per ninja, the ninjas being the last kNinjas animated
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    glm::mat4 lightView{1.0f};
    glm::mat4 lightProjection{1.0f};
    Lumaspace::DirectionalLight light;
    Lumaspace::TextureHandle shadowShapes;
};

// Scale 1, the rotation of (pitch, yaw, roll), then the position.
glm::mat4 World(const Float3& position, const Float3& rotation) {
    const glm::quat pitch = glm::angleAxis(rotation.x, glm::vec3(1, 0, 0));
    const glm::quat yaw = glm::angleAxis(rotation.y, glm::vec3(0, 1, 0));
    const glm::quat roll = glm::angleAxis(rotation.z, glm::vec3(0, 0, 1));
    return glm::translate(glm::mat4(1.0f), glm::vec3(position.x, position.y, position.z)) *
           glm::mat4_cast(yaw * pitch * roll);
}

const Model& ModelAt(const std::string& path) {
    return static_cast<const Model&>(ModelLibrary::GetInstance().Get(path));
}

// The client's test: a sphere of the model's horizontal radius + 10 around the position against the frustum.
bool InView(const glm::mat4& viewProjection, const glm::vec3& centre, float radius) {
    glm::vec4 rows[4];
    for (int i = 0; i < 4; ++i) {
        rows[i] =
            glm::vec4(viewProjection[0][i], viewProjection[1][i], viewProjection[2][i], viewProjection[3][i]);
    }
    const glm::vec4 planes[6] = {rows[3] + rows[0], rows[3] - rows[0], rows[3] + rows[1],
                                 rows[3] - rows[1], rows[2],           rows[3] - rows[2]};
    for (const glm::vec4& plane : planes) {
        if (glm::dot(glm::vec3(plane), centre) + plane.w < -radius * glm::length(glm::vec3(plane))) {
            return false;
        }
    }
    return true;
}

Arena BuildArena(GE& engine, bool everyProp) {
    Arena arena;
    const LevelData level("../Ombrin/Levels/NightTimeArena.ZMDL");

    // The overhead match camera over a player at the centre, and the shadow light that follows it.
    const glm::vec3 player(0.0f);
    arena.view = glm::lookAtLH(player + glm::vec3(0, 30, -15), player, glm::vec3(0, 1, 0));
    arena.projection = glm::perspectiveFovLH_ZO(0.7853982f, float(kWidth), float(kHeight), 0.1f, 1000.0f);
    const glm::mat4 viewProjection = arena.projection * arena.view;

    // Groups: consecutive records of one model share an instance buffer. Runs: consecutive visible members
    // of a group.
    const std::vector<LevelModel> props = level.GetModels();
    arena.props = props.size();
    std::vector<Run> ground;
    for (std::size_t first = 0; first < props.size();) {
        std::size_t end = first;
        std::vector<glm::mat4> group;
        while (end < props.size() && props[end].path == props[first].path) {
            group.push_back(World(props[end].position, props[end].rotation));
            ++end;
        }
        const int index = engine.GetNumberOfInstanceBuffer();
        engine.AddInstanceBuffer(static_cast<int>(group.size()), group);
        const Model& model = ModelAt(props[first].path);
        std::vector<Run>& runs = props[first].path.find("Ground") != std::string::npos ? ground : arena.runs;
        bool running = false;
        for (std::size_t i = first; i < end; ++i) {
            const Float3& at = props[i].position;
            if (!everyProp &&
                !InView(viewProjection, {at.x, at.y, at.z}, model.GetHorizontalRadius() + 10.0f)) {
                running = false;
                continue;
            }
            if (!running) {
                runs.push_back({&model, {}, index});
                running = true;
            }
            runs.back().worlds.push_back(group[i - first]);
            ++arena.visibleProps;
        }
        first = end;
    }
    arena.runs.insert(arena.runs.end(), ground.begin(), ground.end());
    for (const LevelModel& prop : level.GetAnimatedModels()) {
        const Model& model = ModelAt(prop.path);
        if (everyProp || InView(viewProjection, {prop.position.x, prop.position.y, prop.position.z},
                                model.GetHorizontalRadius() + 10.0f)) {
            arena.animated.push_back({&model, World(prop.position, prop.rotation)});
        }
    }
    for (int i = 0; i < kNinjas; ++i) {
        const float angle = static_cast<float>(i) * 6.2831853f / kNinjas;
        const std::string path = "../Ombrin/Models/Ninja" + std::to_string(i % 3 + 1) + "Shape.ZMD";
        const Float3 position{6.0f * std::cos(angle), 0.0f, 6.0f * std::sin(angle)};
        arena.animated.push_back({&ModelAt(path), World(position, {0.0f, -angle - 1.5707963f, 0.0f})});
        arena.outlineColours.push_back(i % 2 == 0 ? glm::vec4(1.0f, 0.2f, 0.2f, 1.0f)
                                                  : glm::vec4(0.2f, 0.4f, 1.0f, 1.0f));
    }
    for (const LevelEmitter& emitter : level.GetEmitters()) {
        if (emitter.type == EmitterType::BrazierFire) {
            Lumaspace::PointLight light;
            light.diffuse = {1.6f, 0.8f, 0.0f, 0.0f};
            light.specular = {0.8f, 0.4f, 0.0f, 0.0f};
            light.position = {emitter.position.x, emitter.position.y + 0.2f, emitter.position.z};
            light.range = 7.0f;
            arena.lights.push_back(light);
        }
    }

    arena.lightView = glm::lookAtLH(player + glm::vec3(25, 100, 50), player, glm::vec3(0, 1, 0));
    arena.lightProjection =
        glm::orthoLH_ZO(-kWidth / 26.0f, kWidth / 26.0f, -kHeight / 26.0f, kHeight / 26.0f, 0.1f, 1000.0f);
    arena.light.ambient = {0.045f, 0.085f, 0.12f, 1.0f};
    arena.light.diffuse = {0.18f, 0.34f, 0.48f, 1.0f};
    arena.light.specular = {0.77f, 0.94f, 0.94f, 1.0f};
    arena.light.direction = {-1.0f, -4.0f, -2.0f, 0.0f};
    arena.light.cameraPosition = glm::vec4(player + glm::vec3(0, 30, -15), 0.0f);

    engine.SetSceneFog(0.0f, 500.0f, 0.01f);
    engine.SetShadowMapDimensions(kWidth, kHeight);
    engine.SetViewAndProjection(arena.view, arena.projection);
    engine.SetLightViewAndProjection(arena.lightView, arena.lightProjection);
    for (const LevelShadowLine& line : level.GetShadowLines()) {
        engine.SS_AddStaticLine({{line.a.x, line.a.z}, {line.b.x, line.b.z}});
    }
    engine.UpdateVisibilityTextureSize(kWidth, kHeight);
    engine.SetVisibilityProjectionPolygonMatrix(glm::orthoLH_ZO(-30.0f, 30.0f, -28.0f, 28.0f, 0.1f, 1000.0f));
    arena.shadowShapes = engine.Create2DTexture("../Ombrin/2DTextures/Particles/ShadowShapeTexture.png");
    return arena;
}

// The processor time of the whole process (the rasteriser's threads included) in milliseconds: the work a
// pass costs, whatever else the machine runs meanwhile.
double Milliseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

double ProcessMilliseconds() {
    return Milliseconds(CLOCK_PROCESS_CPUTIME_ID);
}

// The same for the calling thread alone: the engine's own work and, on llvmpipe, vertex processing and
// binning (the rasteriser's threads shade the pixels).
double MainThreadMilliseconds() {
    return Milliseconds(CLOCK_THREAD_CPUTIME_ID);
}

// Calls Finish around each pass when timing passes; adds each pass's wall-clock and processor milliseconds to
// the totals.
class PassClock {
public:
    PassClock(GE& engine, bool bracket) : m_engine(engine), m_bracket(bracket) {}
    void Start() {
        if (m_bracket) {
            m_engine.Finish();
            m_start = Clock::now();
            m_startWork = ProcessMilliseconds();
            m_startMain = MainThreadMilliseconds();
        }
    }
    void Stop(Pass pass) {
        if (m_bracket) {
            m_engine.Finish();
            const Clock::time_point now = Clock::now();
            const double work = ProcessMilliseconds();
            const double main = MainThreadMilliseconds();
            totals[pass] += std::chrono::duration<double, std::milli>(now - m_start).count();
            workTotals[pass] += work - m_startWork;
            mainTotals[pass] += main - m_startMain;
            m_start = now;
            m_startWork = work;
            m_startMain = main;
        }
    }
    std::array<double, kPasses> totals{};
    std::array<double, kPasses> workTotals{};
    std::array<double, kPasses> mainTotals{};

private:
    GE& m_engine;
    bool m_bracket;
    Clock::time_point m_start;
    double m_startWork = 0.0;
    double m_startMain = 0.0;
};

const std::array<glm::mat4, 30> kBindPose = [] {
    std::array<glm::mat4, 30> bones;
    bones.fill(glm::mat4(1.0f));
    return bones;
}();

// One match frame in the engine's frame order.
void RenderFrame(GE& e, const Arena& arena, const Effects& effects, PassClock& clock) {
    clock.Start();
    e.Clear();
    e.BeginRenderToShadowMap();
    e.PrepareRenderAnimatedDepth();
    for (const Placed& placed : arena.animated) {
        e.RenderAnimatedDepth(placed.model->GetBuffer(), placed.model->GetVertexCount(), placed.world,
                              placed.model->GetTexture(), kBindPose);
    }
    e.PrepareRenderDepthInstanced();
    for (const Run& run : arena.runs) {
        if (run.worlds.size() > 1) {
            // Runs of one level group share its instance buffer: each is written right before its draw.
            e.UpdateInstanceBuffers(run.worlds, run.instanceIndex);
            e.RenderDepthInstanced(run.model->GetBuffer(), run.model->GetVertexCount(), run.worlds[0],
                                   run.model->GetTexture(), run.instanceIndex);
        }
    }
    e.PrepareRenderDepth();
    for (const Run& run : arena.runs) {
        if (run.worlds.size() == 1) {
            e.RenderDepth(run.model->GetBuffer(), run.model->GetVertexCount(), run.worlds[0],
                          run.model->GetTexture());
        }
    }
    e.SetShadowMap();
    e.SetSceneDirectionalLight(arena.light);
    clock.Stop(kShadow);

    e.ClearRenderTargetsForGBuffers();
    e.SetRenderTargetsForGBuffers();
    e.PrepareRenderAnimated();
    for (const Placed& placed : arena.animated) {
        e.RenderAnimated(placed.model->GetBuffer(), placed.model->GetVertexCount(), placed.world,
                         placed.model->GetTexture(), placed.model->GetNormalMapTexture(), kBindPose);
    }
    for (const Run& run : arena.runs) {
        if (run.worlds.size() > 1) {
            e.UpdateInstanceBuffers(run.worlds, run.instanceIndex);
            e.RenderInstanced(run.model->GetBuffer(), run.model->GetVertexCount(), run.worlds[0],
                              run.model->GetTexture(), run.model->GetNormalMapTexture(), run.instanceIndex);
        }
    }
    e.PrepareRenderScene();
    for (const Run& run : arena.runs) {
        if (run.worlds.size() == 1) {
            e.RenderScene(run.model->GetBuffer(), run.model->GetVertexCount(), run.worlds[0],
                          run.model->GetTexture(), run.model->GetNormalMapTexture());
        }
    }
    if (effects.grass) {
        e.RenderFoliage();
    }
    clock.Stop(kGBuffer);

    if (effects.ambientOcclusion) {
        e.SetSSAOBuffer(arena.projection);
        e.RenderSSAO();
    }
    clock.Stop(kSSAO);

    e.SetScreenBuffer(arena.light, arena.projection, arena.view);
    for (const Lumaspace::PointLight& light : arena.lights) {
        e.AddNewPointLight(light);
    }
    e.SetPointLightLightBuffer(arena.view);
    if (effects.depthOfField) {
        e.Composition();
        clock.Stop(kComposition);
        e.ApplyDOF();
        clock.Stop(kDepthOfField);
    } else {
        e.CompositionForward();
        clock.Stop(kComposition);
        clock.Stop(kDepthOfField);
    }

    e.SetForwardRenderTarget();
    e.TurnOnAlphaBlending();
    e.ResetRenderTarget();
    e.SetDepthStateForParticles();
    e.UpdateVisibilityMapBoundries({-40.0f, 38.0f}, {40.0f, -38.0f});
    e.SetViewPolygonMatrix(glm::lookAtLH(glm::vec3(0, 30, 0), glm::vec3(0), glm::vec3(0, 0, 1)));
    e.UpdateVisibilityPolygon({0.0f, 0.0f}, kFrameTime);
    e.RenderVisibilityPolygon(!effects.overlay, arena.shadowShapes);
    e.TurnOnDepthStencil();
    e.TurnOffAlphaBlending();
    clock.Stop(kForward);

    if (effects.outlines) {
        e.ClearOutlining();
        e.SetOutliningPassOne();
        for (int i = 0; i < kNinjas; ++i) {
            const Placed& ninja = arena.animated[arena.animated.size() - kNinjas + i];
            e.RenderAnimatedOutliningDepth(ninja.model->GetBuffer(), ninja.model->GetVertexCount(),
                                           ninja.world, kBindPose);
        }
        e.SetOutliningPassTwo();
        for (int i = 0; i < kNinjas; ++i) {
            const Placed& ninja = arena.animated[arena.animated.size() - kNinjas + i];
            e.RenderAnimatedOutlining(ninja.model->GetBuffer(), ninja.model->GetVertexCount(), ninja.world,
                                      kBindPose, arena.outlineColours[static_cast<std::size_t>(i)]);
        }
    }
    e.ResetRenderTarget();
    e.TurnOnDepthStencil();
    clock.Stop(kOutlines);

    e.Present();
    clock.Stop(kPresent);
}

struct Row {
    std::array<double, kPasses> passes{};
    std::array<double, kPasses> work{};
    std::array<double, kPasses> main{};
    double frameWork = 0.0;
    double p50 = 0.0;
    double p95 = 0.0;
};

Row Measure(GE& engine, const Arena& arena, const Effects& effects, int frames) {
    Row row;
    PassClock bracketed(engine, true);
    for (int i = 0; i < kWarmUpFrames; ++i) {
        RenderFrame(engine, arena, effects, bracketed);
    }
    bracketed.totals = {};
    bracketed.workTotals = {};
    bracketed.mainTotals = {};
    for (int i = 0; i < frames; ++i) {
        RenderFrame(engine, arena, effects, bracketed);
    }
    for (std::size_t pass = 0; pass < kPasses; ++pass) {
        row.passes[pass] = bracketed.totals[pass] / frames;
        row.work[pass] = bracketed.workTotals[pass] / frames;
        row.main[pass] = bracketed.mainTotals[pass] / frames;
    }

    PassClock free(engine, false);
    std::vector<double> times;
    const double workStart = ProcessMilliseconds();
    for (int i = 0; i < frames; ++i) {
        const Clock::time_point start = Clock::now();
        RenderFrame(engine, arena, effects, free);
        engine.Finish();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    row.frameWork = (ProcessMilliseconds() - workStart) / frames;
    std::sort(times.begin(), times.end());
    row.p50 = times[times.size() / 2];
    row.p95 = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    return row;
}

bool WriteScreenshot(GE& engine, const char* path) {
    Lumaspace::ImageRGBA image;
    return engine.ReadBackBuffer(image) &&
           stbi_write_png(path, image.width, image.height, 4, image.pixels.data(), image.width * 4) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    int frames = 300;
    int rowCount = 7;
    int onlyRow = 0;  // 1-based; 0: every row up to rowCount
    const char* screenshot = nullptr;
    bool everyProp = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--every-prop") == 0) {
            everyProp = true;
            continue;
        }
        if (i + 1 == argc) {
            break;
        }
        if (std::strcmp(argv[i], "--frames") == 0) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--rows") == 0) {
            rowCount = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--row") == 0) {
            onlyRow = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--screenshot") == 0) {
            screenshot = argv[++i];
        }
    }
    std::filesystem::current_path(OMBRIN_BIN_DIR);  // Shaders/ and ../Ombrin/ from the run layout
    SDL_Window* window = nullptr;
    GE* engine = StartBenchEngine("scene_bench", kWidth, kHeight, window);
    if (engine == nullptr) {
        return 1;
    }
    engine->SetClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    engine->ClearSSAO();
    const Model prototype;
    if (!ModelLibrary::GetInstance().LoadFolder(prototype)) {
        std::fprintf(stderr, "the models folder could not be read\n");
    }
    const Arena arena = BuildArena(*engine, everyProp);

    const char* driver = SDL_GetCurrentVideoDriver();
    const char* threads = std::getenv("LP_NUM_THREADS");
    std::printf("NightTimeArena match frame, %d x %d, SDL video driver %s, LP_NUM_THREADS %s, %s\n", kWidth,
                kHeight, driver != nullptr ? driver : "?", threads != nullptr ? threads : "(unset)",
                engine->GetVersion().c_str());
    long long vertices = 0;
    for (const Run& run : arena.runs) {
        vertices += static_cast<long long>(run.worlds.size()) * run.model->GetVertexCount();
    }
    for (const Placed& placed : arena.animated) {
        vertices += placed.model->GetVertexCount();
    }
    std::printf(
        "%zu of %zu props in view (the client's cull) in %zu runs, %zu animated models, %lld vertices a "
        "pass, %zu point lights (+2 fixed); %d frames per row\n",
        arena.visibleProps, arena.props, arena.runs.size(), arena.animated.size(), vertices,
        arena.lights.size(), frames);
    std::printf(
        "per pass: mean ms, each pass between two Finish calls (wall: elapsed; cpu: processor time of all\n"
        "threads, which the rest of the machine's load does not inflate) | whole frame without brackets\n");
    std::printf("%-22s %4s", "off", "");
    for (const char* pass : kPassNames) {
        std::printf(" %8s", pass);
    }
    std::printf(" | %8s %8s %6s\n", "p50", "p95", "fps");

    const Effects rows[] = {
        {"(nothing)"},
        {"SSAO", false},
        {"depth of field", true, false},
        {"grass", true, true, false},
        {"outlines", true, true, true, false},
        {"line-of-sight overlay", true, true, true, true, false},
        {"SSAO, DOF, grass", false, false, false},
    };
    std::span<const Effects> chosen = std::span(rows).first(std::min<std::size_t>(std::size(rows), rowCount));
    if (onlyRow > 0 && static_cast<std::size_t>(onlyRow) <= std::size(rows)) {
        chosen = std::span(rows).subspan(static_cast<std::size_t>(onlyRow) - 1, 1);
    }
    for (const Effects& effects : chosen) {
        if (!effects.ambientOcclusion) {
            engine->ClearSSAO();
        }
        const Row row = Measure(*engine, arena, effects, frames);
        std::printf("%-22s %4s", effects.name, "wall");
        for (double ms : row.passes) {
            std::printf(" %8.2f", ms);
        }
        std::printf(" | %8.2f %8.2f %6.1f\n", row.p50, row.p95, 1000.0 / row.p50);
        std::printf("%-22s %4s", "", "cpu");
        for (double ms : row.work) {
            std::printf(" %8.2f", ms);
        }
        std::printf(" | %8.2f mean\n", row.frameWork);
        std::printf("%-22s %4s", "", "main");
        for (double ms : row.main) {
            std::printf(" %8.2f", ms);
        }
        std::printf("\n");
        std::fflush(stdout);
        if (screenshot != nullptr && &effects == &chosen.front() && !WriteScreenshot(*engine, screenshot)) {
            std::fprintf(stderr, "could not write %s\n", screenshot);
        }
    }

    ModelLibrary::GetInstance().Clear();
    engine->Shutdown();
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
