// A level as the tool designs it, in game coordinates (left-handed, y up, ground at y = 0): the collision
// boxes and the entities in the order they are written. The layout names every entity after the naming
// rules the level loader classifies by (model "<Model>_<k>", "<Model>_Animated_<k>",
// "ParticleEmitter_<Keyword>_<k>", "spawnPoint<k>_<team>", "POI_<Kind>_<k>", "ShadowShapes<k>_A/B").
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <glm/glm.hpp>

#include "shared/LevelRecords.h"

enum class LevelItemKind { StaticModel, AnimatedModel, Emitter, SpawnPoint, Rune, ShadowPoint };

struct LevelItem {
    std::string name;
    LevelItemKind kind = LevelItemKind::StaticModel;
    glm::vec3 position{0.0f};
    glm::vec3 rotation{0.0f};  // pitch, yaw, roll in radians
};

// An axis-aligned collision box of the level.
struct LevelBoxItem {
    std::string name;
    glm::vec3 center{0.0f};
    glm::vec3 halfSize{0.0f};
};

// The longest shadow segment the layout writes; longer lines are split into equal pieces.
inline constexpr float kMaxShadowSegment = 10.0f;

class LevelLayout {
public:
    explicit LevelLayout(std::string title) : m_title(std::move(title)) {}

    void AddBox(const glm::vec3& center, const glm::vec3& halfSize);
    // model is the model file's name without "Shape.ZMD" (it becomes the name's base).
    void AddModel(const std::string& model, const glm::vec3& position, float yaw = 0.0f);
    void AddAnimatedModel(const std::string& model, const glm::vec3& position, float yaw = 0.0f);
    void AddEmitter(EmitterType type, const glm::vec3& position);
    void AddSpawnPoint(int team, const glm::vec3& position);
    void AddRune(RuneType type, const glm::vec3& position);
    // A shadow-casting line on the ground between the points (x, z), split into pieces of at most
    // kMaxShadowSegment units.
    void AddShadowLine(const glm::vec2& a, const glm::vec2& b);
    // Shadow lines through the points in turn, and back to the first when closed.
    void AddShadowOutline(const std::vector<glm::vec2>& points, bool closed);

    const std::string& Title() const { return m_title; }
    const std::vector<LevelBoxItem>& Boxes() const { return m_boxes; }
    const std::vector<LevelItem>& Items() const { return m_items; }

private:
    // The next number for names of this base: 1, 2, ...
    int Next(const std::string& base) { return ++m_counters[base]; }
    void AddShadowPiece(const glm::vec2& a, const glm::vec2& b);

    std::string m_title;
    std::vector<LevelBoxItem> m_boxes;
    std::vector<LevelItem> m_items;
    std::map<std::string, int> m_counters;
};

// The keyword that makes the loader read an emitter as the given type.
const char* EmitterKeyword(EmitterType type);
// The word that makes the loader read a rune as the given type.
const char* RuneKeyword(RuneType type);
