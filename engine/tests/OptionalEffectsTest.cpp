// Trails, the sudden-death sheet and aim markers are decoration: when their shader files are missing the
// engine says so and starts all the same, and their draws do nothing.
#include "EffectScene.h"

namespace Lumaspace::test {
namespace {

TEST(OptionalEffectsTest, MissingShadersSwitchTheEffectOffAndStartUpGoesOn) {
    ScopedRunDirectory run("lumagrid-optional-effects", {"Trail", "SuddenDeath", "Marker"});
    SDL_Window* window = OpenWindow();
    ASSERT_NE(window, nullptr);
    GE* engine = GE::GetInstance();
    EXPECT_TRUE(engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));
    for (const char* message :
         {"Failed to create trail vertex shader.", "Trails are switched off.",
          "Failed to create sudden death vertex shader.", "The sudden death sheet is switched off.",
          "Failed to create marker vertex shader.", "Aim markers are switched off."}) {
        EXPECT_TRUE(engine->GetDiagnostics().Contains(message)) << message;
    }

    // Each draw would cover the centre of the picture if its pipeline ran.
    const std::vector<TrailPoint> trail{{{-3, 0, 0}, 0, 2, 1, 0, glm::vec4(1.0f), 0},
                                        {{3, 0, 0}, 0, 2, 1, 0, glm::vec4(1.0f), 0}};
    const std::vector<SheetVertex> sheet{{{-5, 0, 5}, {0, 0}}, {{5, 0, 5}, {1, 0}}, {{0, 0, -5}, {0, 1}}};
    const std::vector<Vertex> marker{
        {{-5, 0, 5}, {0, 0}, {}, {}}, {{5, 0, 5}, {1, 0}, {}, {}}, {{0, 0, -5}, {0, 1}, {}, {}}};
    const BufferHandle trailBuffer = UploadRecords(*engine, std::span<const TrailPoint>(trail));
    const BufferHandle sheetBuffer = UploadRecords(*engine, std::span<const SheetVertex>(sheet));
    const BufferHandle markerBuffer = engine->CreateBuffer(BUFFERTYPE_STATIC, marker, {});
    const ImageRGBA picture = Solid(2, 2, {255, 255, 255, 255});
    const TextureHandle white = engine->CreateTextureFromPixels(2, 2, picture.pixels);
    engine->SetClearColor(0.25f, 0.25f, 0.25f, 1.0f);
    engine->SetViewAndProjection(TopDownView(), TopDownProjection());
    engine->Clear();
    engine->TurnOffBackfaceCulling();
    engine->PrepareRenderTrails();
    engine->RenderTrail(trailBuffer, 2, white);
    engine->RenderSuddenDeath(sheetBuffer, 3, white, 1.0f);
    engine->RenderMarker(markerBuffer, 3, glm::mat4(1.0f), white);
    engine->TurnOnBackfaceCulling();
    engine->Present();
    ImageRGBA frame;
    ASSERT_TRUE(engine->ReadBackBuffer(frame));
    EXPECT_TRUE(NearColour(frame.At(kWindowWidth / 2, kWindowHeight / 2), {64, 64, 64, 255}));

    engine->Shutdown();
    CloseWindow(window);
}

}  // namespace
}  // namespace Lumaspace::test
