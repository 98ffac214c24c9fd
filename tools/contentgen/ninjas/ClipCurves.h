// Small helpers for shaping motion over a clip: Euler rotations in degrees, eased key interpolation, and
// sampling a pose function into frames.
#pragma once

#include <functional>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include "ninjas/Skeleton.h"

// Degrees: roll about z first, then pitch about x, then yaw about y. In a ninja's frame (facing -z, its
// right at -x): positive pitch swings a hanging limb forwards, positive yaw turns towards the right,
// positive roll swings a hanging limb towards +x (the left side).
glm::quat Degrees(float pitch, float yaw = 0.0f, float roll = 0.0f);
glm::quat Degrees(const glm::vec3& pitchYawRoll);

// sin of a full turn at phase (0..1).
float Cycle(float phase);
float SmoothStep01(float t);

// A value over normalised time: keys (time 0..1, value), eased between neighbours, held beyond the ends.
template <typename T>
struct Key {
    float time;
    T value;
};
glm::vec3 Interpolate(const std::vector<Key<glm::vec3>>& keys, float t);
float Interpolate(const std::vector<Key<float>>& keys, float t);
// Directions are blended and kept at unit length.
glm::vec3 InterpolateDirection(const std::vector<Key<glm::vec3>>& keys, float t);

// frames poses from a function of normalised time. A loop samples t = i / frames, so that the last frame
// leads back into the first; a one-shot samples t = i / (frames - 1) and ends on t = 1.
std::vector<Pose> SampleLoop(const Skeleton& skeleton, int frames,
                             const std::function<void(float, Pose&)>& shape);
std::vector<Pose> SampleOnce(const Skeleton& skeleton, int frames,
                             const std::function<void(float, Pose&)>& shape);
