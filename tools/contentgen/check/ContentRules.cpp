#include "check/ContentRules.h"

#include <algorithm>
#include <string_view>

const std::vector<ModelRule>& RequiredModels() {
    static const std::vector<ModelRule> rules = {
        {"Ninja1Shape.ZMD", ModelKind::Ninja, VolumeNeed::BodyBoxes},
        {"Ninja2Shape.ZMD", ModelKind::Ninja, VolumeNeed::BodyBoxes},
        {"Ninja3Shape.ZMD", ModelKind::Ninja, VolumeNeed::BodyBoxes},
        {"shurikenShape.ZMD", ModelKind::Static, VolumeNeed::HitBoxes},
        {"MegaShuriken_Shape.ZMD", ModelKind::Static, VolumeNeed::HitBoxes},
        {"KunaiShape.ZMD", ModelKind::Static, VolumeNeed::HitBoxes},
        {"TessenShape.ZMD", ModelKind::Static, VolumeNeed::HitBoxes},
        {"lotus_Shape.ZMD", ModelKind::Static, VolumeNeed::PickupBoxes},
        {"invisScroll_Shape.ZMD", ModelKind::Static, VolumeNeed::PickupBoxes},
        {"shield_Shape.ZMD", ModelKind::Static, VolumeNeed::PickupBoxes},
        {"Marker_CircleShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"Marker_ArrowEndShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"Marker_ArrowStartShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"Marker_ConeShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"SmokeBomb.ZMD", ModelKind::Static, VolumeNeed::None},
        {"CaltropBagShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"CaltropFieldTCRedShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"CaltropFieldTCBlueShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"StickyTrapJar.ZMD", ModelKind::Static, VolumeNeed::None},
        {"StickyTrap1Shape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"StickyTrap2Shape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"StickyTrap3Shape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"flashbang_Shape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"BigBirdShape.ZMD", ModelKind::Skinned, VolumeNeed::None},
        {"TreeShape.ZMD", ModelKind::Static, VolumeNeed::None},
        {"TeamRingShape.ZMD", ModelKind::Static, VolumeNeed::None},
    };
    return rules;
}

ModelRule RuleFor(const std::string& fileName) {
    for (const ModelRule& rule : RequiredModels()) {
        if (rule.fileName == fileName) {
            return rule;
        }
    }
    return ModelRule{fileName, ModelKind::Static, VolumeNeed::None};
}

const std::vector<ShapeRule>& ShapeRules() {
    static const std::vector<ShapeRule> rules = {
        {"Marker_CircleShape.ZMD", ShapeFact::UnitDiameter},
        {"TeamRingShape.ZMD", ShapeFact::UnitRadius},
        {"Marker_ArrowStartShape.ZMD", ShapeFact::TenthAlongX},
        {"Marker_ArrowEndShape.ZMD", ShapeFact::PointsAlongPlusX},
        {"KunaiShape.ZMD", ShapeFact::PointsAlongPlusZ},
    };
    return rules;
}

const std::array<const char*, 16>& NinjaClipNames() {
    static const std::array<const char*, 16> names = {"RunF",  "RunA",  "RunB",  "RunAB", "RunL",  "RunR",
                                                      "IdleL", "IdleA", "DeadL", "DeadA", "Melee", "Range",
                                                      "Tool",  "Spec1", "Spec2", "Turn"};
    return names;
}

bool IsLowerClip(const std::string& name) {
    static constexpr std::string_view kLower[] = {"RunF", "RunB", "RunL", "RunR", "IdleL", "DeadL", "Turn"};
    return std::find(std::begin(kLower), std::end(kLower), name) != std::end(kLower);
}

const std::vector<const char*>& NinjaJointNames() {
    static const std::vector<const char*> names = {
        "Hip",   "SpineIK", "trailJoint", "FootR",  "FootL",  "HipR",      "HipL",     "KneeR",
        "KneeL", "HandR",   "HandL",      "ElbowR", "ElbowL", "ShoulderR", "ShoulderL"};
    return names;
}

bool IsLowerOnlyJoint(const std::string& name) {
    return name == "FootR" || name == "FootL" || name == "HipR" || name == "HipL" || name == "KneeR" ||
           name == "KneeL";
}

bool IsUpperOnlyJoint(const std::string& name) {
    return name == "HandR" || name == "HandL" || name == "ElbowR" || name == "ElbowL" ||
           name == "ShoulderR" || name == "ShoulderL";
}
