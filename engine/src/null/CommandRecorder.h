// Turns a command record into the null back end's RecordedCall: the operation's name, and every argument in
// the order the record lists it. Numbers and flags are one value each (a bool 0 or 1); a handle is its id,
// and the first handle of the call is also its `handle`; vectors, points and lines are their floats in order;
// a matrix is its 16 floats in memory order; a light is its floats field by field; a list of bone matrices is
// its length followed by every matrix.
#pragma once

#include <span>

#include "EngineCommands.h"
#include "Lumagrid/RecordedCall.h"

namespace Lumaspace {

class FieldRecorder {
public:
    explicit FieldRecorder(RecordedCall& call) : m_call(call) {}

    void operator()(float value) { m_call.values.push_back(value); }
    void operator()(int value) { m_call.values.push_back(static_cast<float>(value)); }
    void operator()(bool value) { m_call.values.push_back(value ? 1.0f : 0.0f); }
    void operator()(BufferHandle buffer) { Handle(buffer.id); }
    void operator()(TextureHandle texture) { Handle(texture.id); }
    void operator()(const Point& point) { Floats(&point.x, 2); }
    void operator()(const Line& line) {
        (*this)(line.start);
        (*this)(line.end);
    }
    void operator()(const glm::vec3& vector) { Floats(&vector.x, 3); }
    void operator()(const glm::vec4& vector) { Floats(&vector.x, 4); }
    void operator()(const glm::mat4& matrix) { Floats(&matrix[0][0], 16); }
    void operator()(const PointLight& light) {
        (*this)(light.ambient);
        (*this)(light.diffuse);
        (*this)(light.specular);
        (*this)(light.position);
        (*this)(light.range);
    }
    void operator()(const DirectionalLight& light) {
        (*this)(light.ambient);
        (*this)(light.diffuse);
        (*this)(light.specular);
        (*this)(light.direction);
        (*this)(light.cameraPosition);
    }
    void operator()(std::span<const glm::mat4> matrices) {
        (*this)(static_cast<int>(matrices.size()));
        for (const glm::mat4& matrix : matrices) {
            (*this)(matrix);
        }
    }

private:
    void Handle(std::uint32_t id) {
        if (!m_handleSeen) {
            m_call.handle = id;
            m_handleSeen = true;
        }
        m_call.values.push_back(static_cast<float>(id));
    }
    void Floats(const float* first, int count) {
        m_call.values.insert(m_call.values.end(), first, first + count);
    }

    RecordedCall& m_call;
    bool m_handleSeen = false;
};

// The recorded form of any command.
inline RecordedCall RecordCommand(const command::Command& any) {
    return std::visit(
        [](const auto& record) {
            RecordedCall call{record.kName, 0, {}, {}};
            FieldRecorder recorder(call);
            record.Fields(recorder);
            return call;
        },
        any);
}

}  // namespace Lumaspace
