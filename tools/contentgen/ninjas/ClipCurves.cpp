#include "ninjas/ClipCurves.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegree = 3.14159265359f / 180.0f;

template <typename T, typename Blend>
T InterpolateWith(const std::vector<Key<T>>& keys, float t, Blend blend) {
    if (keys.empty()) {
        return T{};
    }
    if (t <= keys.front().time) {
        return keys.front().value;
    }
    for (std::size_t i = 1; i < keys.size(); ++i) {
        if (t <= keys[i].time) {
            const float span = keys[i].time - keys[i - 1].time;
            const float local = span > 0.0f ? (t - keys[i - 1].time) / span : 1.0f;
            return blend(keys[i - 1].value, keys[i].value, SmoothStep01(local));
        }
    }
    return keys.back().value;
}

}  // namespace

glm::quat Degrees(float pitch, float yaw, float roll) {
    return glm::angleAxis(yaw * kDegree, glm::vec3(0.0f, 1.0f, 0.0f)) *
           glm::angleAxis(pitch * kDegree, glm::vec3(1.0f, 0.0f, 0.0f)) *
           glm::angleAxis(roll * kDegree, glm::vec3(0.0f, 0.0f, 1.0f));
}

glm::quat Degrees(const glm::vec3& pitchYawRoll) {
    return Degrees(pitchYawRoll.x, pitchYawRoll.y, pitchYawRoll.z);
}

float Cycle(float phase) {
    return std::sin(6.28318530718f * phase);
}

float SmoothStep01(float t) {
    const float c = std::clamp(t, 0.0f, 1.0f);
    return c * c * (3.0f - 2.0f * c);
}

glm::vec3 Interpolate(const std::vector<Key<glm::vec3>>& keys, float t) {
    return InterpolateWith(keys, t,
                           [](const glm::vec3& a, const glm::vec3& b, float s) { return a + (b - a) * s; });
}

float Interpolate(const std::vector<Key<float>>& keys, float t) {
    return InterpolateWith(keys, t, [](float a, float b, float s) { return a + (b - a) * s; });
}

glm::vec3 InterpolateDirection(const std::vector<Key<glm::vec3>>& keys, float t) {
    return InterpolateWith(keys, t, [](const glm::vec3& a, const glm::vec3& b, float s) {
        const glm::vec3 na = glm::normalize(a);
        const glm::vec3 nb = glm::normalize(b);
        const float cosine = std::clamp(glm::dot(na, nb), -1.0f, 1.0f);
        const float angle = std::acos(cosine);
        if (angle < 1e-4f) {
            return na;
        }
        if (std::sin(angle) < 1e-4f) {
            return s < 0.5f ? na : nb;
        }
        // Spherical blend; directions half a turn apart are never keyed next to each other.
        return glm::normalize((std::sin((1.0f - s) * angle) * na + std::sin(s * angle) * nb) /
                              std::sin(angle));
    });
}

std::vector<Pose> SampleLoop(const Skeleton& skeleton, int frames,
                             const std::function<void(float, Pose&)>& shape) {
    std::vector<Pose> poses;
    for (int i = 0; i < frames; ++i) {
        Pose pose = RestPose(skeleton);
        shape(static_cast<float>(i) / static_cast<float>(frames), pose);
        poses.push_back(std::move(pose));
    }
    return poses;
}

std::vector<Pose> SampleOnce(const Skeleton& skeleton, int frames,
                             const std::function<void(float, Pose&)>& shape) {
    std::vector<Pose> poses;
    for (int i = 0; i < frames; ++i) {
        Pose pose = RestPose(skeleton);
        shape(frames > 1 ? static_cast<float>(i) / static_cast<float>(frames - 1) : 1.0f, pose);
        poses.push_back(std::move(pose));
    }
    return poses;
}
