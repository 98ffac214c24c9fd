// The depth-stencil, rasterizer and render-target switches of the frame protocol, seen through GUI quads:
// which of two overlapping quads survives, whether a mirrored quad is culled, where draws land, and the two
// outline passes leaving a ring around the first pass's silhouette.
#include <functional>
#include <string>

#include "GLTestWindow.h"

namespace Lumaspace::test {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};

class StateSwitchesTest : public GLEngineTest {
protected:
    void SetUp() override {
        GLEngineTest::SetUp();
        m_red = m_engine->CreateTextureFromPixels(1, 1, std::vector<std::uint8_t>{255, 0, 0, 255});
        m_green = m_engine->CreateTextureFromPixels(1, 1, std::vector<std::uint8_t>{0, 255, 0, 255});
    }

    Rgba Centre() { return Frame().At(kWindowWidth / 2, kWindowHeight / 2); }

    TextureHandle m_red;
    TextureHandle m_green;
};

TEST_F(StateSwitchesTest, DepthStatesDecideWhichOfTwoQuadsAtOneDepthSurvives) {
    struct Case {
        const char* name;
        std::function<void(GE&)> bind;
        Rgba expected;
    };
    const Case cases[] = {
        {"enabled: the first quad's depth stops the second", [](GE& e) { e.TurnOnDepthStencil(); }, kRed},
        {"particle: depth tested but not written", [](GE& e) { e.SetDepthStateForParticles(); }, kGreen},
        {"disabled", [](GE& e) { e.TurnOffDepthStencil(); }, kGreen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_engine->Clear();
        c.bind(*m_engine);
        m_engine->PrepareRenderGUI();
        m_engine->RenderGUI(ElementWorld(40, 40, 0, 0), m_red, 1.0f);
        m_engine->RenderGUI(ElementWorld(40, 40, 0, 0), m_green, 1.0f);
        EXPECT_TRUE(Near(Centre(), c.expected));
    }
}

TEST_F(StateSwitchesTest, BackfaceCullingDropsMirroredQuads) {
    for (bool culling : {true, false}) {
        SCOPED_TRACE(culling ? "culling on" : "culling off");
        m_engine->Clear();
        m_engine->TurnOffDepthStencil();
        if (culling) {
            m_engine->TurnOnBackfaceCulling();
        } else {
            m_engine->TurnOffBackfaceCulling();
        }
        m_engine->PrepareRenderGUI();
        m_engine->RenderGUI(ElementWorld(-40, 40, 0, 0), m_red,
                            1.0f);  // mirrored: counter-clockwise on screen
        EXPECT_TRUE(Near(Centre(), culling ? kBlack : kRed));
    }
}

TEST_F(StateSwitchesTest, OffscreenTargetsTakeTheDrawsUntilResetRenderTarget) {
    struct Case {
        const char* name;
        std::function<void(GE&)> bind;
    };
    const Case cases[] = {
        {"G-buffers", [](GE& e) { e.SetRenderTargetsForGBuffers(); }},
        {"forward target", [](GE& e) { e.SetForwardRenderTarget(); }},
        {"shadow map", [](GE& e) { e.BeginRenderToShadowMap(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_engine->Clear();
        m_engine->TurnOffDepthStencil();
        m_engine->PrepareRenderGUI();
        c.bind(*m_engine);
        m_engine->RenderGUI(ElementWorld(40, 40, 0, 0), m_red, 1.0f);
        EXPECT_TRUE(Near(Centre(), kBlack));
        m_engine->ResetRenderTarget();
        m_engine->RenderGUI(ElementWorld(40, 40, 0, 0), m_green, 1.0f);
        EXPECT_TRUE(Near(Centre(), kGreen));
    }
}

TEST_F(StateSwitchesTest, OutlinePassesDrawOnlyAroundTheFirstPassSilhouette) {
    // Pass one marks front faces in the outline depth-stencil buffer only; pass two draws where nothing was
    // marked. Back faces pass neither. A mirrored quad is a back face (culling is off for the passes here).
    struct Case {
        const char* name;
        bool mirroredFirst;
        bool mirroredSecond;
        Rgba centre;
        Rgba ring;
    };
    const Case cases[] = {
        {"front faces: a ring around the silhouette", false, false, kBlack, kRed},
        {"pass one back face marks nothing", true, false, kRed, kRed},
        {"pass two back face draws nothing", false, true, kBlack, kBlack},
    };
    for (const Case& c : cases) {  // each case also relies on ClearOutlining undoing the one before
        SCOPED_TRACE(c.name);
        m_engine->Clear();
        m_engine->TurnOffAlphaBlending();
        m_engine->TurnOffBackfaceCulling();
        m_engine->PrepareRenderGUI();
        m_engine->ClearOutlining();
        m_engine->SetOutliningPassOne();
        m_engine->RenderGUI(ElementWorld(c.mirroredFirst ? -40.0f : 40.0f, 40, 0, 0), m_green, 1.0f);
        m_engine->SetOutliningPassTwo();
        m_engine->RenderGUI(ElementWorld(c.mirroredSecond ? -60.0f : 60.0f, 60, 0, 0), m_red, 1.0f);
        m_engine->ResetRenderTarget();
        m_engine->TurnOnBackfaceCulling();
        m_engine->TurnOnDepthStencil();

        const ImageRGBA image = Frame();
        const int x = kWindowWidth / 2;
        const int y = kWindowHeight / 2;
        EXPECT_TRUE(Near(image.At(x, y), c.centre));  // pass one never draws colour
        EXPECT_TRUE(Near(image.At(x + 25, y), c.ring));
        EXPECT_TRUE(Near(image.At(x, y - 25), c.ring));
        EXPECT_TRUE(Near(image.At(x + 35, y), kBlack));  // beyond the enlarged quad
    }
}

}  // namespace
}  // namespace Lumaspace::test
