// What the effect tests share: a camera straight above the origin (orthographic, 10 pixels per world unit on
// the test window, world x to the right of the picture and world z up it), world-to-pixel lookups, and
// dynamic vertex buffers filled with the records a test builds.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "GLTestWindow.h"

namespace Lumaspace::test {

constexpr float kPixelsPerUnit = 10.0f;

glm::mat4 TopDownView();
// An orthographic projection of the test window at the given scale.
glm::mat4 TopDownProjection(float pixelsPerUnit = kPixelsPerUnit);

// The pixel of the read-back picture that shows world (x, 0, z) from the top-down camera at that scale.
Rgba AtGround(const ImageRGBA& frame, float x, float z, float pixelsPerUnit = kPixelsPerUnit);

// A dynamic vertex buffer holding the records' bytes; the empty handle on failure.
template <class Record>
BufferHandle UploadRecords(GE& engine, std::span<const Record> records) {
    const BufferHandle buffer = engine.CreateDynamicBuffer(records.size_bytes());
    if (buffer) {
        engine.UpdateDynamicBuffer(buffer, std::as_bytes(records));
    }
    return buffer;
}

// Red, green and blue within tolerance (alpha blending leaves the source alpha in the back buffer, which
// nothing shows).
::testing::AssertionResult NearColour(const Rgba& actual, const Rgba& expected, int tolerance = 3);

// One channel's brightness, for comparisons where the hue does not matter.
int Brightness(const Rgba& colour);

// A run layout of its own for one test: bin/ with a copy of the engine's shaders (less the folders named)
// beside an empty Ombrin/ data folder, made the working directory until the object goes.
class ScopedRunDirectory {
public:
    ScopedRunDirectory(const std::string& name, std::initializer_list<const char*> shaderFoldersLeftOut = {});
    ~ScopedRunDirectory();
    ScopedRunDirectory(const ScopedRunDirectory&) = delete;
    ScopedRunDirectory& operator=(const ScopedRunDirectory&) = delete;

    // Where a data file at "../Ombrin/" + relative is read from.
    std::filesystem::path DataFile(const std::string& relative) const;

private:
    std::string m_previous;
    TempDirectory m_root;
};

// The engine on the test window with the top-down camera set, the back buffer cleared to floorGrey.
class EffectTest : public GLEngineTest {
protected:
    void SetUp() override;

    // Clears to the floor colour, runs draw, presents and returns the back buffer.
    template <class Draw>
    ImageRGBA DrawFrame(Draw draw) {
        m_engine->Clear();
        draw();
        m_engine->Present();
        return Frame();
    }

    TextureHandle SolidTexture(Rgba colour);

    static constexpr float kFloorGrey = 0.25f;
};

}  // namespace Lumaspace::test
