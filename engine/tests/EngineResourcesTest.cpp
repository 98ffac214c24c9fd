// Creating and releasing the client's resources through GE, on the null back end: argument checks, messages,
// handles.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "TestImages.h"

namespace Lumaspace {
namespace {

class EngineResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false)); }
    void TearDown() override { m_engine->Shutdown(); }

    bool Said(const std::string& message) const { return m_engine->GetDiagnostics().Contains(message); }
    const RecordedCall& LastCall() const { return m_engine->GetRecordedCalls().back(); }

    GE* m_engine = GE::GetInstance();
};

TEST_F(EngineResourcesTest, CreateBufferReadsTheVectorTheTypeSelects) {
    const std::vector<Vertex> statics(3);
    const std::vector<VertexAnimated> animated(5);
    struct Case {
        BUFFERTYPE type;
        std::vector<Vertex> vertices;
        std::vector<VertexAnimated> animatedVertices;
        float expectedCount;  // 0: refused
    };
    const Case cases[] = {
        {BUFFERTYPE_STATIC, statics, {}, 3},         {BUFFERTYPE_STATIC, statics, animated, 3},
        {BUFFERTYPE_ANIMATED, statics, animated, 5}, {BUFFERTYPE_ANIMATED, statics, {}, 0},
        {BUFFERTYPE_STATIC, {}, animated, 0},        {static_cast<BUFFERTYPE>(2), statics, animated, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        m_engine->GetDiagnostics().Clear();
        const BufferHandle buffer = m_engine->CreateBuffer(c.type, c.vertices, c.animatedVertices);
        if (c.expectedCount == 0) {
            EXPECT_FALSE(buffer);
            EXPECT_TRUE(Said("Failed to create buffer."));
            EXPECT_EQ(Said("Invalid buffer type passed to CreateBuffer()."), c.type != 0 && c.type != 1);
        } else {
            ASSERT_TRUE(buffer);
            EXPECT_EQ(LastCall().operation, "CreateBuffer");
            EXPECT_EQ(LastCall().values, (std::vector<float>{static_cast<float>(c.type), c.expectedCount}));
        }
    }
}

TEST_F(EngineResourcesTest, HandlesAreNeverReusedAndStaleOnesAreRefused) {
    std::set<std::uint32_t> seen;
    for (int i = 0; i < 4; ++i) {
        const BufferHandle buffer = m_engine->CreateDynamicBuffer(48);
        ASSERT_TRUE(buffer);
        EXPECT_TRUE(seen.insert(buffer.id).second);
        m_engine->ReleaseBuffer(buffer);
    }
    m_engine->GetDiagnostics().Clear();
    m_engine->ReleaseBuffer(BufferHandle{*seen.begin()});
    EXPECT_TRUE(Said("Released a buffer handle the engine does not know."));

    m_engine->GetDiagnostics().Clear();
    m_engine->ReleaseBuffer(BufferHandle{});  // releasing nothing is not a fault
    m_engine->ReleaseTexture(TextureHandle{});
    EXPECT_TRUE(m_engine->GetDiagnostics().Messages().empty());
}

TEST_F(EngineResourcesTest, TheEnginesOwnTargetsCannotBeReleasedByTheClient) {
    const TextureHandle gBuffer0 = m_engine->GetPostProcessingTexture1();
    const TextureHandle gBuffer1 = m_engine->GetPostProcessingTexture2();
    ASSERT_TRUE(gBuffer0);
    ASSERT_TRUE(gBuffer1);
    EXPECT_NE(gBuffer0, gBuffer1);
    m_engine->ReleaseTexture(gBuffer0);
    EXPECT_TRUE(Said("Released a texture handle the engine does not know or owns itself."));
    EXPECT_EQ(m_engine->GetPostProcessingTexture1(), gBuffer0);
}

TEST_F(EngineResourcesTest, DynamicBufferUpdatesStayInsideTheBuffer) {
    const BufferHandle dynamic = m_engine->CreateDynamicBuffer(96);
    const BufferHandle immutable = m_engine->CreateBuffer(BUFFERTYPE_STATIC, {Vertex{}}, {});
    const std::vector<std::byte> fits(96);
    const std::vector<std::byte> tooLong(97);
    EXPECT_TRUE(m_engine->UpdateDynamicBuffer(dynamic, fits));
    EXPECT_TRUE(m_engine->UpdateDynamicBuffer(dynamic, std::span(fits).first(10)));
    EXPECT_TRUE(m_engine->GetDiagnostics().Messages().empty());

    EXPECT_FALSE(m_engine->UpdateDynamicBuffer(dynamic, tooLong));
    EXPECT_FALSE(m_engine->UpdateDynamicBuffer(immutable, fits));
    EXPECT_FALSE(m_engine->UpdateDynamicBuffer(BufferHandle{9999}, fits));
    EXPECT_EQ(m_engine->GetDiagnostics().Messages().size(), 3u);
    EXPECT_TRUE(Said("Failed to map dynamic vertex buffer."));

    EXPECT_FALSE(m_engine->CreateDynamicBuffer(0));
    EXPECT_TRUE(Said("Failed to create dynamic vertex buffer."));
}

TEST_F(EngineResourcesTest, Create2DTextureDecodesTheFileOrNamesIt) {
    test::TempDirectory folder("lumagrid-textures");
    const std::string png = (folder.Path() / "Picture.png").string();
    const std::string notAnImage = (folder.Path() / "Notes.png").string();
    const std::string missing = (folder.Path() / "Missing.png").string();
    ASSERT_TRUE(test::WritePng(png, test::Solid(6, 3, {1, 2, 3, 4})));
    std::ofstream(notAnImage) << "not a picture";

    const TextureHandle texture = m_engine->Create2DTexture(png);
    ASSERT_TRUE(texture);
    EXPECT_EQ(LastCall().operation, "Create2DTexture");
    EXPECT_EQ(LastCall().text, png);
    EXPECT_EQ(LastCall().values, (std::vector<float>{6, 3}));

    for (const std::string& path : {notAnImage, missing}) {
        EXPECT_FALSE(m_engine->Create2DTexture(path));
        EXPECT_TRUE(Said("Filepath: '" + path + "'!"));
    }
}

TEST_F(EngineResourcesTest, TextureFromPixelsNeedsFourBytesForEveryPixel) {
    EXPECT_TRUE(m_engine->CreateTextureFromPixels(2, 3, std::vector<std::uint8_t>(24)));
    struct Case {
        int width;
        int height;
        std::size_t bytes;
    };
    for (const Case& c :
         {Case{2, 3, 23}, Case{2, 3, 25}, Case{0, 3, 0}, Case{-2, -3, 24}, Case{1 << 20, 1, 4}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        m_engine->GetDiagnostics().Clear();
        EXPECT_FALSE(
            m_engine->CreateTextureFromPixels(c.width, c.height, std::vector<std::uint8_t>(c.bytes)));
        EXPECT_TRUE(Said("Invalid pixels passed to CreateTextureFromPixels()."));
    }
}

TEST_F(EngineResourcesTest, InstanceBuffersKeepTheirCountsAndRefuseOutOfRangeUpdates) {
    const std::vector<glm::mat4> three(3, glm::mat4(1.0f));
    m_engine->AddInstanceBuffer(0, three);
    m_engine->AddInstanceBuffer(-1, three);
    EXPECT_EQ(m_engine->GetNumberOfInstanceBuffer(), 0);

    m_engine->AddInstanceBuffer(3, three);
    m_engine->AddInstanceBuffer(5, three);  // fewer matrices than instances: the rest start as zero
    EXPECT_EQ(m_engine->GetNumberOfInstanceBuffer(), 2);
    EXPECT_EQ(LastCall().values, (std::vector<float>{5, 3}));
    EXPECT_TRUE(Said("Instance buffer given fewer matrices than instances; the rest start as zero."));

    m_engine->ClearRecordedCalls();
    m_engine->GetDiagnostics().Clear();
    m_engine->UpdateInstanceBuffers(three, 0);
    m_engine->UpdateInstanceBuffers(three, 1);
    EXPECT_EQ(m_engine->GetRecordedCalls().size(), 2u);
    EXPECT_TRUE(m_engine->GetDiagnostics().Messages().empty());

    const std::vector<glm::mat4> four(4, glm::mat4(1.0f));
    m_engine->UpdateInstanceBuffers(four, 0);   // more than buffer 0 holds
    m_engine->UpdateInstanceBuffers(three, 2);  // no such buffer
    m_engine->UpdateInstanceBuffers(three, -1);
    EXPECT_EQ(m_engine->GetRecordedCalls().size(), 2u);  // none of them reached the back end
    EXPECT_EQ(m_engine->GetDiagnostics().Messages().size(), 3u);
    EXPECT_TRUE(Said("Failed to update instance buffer."));
}

TEST_F(EngineResourcesTest, ReleasedInstanceBuffersLeaveTheirIndicesToTheNextOnes) {
    const std::vector<glm::mat4> three(3, glm::mat4(1.0f));
    EXPECT_EQ(m_engine->AddInstanceBuffer(3, three), 0);
    EXPECT_EQ(m_engine->AddInstanceBuffer(3, three), 1);
    EXPECT_EQ(m_engine->AddInstanceBuffer(3, three), 2);
    EXPECT_EQ(m_engine->AddInstanceBuffer(0, three), -1);

    m_engine->ReleaseInstanceBuffer(1);
    EXPECT_EQ(m_engine->GetNumberOfInstanceBuffer(), 2);
    EXPECT_EQ(LastCall().operation, "ReleaseInstanceBuffer");
    EXPECT_EQ(LastCall().values, (std::vector<float>{1}));

    // A released index names no buffer until it is given out again.
    m_engine->ClearRecordedCalls();
    m_engine->GetDiagnostics().Clear();
    m_engine->UpdateInstanceBuffers(three, 1);
    for (const int index : {1, -1, 3}) {
        m_engine->ReleaseInstanceBuffer(index);
    }
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());
    EXPECT_TRUE(Said("Failed to update instance buffer."));
    EXPECT_TRUE(Said("Released an instance buffer index that names no buffer."));

    EXPECT_EQ(m_engine->AddInstanceBuffer(2, three), 1);
    EXPECT_EQ(m_engine->AddInstanceBuffer(3, three), 3);
    EXPECT_EQ(m_engine->GetNumberOfInstanceBuffer(), 4);
    m_engine->ClearRecordedCalls();
    m_engine->UpdateInstanceBuffers(three, 1);  // more than the new buffer [1] holds
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());
}

}  // namespace
}  // namespace Lumaspace
