#include "shared/BaseModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <span>
#include <utility>

#include "shared/ConsoleLog.h"
#include "shared/ModelParser.h"

namespace {

// One read of the whole file into one buffer.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    std::error_code code;
    const std::uintmax_t size = std::filesystem::file_size(path, code);
    if (code) {
        error = "cannot open the file (" + code.message() + ")";
        return false;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        error = "cannot open the file";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        error = "cannot read the file";
        return false;
    }
    return true;
}

struct Extent {
    Float3 center;
    float horizontalRadius = 0.0f;
};

// The mean position (summed in double so that large models keep their precision) and the largest |x| or
// |z|. A model without vertices has its centre at 0.
template <typename V>
Extent MeasureVertices(const std::vector<V>& vertices) {
    Extent extent;
    if (vertices.empty()) {
        return extent;
    }
    double sumX = 0.0;
    double sumY = 0.0;
    double sumZ = 0.0;
    for (const V& v : vertices) {
        sumX += v.position.x;
        sumY += v.position.y;
        sumZ += v.position.z;
        extent.horizontalRadius =
            std::max({extent.horizontalRadius, std::abs(v.position.x), std::abs(v.position.z)});
    }
    const auto count = static_cast<double>(vertices.size());
    extent.center = Float3{static_cast<float>(sumX / count), static_cast<float>(sumY / count),
                           static_cast<float>(sumZ / count)};
    return extent;
}

}  // namespace

bool BaseModel::LoadModel(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    ModelFileData file;
    std::string error;
    if (!ReadWholeFile(path, bytes, error) || !ParseModelFile(std::span(bytes), file, error)) {
        LogProblem("Model not loaded: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    bytes = {};  // the parsed copy is all that is needed from here on
    Keep(file);
    return true;
}

void BaseModel::Keep(ModelFileData& file) {
    const Extent extent =
        file.animated ? MeasureVertices(file.animatedVertices) : MeasureVertices(file.vertices);
    m_center = extent.center;
    m_horizontalRadius = extent.horizontalRadius;
    m_boxes = std::move(file.boxes);
    m_spheres = std::move(file.spheres);
    m_points = std::move(file.points);
    KeepGraphicsData(file);
}

void BaseModel::KeepGraphicsData(ModelFileData& /*file*/) {}

void BaseModel::ReleaseAnimations() {
    for (ModelAnimation& animation : m_animations) {
        animation.frames.clear();
        animation.frames.shrink_to_fit();
    }
}

std::unique_ptr<BaseModel> BaseModel::CreateEmpty() const {
    return std::make_unique<BaseModel>();
}

void BaseModel::SetGraphicsResources(ModelResourceHandle vertexBuffer, ModelResourceHandle diffuseTexture,
                                     ModelResourceHandle normalMap) {
    m_vertexBuffer = vertexBuffer;
    m_diffuseTexture = diffuseTexture;
    m_normalMap = normalMap;
}
