// What the foliage pipeline writes into the G-buffers: blades over the floor where the mask is bright and
// none where it is dark, and no grass at all (with a working engine) from an empty or missing mask.
#include <fstream>
#include <optional>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "EffectScene.h"

namespace Lumaspace::test {
namespace {

constexpr int kMaskSide = 40;  // 20 x 20 world units round the origin

// Bright on the west half (x < 0), dark on the east half.
std::vector<std::uint8_t> HalfBrightMask() {
    std::vector<std::uint8_t> mask(kMaskSide * kMaskSide, 0);
    for (int row = 0; row < kMaskSide; ++row) {
        for (int column = 0; column < kMaskSide / 2; ++column) {
            mask[static_cast<std::size_t>(row * kMaskSide + column)] = 255;
        }
    }
    return mask;
}

// The G-buffers are cleared to the floor grey; a blade writes its picture's colour (black here, where the
// run folder has no grass picture).
bool IsBlade(const Rgba& colour) {
    return !Near(colour, {64, 64, 64, colour[3]}, 12);
}

TEST(FoliagePipelineTest, BladesCoverTheFloorWhereTheMaskIsBright) {
    struct Case {
        const char* name;
        std::optional<std::vector<std::uint8_t>> mask;  // nothing: no mask file
        bool grass;
    };
    const Case cases[] = {
        {"half bright", HalfBrightMask(), true},
        {"empty file", std::vector<std::uint8_t>{}, false},
        {"no file", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedRunDirectory run("lumagrid-foliage");
        if (c.mask) {
            std::filesystem::create_directories(run.DataFile("GrassMap"));
            std::ofstream(run.DataFile("GrassMap/grassMask.raw"), std::ios::binary)
                .write(reinterpret_cast<const char*>(c.mask->data()),
                       static_cast<std::streamsize>(c.mask->size()));
        }
        SDL_Window* window = OpenWindow();
        ASSERT_NE(window, nullptr);
        GE* engine = GE::GetInstance();
        ASSERT_TRUE(
            engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));

        // A match-like camera above and behind the origin: world x runs to the right of the picture.
        engine->SetViewAndProjection(
            glm::lookAtLH(glm::vec3(0.0f, 8.0f, -6.0f), glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f)),
            glm::perspectiveFovLH_ZO(1.0f, float(kWindowWidth), float(kWindowHeight), 1.0f, 100.0f));
        engine->SetSceneFog(0.0f, 500.0f, 0.01f);
        engine->SetClearColor(0.25f, 0.25f, 0.25f, 1.0f);
        engine->Clear();
        engine->ClearRenderTargetsForGBuffers();
        engine->SetRenderTargetsForGBuffers();
        engine->TurnOnDepthStencil();
        engine->TurnOnBackfaceCulling();
        engine->RenderFoliage();
        engine->ResetRenderTarget();
        // G-buffer 0 (colour) shown on the back buffer; the quad turns it upside down, which keeps left and
        // right.
        engine->TurnOffDepthStencil();
        engine->TurnOffAlphaBlending();
        engine->PrepareRenderGUI();
        engine->RenderGUI(ElementWorld(kWindowWidth, kWindowHeight, 0, 0),
                          engine->GetPostProcessingTexture1(), 1.0f);
        engine->TurnOnDepthStencil();
        engine->Present();
        ImageRGBA frame;
        ASSERT_TRUE(engine->ReadBackBuffer(frame));
        WritePng("/tmp/foliage-debug.png", frame);
        for (const auto& m : engine->GetDiagnostics().Messages())
            printf("%s\n", m.c_str());

        // The floor round the origin fills the middle of the picture; its west half is left of centre.
        int west = 0;
        int east = 0;
        int samples = 0;
        for (int row = kWindowHeight / 4; row < 3 * kWindowHeight / 4; ++row) {
            for (int column = 0; column < kWindowWidth / 2 - 30; ++column) {
                west += IsBlade(frame.At(column, row)) ? 1 : 0;
                east += IsBlade(frame.At(kWindowWidth - 1 - column, row)) ? 1 : 0;
                ++samples;
            }
        }
        if (c.grass) {
            EXPECT_GT(west, samples / 3) << west << " of " << samples;
        } else {
            EXPECT_EQ(west, 0);
        }
        EXPECT_EQ(east, 0);
        engine->Shutdown();
        CloseWindow(window);
    }
}

}  // namespace
}  // namespace Lumaspace::test
