// What the game expects of its data: the model files it names, which of them are skinned, the volumes
// they need, the ninjas' clip and joint names, and the level list.
#pragma once

#include <array>
#include <string>
#include <vector>

// The server's level list and the default level, as paths inside the data folder the tool writes.
inline constexpr const char* kLevelListInDataFolder = "Settings/ServerLevels.cfg";
inline constexpr const char* kDefaultLevelFile = "NightTimeArena.ZMDL";

enum class ModelKind {
    Ninja,    // skinned, the sixteen clips, body boxes
    Skinned,  // an animated level prop: skinned, at least two animations
    Static,
};

enum class VolumeNeed {
    None,
    HitBoxes,     // projectiles: boxes for the server's hit tests
    PickupBoxes,  // runes: boxes that meet a player's body box
    BodyBoxes,    // ninjas: the first box stands on the ground and reaches two units up
};

struct ModelRule {
    std::string fileName;
    ModelKind kind = ModelKind::Static;
    VolumeNeed volumes = VolumeNeed::None;
};

// Every model file the game names by path, with its rule.
const std::vector<ModelRule>& RequiredModels();
// The rule of a file in the models folder: the required rule, or a static model without needs (level
// props; a level's animated props are checked as such from the level).
ModelRule RuleFor(const std::string& fileName);

// Sizes and directions the game's placement code relies on.
enum class ShapeFact {
    UnitDiameter,      // the circle marker, scaled by twice the radius
    UnitRadius,        // the team ring
    TenthAlongX,       // the arrow body, stretched by ten times the distance
    PointsAlongPlusX,  // the arrow head, turned to heading - 1.57
    PointsAlongPlusZ,  // the kunai, turned to its heading
};
struct ShapeRule {
    const char* fileName;
    ShapeFact fact;
};
const std::vector<ShapeRule>& ShapeRules();

// The clip names every ninja model holds, by slot.
const std::array<const char*, 16>& NinjaClipNames();
// Whether a ninja clip plays on the lower body (legs and pelvis).
bool IsLowerClip(const std::string& name);
// The joints every ninja model has.
const std::vector<const char*>& NinjaJointNames();
// Joints that follow only the lower clip, and joints that follow only the upper clip.
bool IsLowerOnlyJoint(const std::string& name);
bool IsUpperOnlyJoint(const std::string& name);

inline constexpr int kMaxSkinJoints = 30;
