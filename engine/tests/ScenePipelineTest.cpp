// What the scene pipelines put on screen: orientation through every draw path, the depth test between
// models, instanced copies, skinning, line lists, the outline's rim and the reversed-shadow overlay.
#include <array>
#include <cmath>
#include <functional>
#include <span>
#include <string>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "SceneFixture.h"

namespace Lumaspace::test {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

// The camera looks along +z at a quad facing it (world x to the right of the picture, y up it).
std::vector<Vertex> FacingQuad(glm::vec3 centre, float halfSize) {
    return Quad(centre, {0.0f, 0.0f, -1.0f}, {0.0f, 1.0f, 0.0f}, halfSize, halfSize);
}

using ScenePipelineTest = SceneTest;

TEST_F(ScenePipelineTest, EveryDrawPathShowsTheTextureTheRightWayRound) {
    const std::vector<Vertex> quad = FacingQuad({0.0f, 0.0f, 0.0f}, 1.0f);
    const BufferHandle still = Upload(quad);
    const BufferHandle skinned = Upload(Skinned(quad, 0));
    const TextureHandle texture = Texture(Quadrants(16, 16, kRed, kGreen, kBlue, kWhite));
    m_engine->AddInstanceBuffer(1, {glm::mat4(1.0f)});
    const std::array<glm::mat4, 1> bones{glm::mat4(1.0f)};

    struct Case {
        const char* name;
        std::function<void(GE&)> draw;
        FrameOptions options;
        bool forward;
    };
    const Case cases[] = {
        {"G-buffers", [&](GE& e) { e.RenderScene(still, 6, glm::mat4(1.0f), texture, {}); }, {}, false},
        {"G-buffers with depth of field",
         [&](GE& e) { e.RenderScene(still, 6, glm::mat4(1.0f), texture, {}); },
         FrameOptions::WithDepthOfField(), false},
        {"instanced",
         [&](GE& e) { e.RenderInstanced(still, 6, glm::mat4(1.0f), texture, {}, 0); },
         {},
         false},
        {"skinned",
         [&](GE& e) {
             e.PrepareRenderAnimated();
             e.RenderAnimated(skinned, 6, glm::mat4(1.0f), texture, {}, bones);
         },
         {},
         false},
        {"forward", [&](GE& e) { e.RenderSceneForward(still, 6, glm::mat4(1.0f), texture, {}); }, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageRGBA frame;
        if (c.forward) {
            m_engine->Clear();
            m_engine->SetSceneDirectionalLight(m_light);
            m_engine->ResetRenderTarget();
            c.draw(*m_engine);
            frame = Frame();
        } else {
            frame = SceneFrame([&] { c.draw(*m_engine); }, c.options);
        }
        EXPECT_TRUE(Near(At(frame, {-0.5f, 0.5f, 0.0f}), kRed));
        EXPECT_TRUE(Near(At(frame, {0.5f, 0.5f, 0.0f}), kGreen));
        EXPECT_TRUE(Near(At(frame, {-0.5f, -0.5f, 0.0f}), kBlue));
        EXPECT_TRUE(Near(At(frame, {0.5f, -0.5f, 0.0f}), kWhite));
        EXPECT_TRUE(Near(At(frame, {1.3f, 0.0f, 0.0f}), kBlack));
    }
}

TEST_F(ScenePipelineTest, TheNearerBoxHidesTheFartherInEitherOrder) {
    const BufferHandle nearBox = Upload(Box({0.0f, 0.0f, 0.0f}, {0.5f, 0.5f, 0.5f}));
    const BufferHandle farBox = Upload(Box({0.5f, 0.0f, 3.0f}, {1.0f, 1.0f, 0.5f}));
    const TextureHandle red = Solid(kRed);
    const TextureHandle green = Solid(kGreen);
    for (bool nearFirst : {true, false}) {
        SCOPED_TRACE(nearFirst ? "near box first" : "far box first");
        const ImageRGBA frame = SceneFrame([&] {
            if (nearFirst) {
                m_engine->RenderScene(nearBox, 36, glm::mat4(1.0f), red, {});
            }
            m_engine->RenderScene(farBox, 36, glm::mat4(1.0f), green, {});
            if (!nearFirst) {
                m_engine->RenderScene(nearBox, 36, glm::mat4(1.0f), red, {});
            }
        });
        EXPECT_TRUE(Near(At(frame, {0.0f, 0.0f, -0.5f}), kRed));
        EXPECT_TRUE(Near(At(frame, {1.2f, 0.0f, 2.5f}), kGreen));
    }
}

TEST_F(ScenePipelineTest, InstancedDrawsDrawOneCopyPerInstanceLastWritten) {
    LookAt({0.0f, 0.0f, -10.0f}, {0.0f, 0.0f, 0.0f});
    const std::vector<glm::vec3> places = {{-2, 1, 0}, {2, 1, 0}, {-2, -1, 0}, {2, -1, 0}};
    std::vector<glm::mat4> matrices;
    for (const glm::vec3& place : places) {
        matrices.push_back(glm::translate(glm::mat4(1.0f), place));
    }
    const BufferHandle quad = Upload(FacingQuad({0.0f, 0.0f, 0.0f}, 0.4f));
    // As the client draws a run of props: the first member's world matrix with the run's instance buffer.
    const TextureHandle white = Solid(kWhite);
    m_engine->AddInstanceBuffer(4, matrices);

    struct Case {
        const char* name;
        std::function<void()> before;
        int index;
        std::size_t drawn;  // the first `drawn` places show a copy, the others none
    };
    const Case cases[] = {
        {"four instances", [] {}, 0, 4},
        {"an index no buffer has", [] {}, 7, 0},
        {"after rewriting two",
         [&] {
             m_engine->UpdateInstanceBuffers({matrices[0], matrices[1]}, 0);
         },
         0, 2},
        {"released", [&] { m_engine->ReleaseInstanceBuffer(0); }, 0, 0},
        {"a new buffer in the released index",
         [&] { EXPECT_EQ(m_engine->AddInstanceBuffer(3, matrices), 0); }, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        const ImageRGBA frame =
            SceneFrame([&] { m_engine->RenderInstanced(quad, 6, matrices[0], white, {}, c.index); });
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_TRUE(Near(At(frame, places[i]), i < c.drawn ? kWhite : kBlack)) << "place " << i;
        }
        EXPECT_TRUE(Near(At(frame, {0.0f, 0.0f, 0.0f}), kBlack));
    }
}

TEST_F(ScenePipelineTest, MovingABoneMovesOnlyTheVerticesWeightedToIt) {
    // Left square on bone 0, right square on bone 1, a third square on bone 40, which no list gives.
    std::vector<VertexAnimated> model = Skinned(FacingQuad({-1.0f, 0.0f, 0.0f}, 0.4f), 0);
    const std::vector<VertexAnimated> right = Skinned(FacingQuad({1.0f, 0.0f, 0.0f}, 0.4f), 1);
    const std::vector<VertexAnimated> unbound = Skinned(FacingQuad({0.0f, -1.2f, 0.0f}, 0.3f), 40);
    model.insert(model.end(), right.begin(), right.end());
    model.insert(model.end(), unbound.begin(), unbound.end());
    const BufferHandle buffer = Upload(model);
    const TextureHandle white = Solid(kWhite);

    const glm::mat4 raised = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    struct Case {
        const char* name;
        std::vector<glm::mat4> bones;
        bool rightRaised;
    };
    for (const Case& c : {Case{"bind pose", {glm::mat4(1.0f), glm::mat4(1.0f)}, false},
                          Case{"bone 1 raised", {glm::mat4(1.0f), raised}, true}}) {
        SCOPED_TRACE(c.name);
        const ImageRGBA frame = SceneFrame([&] {
            m_engine->PrepareRenderAnimated();
            m_engine->RenderAnimated(buffer, int(model.size()), glm::mat4(1.0f), white, {}, c.bones);
        });
        EXPECT_TRUE(Near(At(frame, {-1.0f, 0.0f, 0.0f}), kWhite));
        EXPECT_TRUE(Near(At(frame, {1.0f, 0.0f, 0.0f}), c.rightRaised ? kBlack : kWhite));
        EXPECT_TRUE(Near(At(frame, {1.0f, 1.0f, 0.0f}), c.rightRaised ? kWhite : kBlack));
        EXPECT_TRUE(Near(At(frame, {-1.0f, 1.0f, 0.0f}), kBlack));
        EXPECT_TRUE(Near(At(frame, {0.0f, -1.2f, 0.0f}), kWhite));  // bind pose
    }
}

TEST_F(ScenePipelineTest, LinesDrawEachPairOfVerticesAsItsOwnSegment) {
    // Two horizontal segments, one above the other: a strip would join them with a third.
    const std::array<glm::vec3, 4> points{glm::vec3(-1.0f, 0.5f, 0.0f), glm::vec3(1.0f, 0.5f, 0.0f),
                                          glm::vec3(-1.0f, -0.5f, 0.0f), glm::vec3(1.0f, -0.5f, 0.0f)};
    const BufferHandle buffer = m_engine->CreateDynamicBuffer(sizeof(points));
    m_engine->UpdateDynamicBuffer(buffer, std::as_bytes(std::span(points)));
    m_engine->Clear();
    m_engine->ResetRenderTarget();
    m_engine->RenderLines(buffer, 4, glm::vec3(0.0f, 1.0f, 0.0f), glm::mat4(1.0f));
    const ImageRGBA frame = Frame();
    const glm::vec4 top = m_projection * m_view * glm::vec4(0.0f, 0.5f, 0.0f, 1.0f);
    const glm::vec4 bottom = m_projection * m_view * glm::vec4(0.0f, -0.5f, 0.0f, 1.0f);
    const auto greenInRow = [&](const glm::vec4& clip) {
        const int row = int((0.5f - clip.y / clip.w * 0.5f) * kWindowHeight);
        int green = 0;
        for (int r = row - 1; r <= row + 1; ++r) {
            green += frame.At(kWindowWidth / 2, r)[1] > 128 ? 1 : 0;
        }
        return green;
    };
    EXPECT_GT(greenInRow(top), 0);
    EXPECT_GT(greenInRow(bottom), 0);
    // Nothing between them, where a joining segment (bottom-right of the first to top-left of the second)
    // would cross the centre.
    for (int row = kWindowHeight / 2 - 5; row <= kWindowHeight / 2 + 5; ++row) {
        for (int column = kWindowWidth / 2 - 5; column <= kWindowWidth / 2 + 5; ++column) {
            ASSERT_TRUE(Near(frame.At(column, row), kBlack)) << column << "," << row;
        }
    }
}

TEST_F(ScenePipelineTest, TheOutlineIsARimAroundTheSilhouetteAndNothingInside) {
    const std::vector<Vertex> square = FacingQuad({0.0f, 0.0f, 0.0f}, 1.0f);
    const BufferHandle buffer = Upload(Skinned(square, 0));
    const std::array<glm::mat4, 1> bones{glm::mat4(1.0f)};
    const Rgba yellow{255, 255, 0, 255};

    m_engine->Clear();
    m_engine->ClearOutlining();
    m_engine->SetOutliningPassOne();
    m_engine->RenderAnimatedOutliningDepth(buffer, 6, glm::mat4(1.0f), bones);
    m_engine->SetOutliningPassTwo();
    m_engine->RenderAnimatedOutlining(buffer, 6, glm::mat4(1.0f), bones, glm::vec4(1.0f, 1.0f, 0.0f, 1.0f));
    m_engine->ResetRenderTarget();
    m_engine->TurnOnDepthStencil();
    const ImageRGBA frame = Frame();

    // The square's right and top edges on screen (first pixel outside), then pixels just outside them, inside
    // the square and far from it.
    const glm::vec4 corner = m_projection * m_view * glm::vec4(1.0f, 1.0f, 0.0f, 1.0f);
    const int right = int(std::lround((corner.x / corner.w * 0.5f + 0.5f) * kWindowWidth));
    const int top = int(std::lround((0.5f - corner.y / corner.w * 0.5f) * kWindowHeight)) - 1;
    const int column = kWindowWidth / 2;
    const int row = kWindowHeight / 2;
    EXPECT_TRUE(Near(frame.At(right, row), yellow));
    EXPECT_TRUE(Near(frame.At(column, top), yellow));
    EXPECT_TRUE(Near(frame.At(column, row), kBlack));
    EXPECT_TRUE(Near(frame.At(right - 4, row), kBlack));
    EXPECT_TRUE(Near(frame.At(column, top + 5), kBlack));
    EXPECT_TRUE(Near(frame.At(right + 12, row), kBlack));
}

TEST_F(ScenePipelineTest, ReversedShadowsDarkenOnlyWhereTheVisibilityTextureHoldsZero) {
    // Straight down on a floor; the visibility texture covers 10 x 10 units around the origin: unseen on the
    // left half, seen on the right.
    LookAt({0.0f, 10.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    const glm::mat4 visibilityView = glm::lookAtLH(glm::vec3(0, 30, 0), glm::vec3(0), glm::vec3(0, 0, 1));
    m_engine->SetViewPolygonMatrix(visibilityView);
    m_engine->SetVisibilityProjectionPolygonMatrix(glm::orthoLH_ZO(-5.0f, 5.0f, -5.0f, 5.0f, 1.0f, 100.0f));
    const TextureHandle visibility = Texture(Quadrants(16, 16, kBlack, kWhite, kBlack, kWhite));
    const TextureHandle shadow = Solid({0, 0, 0, 128});
    const BufferHandle floor = Upload(Quad({0, 0, 0}, {0, 1, 0}, {0, 0, 1}, 8.0f, 8.0f));

    m_engine->SetClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    m_engine->Clear();
    m_engine->ResetRenderTarget();
    m_engine->TurnOnAlphaBlending();
    m_engine->RenderReversedShadows(floor, 6, visibility, shadow);
    m_engine->TurnOffAlphaBlending();
    const ImageRGBA frame = Frame();
    const Rgba grey{128, 128, 128, 255};
    EXPECT_TRUE(Near(At(frame, {-2.5f, 0.0f, 1.0f}), {64, 64, 64, 128}, 2));
    EXPECT_TRUE(Near(At(frame, {2.5f, 0.0f, -1.0f}), grey));
    EXPECT_TRUE(Near(At(frame, {-2.5f, 0.0f, -4.0f}), {64, 64, 64, 128}, 2));
}

}  // namespace
}  // namespace Lumaspace::test
