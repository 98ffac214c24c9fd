#include "EffectScene.h"

#include <cmath>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

namespace Lumaspace::test {

glm::mat4 TopDownView() {
    return glm::lookAtLH(glm::vec3(0.0f, 30.0f, 0.0f), glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f));
}

glm::mat4 TopDownProjection(float pixelsPerUnit) {
    const float halfWidth = kWindowWidth / pixelsPerUnit / 2.0f;
    const float halfHeight = kWindowHeight / pixelsPerUnit / 2.0f;
    return glm::orthoLH_ZO(-halfWidth, halfWidth, -halfHeight, halfHeight, 1.0f, 100.0f);
}

Rgba AtGround(const ImageRGBA& frame, float x, float z, float pixelsPerUnit) {
    const int column = static_cast<int>(std::floor(kWindowWidth / 2.0f + x * pixelsPerUnit));
    const int row = static_cast<int>(std::floor(kWindowHeight / 2.0f - z * pixelsPerUnit));
    return frame.At(column, row);
}

::testing::AssertionResult NearColour(const Rgba& actual, const Rgba& expected, int tolerance) {
    return Near({actual[0], actual[1], actual[2], 255}, {expected[0], expected[1], expected[2], 255},
                tolerance);
}

int Brightness(const Rgba& colour) {
    return (int(colour[0]) + int(colour[1]) + int(colour[2])) / 3;
}

ScopedRunDirectory::ScopedRunDirectory(const std::string& name,
                                       std::initializer_list<const char*> shaderFoldersLeftOut)
    : m_previous(BinDirectory()), m_root(name) {
    const std::filesystem::path bin = m_root.Path() / "bin";
    std::filesystem::create_directories(m_root.Path() / "Ombrin");
    std::filesystem::create_directories(bin);
    std::filesystem::copy(std::filesystem::path(m_previous) / "Shaders", bin / "Shaders",
                          std::filesystem::copy_options::recursive);
    for (const char* folder : shaderFoldersLeftOut) {
        std::filesystem::remove_all(bin / "Shaders" / folder);
    }
    std::filesystem::current_path(bin);
}

ScopedRunDirectory::~ScopedRunDirectory() {
    std::filesystem::current_path(m_previous);
}

std::filesystem::path ScopedRunDirectory::DataFile(const std::string& relative) const {
    return m_root.Path() / "Ombrin" / relative;
}

void EffectTest::SetUp() {
    GLEngineTest::SetUp();
    if (m_engine == nullptr) {
        return;
    }
    m_engine->SetClearColor(kFloorGrey, kFloorGrey, kFloorGrey, 1.0f);
    m_engine->SetViewAndProjection(TopDownView(), TopDownProjection());
}

TextureHandle EffectTest::SolidTexture(Rgba colour) {
    const ImageRGBA image = Solid(4, 4, colour);
    return m_engine->CreateTextureFromPixels(image.width, image.height, image.pixels);
}

}  // namespace Lumaspace::test
