// The skeletal animations of a model: per animation a list of frames, each frame one tree of joints in the
// same pre-order (a node's position in that order is its joint index), and one record per joint.
//
// Trees hold their children by value, so copying an animation copies its trees and no two animations share
// a node. Trees are at most kMaxModelJoints deep (the loader enforces it), so walking one recursively is
// safe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shared/Float3.h"
#include "shared/Float4.h"
#include "shared/Float4x4.h"

struct JointNode {
    std::string name;
    Float3 translation;
    Float4 rotation;     // quaternion x, y, z, w
    Float4 orientation;  // quaternion x, y, z, w
    std::vector<JointNode> children;

    friend bool operator==(const JointNode&, const JointNode&) = default;
};

struct JointRecord {
    Float4x4 inverseBindPose;  // used by skinning
    Float4x4 extra;            // kept as written; no reader uses it

    friend bool operator==(const JointRecord&, const JointRecord&) = default;
};

struct ModelAnimation {
    std::string name;             // the animation player looks animations up by this name
    std::int32_t frameCount = 0;  // F; the file stores F - 1 frames (none when F is 0 or 1)
    std::int32_t jointCount = 0;  // J; every frame tree has at most J nodes
    std::vector<JointNode> frames;
    std::vector<JointRecord> joints;  // J records, by joint index

    friend bool operator==(const ModelAnimation&, const ModelAnimation&) = default;
};
