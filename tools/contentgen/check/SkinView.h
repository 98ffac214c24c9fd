// A skinned model as the skin checks see it: its animations, and the joint tree of its first frame
// flattened in pre-order (a joint's position in that order is its joint index).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "check/InspectedModel.h"

struct FlatJoint {
    const JointNode* node;
    int parent;  // -1 for the root
};

std::vector<FlatJoint> FlattenTree(const JointNode& root);

// The angle of a rotation, and between two rotations, in radians.
float RotationAngle(const Float4& q);
float AngleBetween(const Float4& a, const Float4& b);

class SkinView {
public:
    SkinView(std::string fileName, const InspectedModel& model);

    const std::string& FileName() const { return m_fileName; }
    const ModelFileData& File() const { return m_file; }
    const std::vector<ModelAnimation>& Animations() const { return m_animations; }
    // The animation of this name (a later one of the same name wins, as in the game), or nullptr.
    const ModelAnimation* Clip(const std::string& name) const;

    // Flattens the first frame of the first animation; false when there is none.
    bool Index();
    const std::vector<FlatJoint>& Joints() const { return m_joints; }
    int Joint(const std::string& name) const;  // -1 when missing
    bool Descends(int joint, int ancestor) const;

private:
    std::string m_fileName;
    const ModelFileData& m_file;
    std::vector<ModelAnimation> m_animations;
    std::vector<FlatJoint> m_joints;
    std::map<std::string, int> m_index;
};
