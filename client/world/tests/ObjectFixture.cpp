#include "client/world/tests/ObjectFixture.h"

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "Lumagrid/GE.h"
#include "client/world/Model.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

namespace ombrin::test {

namespace {

// Four corners at (+-radius, 0, +-radius): two triangles.
template <class V>
std::vector<V> Square(float radius) {
    std::vector<V> vertices(6);
    const Float3 corners[6] = {{-radius, 0, -radius}, {radius, 0, -radius}, {radius, 0, radius},
                               {-radius, 0, -radius}, {radius, 0, radius},  {-radius, 0, radius}};
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].position = corners[i];
    }
    return vertices;
}

std::string ModelFile(const ScratchRunLayout& layout, const std::string& name) {
    return (layout.Data() / "Models" / (name + "Shape.ZMD")).string();
}

}  // namespace

ViewFrustum LookingAlongZ() {
    const glm::mat4 view =
        glm::lookAtLH(glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::mat4 projection = glm::perspectiveLH_ZO(glm::radians(90.0f), 1.0f, 0.1f, 1000.0f);
    return ViewFrustum::FromCamera(view, projection);
}

void ObjectFixture::SetUp() {
    ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
    std::filesystem::create_directories(m_layout.Data() / "Models");
    std::filesystem::create_directories(m_layout.Data() / "Levels");
}

void ObjectFixture::TearDown() {
    ModelLibrary::GetInstance().Clear();
    Lumaspace::GE::GetInstance()->Shutdown();
}

void ObjectFixture::SaveStaticModel(const std::string& name, float radius,
                                    const std::vector<CollisionBox>& boxes,
                                    const std::vector<CollisionSphere>& spheres) {
    ModelFileData data;
    data.vertices = Square<::Vertex>(radius);
    data.boxes = boxes;
    data.spheres = spheres;
    std::string error;
    ASSERT_TRUE(SaveModelFile(ModelFile(m_layout, name), data, error)) << error;
}

void ObjectFixture::SaveAnimatedModel(const std::string& name, const std::vector<ModelAnimation>& animations,
                                      float radius) {
    ModelFileData data;
    data.animated = true;
    data.animatedVertices = Square<::VertexAnimated>(radius);
    for (::VertexAnimated& vertex : data.animatedVertices) {
        vertex.weights[0] = 1.0f;
    }
    data.animations = animations;
    std::string error;
    ASSERT_TRUE(SaveModelFile(ModelFile(m_layout, name), data, error)) << error;
}

void ObjectFixture::LoadModels() {
    const Model prototype;
    ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
}

std::string ObjectFixture::WriteLevel(const std::string& name, const std::vector<std::string>& entities) {
    std::string text = "Ombrin_level " + name + "\n";
    text += "Number of entities: " + std::to_string(entities.size() + 1) + "\n";
    text += "Number of collision boxes: 0\n";
    for (const std::string& entity : entities) {
        text += entity + "\n";
    }
    EXPECT_TRUE(WriteFile(m_layout.Data() / "Levels" / name, text));
    return "../Ombrin/Levels/" + name;
}

std::vector<Lumaspace::RecordedCall> Calls(const std::string& operation) {
    std::vector<Lumaspace::RecordedCall> calls;
    for (const Lumaspace::RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
        if (call.operation == operation) {
            calls.push_back(call);
        }
    }
    return calls;
}

std::vector<std::string> Diagnostics() {
    const auto& messages = Lumaspace::GE::GetInstance()->GetDiagnostics().Messages();
    return {messages.begin(), messages.end()};
}

void ClearCalls() {
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    Lumaspace::GE::GetInstance()->GetDiagnostics().Clear();
}

}  // namespace ombrin::test
