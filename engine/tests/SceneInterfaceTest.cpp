// The scene, composition, line-of-sight and effect operations on the null back end: each is recorded with its
// arguments, and what the engine keeps between calls (shadow map, point lights, sight blockers and the
// polygon) answers truthfully without GL.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"

namespace Lumaspace {
namespace {

class SceneInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false));
        m_engine->ClearRecordedCalls();
    }
    void TearDown() override { m_engine->Shutdown(); }

    GE* m_engine = GE::GetInstance();
};

glm::mat4 Numbered(float first) {
    glm::mat4 matrix;
    for (int i = 0; i < 16; ++i) {
        matrix[i / 4][i % 4] = first + static_cast<float>(i);
    }
    return matrix;
}

std::vector<float> Floats(const glm::mat4& matrix) {
    return std::vector<float>(&matrix[0][0], &matrix[0][0] + 16);
}

std::vector<float> Join(std::initializer_list<std::vector<float>> parts) {
    std::vector<float> all;
    for (const std::vector<float>& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(SceneInterfaceTest, EveryOperationIsRecordedWithItsArgumentsInOrder) {
    const BufferHandle buffer{7};
    const TextureHandle texture{8};
    const TextureHandle normalMap{9};
    const glm::mat4 world = Numbered(100.0f);
    const glm::mat4 other = Numbered(200.0f);
    const std::array<glm::mat4, 2> bones{Numbered(300.0f), Numbered(400.0f)};
    const DirectionalLight light{
        {1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {-1, -4, -2, 0}, {0, 40, -20, 0}};
    const std::vector<float> lightFloats{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, -1, -4, -2, 0, 0, 40, -20, 0};
    const std::vector<float> bonesFloats = Join({{2}, Floats(bones[0]), Floats(bones[1])});

    struct Case {
        const char* operation;
        std::function<void(GE&)> call;
        std::vector<float> values;
        std::uint32_t handle;
    };
    const Case cases[] = {
        {"PrepareRenderAnimated", [](GE& e) { e.PrepareRenderAnimated(); }, {}, 0},
        {"RenderAnimated", [&](GE& e) { e.RenderAnimated(buffer, 12, world, texture, normalMap, bones); },
         Join({{7, 12}, Floats(world), {8, 9}, bonesFloats}), 7},
        {"PrepareRenderScene", [](GE& e) { e.PrepareRenderScene(); }, {}, 0},
        {"RenderScene", [&](GE& e) { e.RenderScene(buffer, 3, world, texture, normalMap); },
         Join({{7, 3}, Floats(world), {8, 9}}), 7},
        {"RenderInstanced", [&](GE& e) { e.RenderInstanced(buffer, 3, world, texture, normalMap, 2); },
         Join({{7, 3}, Floats(world), {8, 9, 2}}), 7},
        {"RenderSceneForward", [&](GE& e) { e.RenderSceneForward(buffer, 3, world, texture, normalMap); },
         Join({{7, 3}, Floats(world), {8, 9}}), 7},
        {"RenderLines", [&](GE& e) { e.RenderLines(buffer, 4, glm::vec3(0, 0, 1), world); },
         Join({{7, 4, 0, 0, 1}, Floats(world)}), 7},
        {"RenderAnimatedOutliningDepth",
         [&](GE& e) { e.RenderAnimatedOutliningDepth(buffer, 6, world, bones); },
         Join({{7, 6}, Floats(world), bonesFloats}), 7},
        {"RenderAnimatedOutlining",
         [&](GE& e) { e.RenderAnimatedOutlining(buffer, 6, world, bones, glm::vec4(1, 0, 0, 1)); },
         Join({{7, 6}, Floats(world), bonesFloats, {1, 0, 0, 1}}), 7},
        {"RenderReversedShadows",
         [&](GE& e) { e.RenderReversedShadows(buffer, 6, texture, normalMap); },
         {7, 6, 8, 9},
         7},
        {"PrepareRenderDepth", [](GE& e) { e.PrepareRenderDepth(); }, {}, 0},
        {"RenderDepth", [&](GE& e) { e.RenderDepth(buffer, 3, world, texture); },
         Join({{7, 3}, Floats(world), {8}}), 7},
        {"PrepareRenderDepthInstanced", [](GE& e) { e.PrepareRenderDepthInstanced(); }, {}, 0},
        {"RenderDepthInstanced", [&](GE& e) { e.RenderDepthInstanced(buffer, 3, world, texture, 1); },
         Join({{7, 3}, Floats(world), {8, 1}}), 7},
        {"PrepareRenderAnimatedDepth", [](GE& e) { e.PrepareRenderAnimatedDepth(); }, {}, 0},
        {"RenderAnimatedDepth", [&](GE& e) { e.RenderAnimatedDepth(buffer, 12, world, texture, bones); },
         Join({{7, 12}, Floats(world), {8}, bonesFloats}), 7},
        {"SetViewAndProjection", [&](GE& e) { e.SetViewAndProjection(world, other); },
         Join({Floats(world), Floats(other)}), 0},
        {"SetLightViewAndProjection", [&](GE& e) { e.SetLightViewAndProjection(other, world); },
         Join({Floats(other), Floats(world)}), 0},
        {"SetSceneFog", [](GE& e) { e.SetSceneFog(0.0f, 500.0f, 0.01f); }, {0, 500, 0.01f}, 0},
        {"SetSceneDirectionalLight", [&](GE& e) { e.SetSceneDirectionalLight(light); }, lightFloats, 0},
        {"SetShadowMapDimensions", [](GE& e) { e.SetShadowMapDimensions(1920, 1080); }, {1920, 1080}, 0},
        {"SetShadowMap", [](GE& e) { e.SetShadowMap(); }, {}, 0},
        {"SetLightBuffer", [&](GE& e) { e.SetLightBuffer(texture); }, {8}, 8},
        {"AddNewPointLight",
         [](GE& e) {
             e.AddNewPointLight(PointLight{{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {4, 5, 6}, 7});
         },
         {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 5, 6, 7},
         0},
        {"SetPointLightLightBuffer", [&](GE& e) { e.SetPointLightLightBuffer(world); }, Floats(world), 0},
        {"SetScreenBuffer", [&](GE& e) { e.SetScreenBuffer(light, world, other); },
         Join({lightFloats, Floats(world), Floats(other)}), 0},
        {"Composition", [](GE& e) { e.Composition(); }, {}, 0},
        {"CompositionForward", [](GE& e) { e.CompositionForward(); }, {}, 0},
        {"SetSSAOBuffer", [&](GE& e) { e.SetSSAOBuffer(world); }, Floats(world), 0},
        {"RenderSSAO", [](GE& e) { e.RenderSSAO(); }, {}, 0},
        {"ClearSSAO", [](GE& e) { e.ClearSSAO(); }, {}, 0},
        {"ApplyDOF", [](GE& e) { e.ApplyDOF(); }, {}, 0},
        {"SetViewPolygonMatrix", [&](GE& e) { e.SetViewPolygonMatrix(world); }, Floats(world), 0},
        {"SetVisibilityProjectionPolygonMatrix",
         [&](GE& e) { e.SetVisibilityProjectionPolygonMatrix(other); }, Floats(other), 0},
        {"UpdateVisibilityTextureSize",
         [](GE& e) { e.UpdateVisibilityTextureSize(1920, 1080); },
         {1920, 1080},
         0},
        {"UpdateVisibilityMapBoundries",
         [](GE& e) {
             e.UpdateVisibilityMapBoundries(Point{-40, 30}, Point{40, -30});
         },
         {-40, 30, 40, -30},
         0},
        {"UpdateVisibilityPolygon",
         [](GE& e) {
             e.UpdateVisibilityPolygon(Point{2, -3}, 0.02f);
         },
         {2, -3, 0.02f},
         0},
        {"RenderVisibilityPolygon", [&](GE& e) { e.RenderVisibilityPolygon(true, texture); }, {1, 8}, 8},
        {"SS_AddStaticLine",
         [](GE& e) {
             e.SS_AddStaticLine(Line{{1, 2}, {3, 4}});
         },
         {1, 2, 3, 4},
         0},
        {"SS_ClearStaticLines", [](GE& e) { e.SS_ClearStaticLines(); }, {}, 0},
        {"SS_AddSmokeBomb",
         [](GE& e) {
             e.SS_AddSmokeBomb(Point{5, 6}, 0.02f);
         },
         {5, 6, 0.02f},
         0},
        {"SS_Update", [](GE& e) { e.SS_Update(0.5f); }, {0.5f}, 0},
        {"SS_DebugRender", [](GE& e) { e.SS_DebugRender(); }, {}, 0},
        {"RenderFoliage", [](GE& e) { e.RenderFoliage(); }, {}, 0},
        {"RenderParticles", [&](GE& e) { e.RenderParticles(buffer, 60, world, texture, true); },
         Join({{7, 60}, Floats(world), {8, 1}}), 7},
        {"PrepareRenderTrails", [](GE& e) { e.PrepareRenderTrails(); }, {}, 0},
        {"RenderTrail", [&](GE& e) { e.RenderTrail(buffer, 40, texture); }, {7, 40, 8}, 7},
        {"RenderSuddenDeath",
         [&](GE& e) { e.RenderSuddenDeath(buffer, 36, texture, 0.5f); },
         {7, 36, 8, 0.5f},
         7},
        {"RenderMarker", [&](GE& e) { e.RenderMarker(buffer, 30, world, texture); },
         Join({{7, 30}, Floats(world), {8}}), 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        m_engine->ClearRecordedCalls();
        c.call(*m_engine);
        ASSERT_EQ(m_engine->GetRecordedCalls().size(), 1u);
        const RecordedCall& call = m_engine->GetRecordedCalls()[0];
        EXPECT_EQ(call.operation, c.operation);
        EXPECT_EQ(call.values, c.values);
        EXPECT_EQ(call.handle, c.handle);
    }
}

TEST_F(SceneInterfaceTest, BeforeStartUpNothingIsKeptOrRecorded) {
    m_engine->Shutdown();
    m_engine = GE::GetInstance();
    m_engine->SetViewAndProjection(glm::mat4(1.0f), glm::mat4(1.0f));
    m_engine->SS_AddStaticLine(Line{{-5, 1}, {5, 1}});
    m_engine->UpdateVisibilityPolygon(Point{0, 0}, 0.0f);
    m_engine->AddNewPointLight(PointLight{});
    m_engine->SetPointLightLightBuffer(glm::mat4(1.0f));
    m_engine->SetShadowMap();
    EXPECT_FALSE(m_engine->IsVisibilityPointVisible(Point{0, 0}));
    EXPECT_TRUE(m_engine->GetVisibilityPolygon().empty());
    EXPECT_TRUE(m_engine->GetVisiblePointLights().empty());
    EXPECT_FALSE(m_engine->GetShadowMap());
    EXPECT_FALSE(m_engine->GetSceneShaderShadowMap());
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());
    ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false));
}

TEST_F(SceneInterfaceTest, SkinnedDrawsTakeAtMostThirtyBonesAndSaySoOnce) {
    const std::vector<glm::mat4> bones(kMaxBones + 5, glm::mat4(2.0f));
    m_engine->RenderAnimated(BufferHandle{1}, 3, glm::mat4(1.0f), {}, {}, bones);
    ASSERT_EQ(m_engine->GetRecordedCalls().size(), 1u);
    const RecordedCall& call = m_engine->GetRecordedCalls()[0];
    // buffer, count, world (16), texture, normal map, then the bone count.
    EXPECT_EQ(call.values.at(2 + 16 + 2), static_cast<float>(kMaxBones));
    EXPECT_EQ(call.values.size(), 2 + 16 + 2 + 1 + 16 * kMaxBones);

    // Every later long list is cut too, without another message.
    m_engine->RenderAnimatedDepth(BufferHandle{1}, 3, glm::mat4(1.0f), {}, bones);
    m_engine->RenderAnimatedOutlining(BufferHandle{1}, 3, glm::mat4(1.0f), bones, glm::vec4(1.0f));
    const auto& messages = m_engine->GetDiagnostics().Messages();
    EXPECT_EQ(std::count(messages.begin(), messages.end(),
                         "A skinned draw was given 35 bone matrices; only the first 30 are used."),
              1);
}

TEST_F(SceneInterfaceTest, TheScenesShadowMapIsTheEnginesOnceSet) {
    EXPECT_TRUE(m_engine->GetShadowMap());
    EXPECT_FALSE(m_engine->GetSceneShaderShadowMap());
    m_engine->SetShadowMap();
    EXPECT_EQ(m_engine->GetSceneShaderShadowMap(), m_engine->GetShadowMap());
    m_engine->ReleaseTexture(m_engine->GetShadowMap());
    EXPECT_TRUE(m_engine->GetDiagnostics().Contains(
        "Released a texture handle the engine does not know or owns itself."));
}

TEST_F(SceneInterfaceTest, PointLightsAreCulledEveryFrameAndEmptiedByTheComposition) {
    // Identity view: view space is world space. One light near the view, one far beside it.
    m_engine->AddNewPointLight(PointLight{{}, {}, {}, {5, 0, 0}, 3});
    m_engine->AddNewPointLight(PointLight{{}, {}, {}, {200, 0, 0}, 3});
    m_engine->SetPointLightLightBuffer(glm::mat4(1.0f));
    // The client's light and the two fixed lights at x = -33 and 33 (range 14, inside 44).
    ASSERT_EQ(m_engine->GetVisiblePointLights().size(), 3u);
    EXPECT_EQ(m_engine->GetVisiblePointLights()[0].position, glm::vec3(5, 0, 0));
    EXPECT_EQ(m_engine->GetPointLightBufferSize(), 3u);
    m_engine->CompositionForward();
    EXPECT_TRUE(m_engine->GetVisiblePointLights().empty());

    // Lights are added anew every frame: the next frame keeps only the fixed lights.
    m_engine->SetPointLightLightBuffer(glm::mat4(1.0f));
    EXPECT_EQ(m_engine->GetVisiblePointLights().size(), 2u);
}

TEST_F(SceneInterfaceTest, TheEngineKeepsTheBlockersAndAnswersWhatTheViewerSees) {
    // A wall across x = 5 from z = -10 to 10 inside a 60 x 60 search area, viewer at the origin.
    m_engine->UpdateVisibilityMapBoundries(Point{-30, 30}, Point{30, -30});
    m_engine->SS_AddStaticLine(Line{{5, -10}, {5, 10}});
    m_engine->UpdateVisibilityPolygon(Point{0, 0}, 0.016f);
    EXPECT_FALSE(m_engine->GetVisibilityPolygon().empty());
    EXPECT_TRUE(m_engine->IsVisibilityPointVisible(Point{-10, 0}));
    EXPECT_TRUE(m_engine->IsVisibilityPointVisible(Point{4, 0}));
    EXPECT_FALSE(m_engine->IsVisibilityPointVisible(Point{10, 0}));

    // A smoke bomb changes the polygon at once, around the viewer of the last update, and blocks sight for
    // 4.5 seconds.
    m_engine->SS_AddSmokeBomb(Point{-10, 0}, 0.016f);
    EXPECT_FALSE(m_engine->IsVisibilityPointVisible(Point{-20, 0}));
    m_engine->SS_Update(4.4f);
    EXPECT_FALSE(m_engine->IsVisibilityPointVisible(Point{-20, 0}));
    m_engine->SS_Update(0.2f);
    EXPECT_TRUE(m_engine->IsVisibilityPointVisible(Point{-20, 0}));

    // Clearing the level's lines opens the view again at the next update.
    m_engine->SS_ClearStaticLines();
    m_engine->UpdateVisibilityPolygon(Point{0, 0}, 0.016f);
    EXPECT_TRUE(m_engine->IsVisibilityPointVisible(Point{10, 0}));
}

TEST_F(SceneInterfaceTest, ByteBuffersMustHoldWholeVertexRecords) {
    struct Case {
        const char* name;
        BUFFERTYPE type;
        std::size_t bytes;
        float expectedCount;  // 0: refused
    };
    const Case cases[] = {
        {"three static vertices", BUFFERTYPE_STATIC, 3 * sizeof(Vertex), 3},
        {"two skinned vertices", BUFFERTYPE_ANIMATED, 2 * sizeof(VertexAnimated), 2},
        {"a static vertex and a half", BUFFERTYPE_STATIC, sizeof(Vertex) + 22, 0},
        {"static bytes read as skinned", BUFFERTYPE_ANIMATED, 3 * sizeof(Vertex), 0},
        {"no bytes", BUFFERTYPE_STATIC, 0, 0},
        {"an unknown type", static_cast<BUFFERTYPE>(2), 4 * sizeof(VertexAnimated), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_engine->ClearRecordedCalls();
        const std::vector<std::byte> bytes(c.bytes);
        const BufferHandle buffer = m_engine->CreateBuffer(c.type, std::span(bytes));
        EXPECT_EQ(static_cast<bool>(buffer), c.expectedCount > 0);
        if (c.expectedCount > 0) {
            ASSERT_EQ(m_engine->GetRecordedCalls().size(), 1u);
            EXPECT_EQ(m_engine->GetRecordedCalls()[0].values,
                      (std::vector<float>{static_cast<float>(c.type), c.expectedCount}));
        } else {
            EXPECT_TRUE(m_engine->GetRecordedCalls().empty());
            EXPECT_TRUE(m_engine->GetDiagnostics().Contains("Failed to create buffer."));
        }
    }
}

}  // namespace
}  // namespace Lumaspace
