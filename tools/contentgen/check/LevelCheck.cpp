#include "check/LevelCheck.h"

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include <glm/glm.hpp>

#include "ContentPaths.h"
#include "check/ContentRules.h"
#include "check/InspectedModel.h"
#include "shared/LevelData.h"
#include "shared/LevelTokenizer.h"

namespace {

// Game numbers the layout must respect.
constexpr float kPlayerRadius = 0.5f;
constexpr float kWallTop = 6.0f;            // boxes centred above this are out of reach
constexpr float kPillarTop = 5.0f;          // spheres centred above this are out of reach
constexpr float kSightHalfHeight = 1.8f;    // level boxes taller than this block sight
constexpr float kMaxShadowSegment = 10.0f;  // longer lines stop blocking sight near the screen's edge
constexpr float kInsideX = 43.0f;           // players stay within about x +-43 and z +-50
constexpr float kInsideZ = 50.0f;
constexpr int kMaxShadowPointsInView = 120;
constexpr float kViewWidth = 64.0f;
constexpr float kViewDepth = 53.0f;

bool ReadText(const std::filesystem::path& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream buffer;
    buffer << file.rdbuf();
    text = buffer.str();
    return true;
}

void CheckText(const std::string& where, const std::string& text, Problems& problems) {
    if (text.empty() || text.back() != '\n') {
        problems.Add(where, "the last line must end with LF");
    }
    if (text.find('\r') != std::string::npos) {
        problems.Add(where, "holds CR characters");
    }
    if (text.find("  ") != std::string::npos || text.find(" \n") != std::string::npos ||
        text.find("\n ") != std::string::npos) {
        problems.Add(where, "fields must be separated by exactly one space");
    }
    const std::vector<LevelLine> lines = TokenizeLevelText(text);
    if (lines.size() < 3 || lines[1].size() < 4 || lines[2].size() < 5) {
        problems.Add(where, "the header lines are missing");
        return;
    }
    const long entitiesPlusOne = std::strtol(lines[1][3].c_str(), nullptr, 10);
    const long boxes = std::strtol(lines[2][4].c_str(), nullptr, 10);
    if (entitiesPlusOne < 1 || boxes < 0 ||
        static_cast<long>(lines.size()) != 3 + boxes + entitiesPlusOne - 1) {
        problems.Add(where, "the counts in the header do not match the lines that follow");
    }
}

// A level volume projected onto the ground, as an obstacle for walking.
struct Footprint {
    glm::vec2 center;
    glm::vec2 axisX;  // unit axes of the box in the ground plane
    glm::vec2 axisZ;
    glm::vec2 half;  // box half-sizes, or (radius, 0) for a circle
    bool circle;

    bool Touches(const glm::vec2& p, float radius) const {
        const glm::vec2 d = p - center;
        if (circle) {
            return glm::length(d) < half.x + radius;
        }
        return std::abs(glm::dot(d, axisX)) < half.x + radius &&
               std::abs(glm::dot(d, axisZ)) < half.y + radius;
    }
};

class LevelChecker {
public:
    LevelChecker(std::filesystem::path dataFolder, std::string levelFile, Problems& problems)
        : m_data(std::move(dataFolder)), m_file(std::move(levelFile)), m_problems(problems) {}

    void Run() {
        const std::filesystem::path path = m_data / "Levels" / m_file;
        std::string text;
        if (!ReadText(path, text)) {
            Fail("cannot be read");
            return;
        }
        CheckText(m_file, text, m_problems);
        const LevelData level(path.string());
        CheckSpawnsAndRunes(level);
        CheckModels(level);
        CheckBoxes(level);
        CheckShadows(level);
        CheckClearance(level);
    }

private:
    void Fail(const std::string& what) { m_problems.Add(m_file, what); }

    const InspectedModel* Model(const std::string& gamePath) {
        auto found = m_models.find(gamePath);
        if (found == m_models.end()) {
            auto model = std::make_unique<InspectedModel>();
            const std::filesystem::path file = DataFileOf(m_data, gamePath);
            if (file.empty() || !std::filesystem::is_regular_file(file) || !model->LoadModel(file.string())) {
                model.reset();
            }
            found = m_models.emplace(gamePath, std::move(model)).first;
        }
        return found->second.get();
    }

    void CheckSpawnsAndRunes(const LevelData& level) {
        std::set<int> teams;
        for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
            teams.insert(spawn.team);
            if (spawn.team != 1 && spawn.team != 2) {
                Fail("a spawn point belongs to no team (" + std::to_string(spawn.team) + ")");
            }
        }
        if (!teams.contains(1) || !teams.contains(2)) {
            Fail("needs spawn points of both teams");
        }
        const std::vector<LevelRune> runes = level.GetRunes();
        if (runes.size() != 3 || runes[0].type != RuneType::Heal || runes[1].type != RuneType::Invisible ||
            runes[2].type != RuneType::Shield) {
            Fail("needs exactly three runes, in the order heal, invisibility, shield");
        }
    }

    void CheckModels(const LevelData& level) {
        for (const bool animated : {false, true}) {
            for (const LevelModel& placed : animated ? level.GetAnimatedModels() : level.GetModels()) {
                const InspectedModel* model = Model(placed.path);
                if (model == nullptr) {
                    Fail("names a model that does not exist or does not load: " + placed.path);
                    continue;
                }
                if (model->File().animated != animated) {
                    Fail(placed.path + (animated ? " is placed as an animated model but is static"
                                                 : " is placed as a static model but is skinned"));
                } else if (animated && model->GetAnimations().size() < 2) {
                    Fail(placed.path + " needs at least two animations");
                }
                if (placed.path.find("Ground") != std::string::npos &&
                    (!model->GetBoxes().empty() || !model->GetSpheres().empty())) {
                    Fail("the ground model must have no volumes, or nobody could walk on it");
                }
                AddFootprints(placed, *model);
            }
        }
    }

    void AddFootprints(const LevelModel& placed, const InspectedModel& model) {
        const float c = std::cos(placed.rotation.y);
        const float s = std::sin(placed.rotation.y);
        const glm::vec2 axisX(c, -s);
        const glm::vec2 axisZ(s, c);
        const glm::vec2 origin(placed.position.x, placed.position.z);
        for (const CollisionBox& box : model.GetBoxes()) {
            if (box.center.y + placed.position.y <= kWallTop) {
                m_footprints.push_back(Footprint{origin + axisX * box.center.x + axisZ * box.center.z, axisX,
                                                 axisZ, glm::vec2(box.halfSizes.x, box.halfSizes.z), false});
            }
        }
        for (const CollisionSphere& sphere : model.GetSpheres()) {
            if (sphere.center.y + placed.position.y <= kPillarTop) {
                m_footprints.push_back(Footprint{origin + axisX * sphere.center.x + axisZ * sphere.center.z,
                                                 axisX, axisZ, glm::vec2(sphere.radius, 0.0f), true});
            }
        }
    }

    void CheckBoxes(const LevelData& level) {
        for (const LevelBox& box : level.GetBoxes()) {
            const glm::vec3 half(box.halfSizesZyx.z, box.halfSizesZyx.y, box.halfSizesZyx.x);
            if (half.x <= 0.0f || half.y <= 0.0f || half.z <= 0.0f) {
                Fail("a box has a size of zero");
            }
            if (half.y > kSightHalfHeight && (box.center.y > kWallTop || box.center.y - half.y > 0.01f)) {
                Fail("a tall wall must stand on the ground with its centre at most 6 up");
            }
            m_footprints.push_back(Footprint{glm::vec2(box.center.x, box.center.z), glm::vec2(1, 0),
                                             glm::vec2(0, 1), glm::vec2(half.x, half.z), false});
        }
    }

    void CheckShadows(const LevelData& level) {
        std::set<std::pair<float, float>> points;
        for (const LevelShadowLine& line : level.GetShadowLines()) {
            if (std::hypot(line.b.x - line.a.x, line.b.z - line.a.z) > kMaxShadowSegment + 1e-3f) {
                Fail("a shadow line is longer than 10 units");
            }
            points.insert({line.a.x, line.a.z});
            points.insert({line.b.x, line.b.z});
        }
        if (level.GetShadowLines().empty()) {
            Fail("casts no shadows");
        }
        // The distinct end points any player's view can hold at once.
        int most = 0;
        for (float x = -kInsideX; x <= kInsideX; x += 4.0f) {
            for (float z = -kInsideZ; z <= kInsideZ; z += 4.0f) {
                int count = 0;
                for (const auto& [px, pz] : points) {
                    count += std::abs(px - x) <= 0.5f * kViewWidth && std::abs(pz - z) <= 0.5f * kViewDepth
                                 ? 1
                                 : 0;
                }
                most = std::max(most, count);
            }
        }
        if (most > kMaxShadowPointsInView) {
            Fail("up to " + std::to_string(most) + " shadow points share one view (at most 120 fit)");
        }
    }

    // Spawn points and runes lie inside the walls, in the open.
    void CheckClearance(const LevelData& level) {
        std::vector<std::pair<std::string, glm::vec3>> spots;
        for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
            spots.emplace_back("a spawn point",
                               glm::vec3(spawn.position.x, spawn.position.y, spawn.position.z));
        }
        for (const LevelRune& rune : level.GetRunes()) {
            spots.emplace_back("a rune", glm::vec3(rune.position.x, rune.position.y, rune.position.z));
        }
        for (const auto& [what, p] : spots) {
            const glm::vec2 ground(p.x, p.z);
            const std::string at = " at (" + std::to_string(p.x) + ", " + std::to_string(p.z) + ")";
            if (std::abs(p.y) > 0.01f) {
                Fail(what + at + " is not on the ground");
            }
            if (std::abs(p.x) > kInsideX || std::abs(p.z) > kInsideZ) {
                Fail(what + at + " lies outside the walls");
            }
            for (const Footprint& footprint : m_footprints) {
                if (footprint.Touches(ground, kPlayerRadius)) {
                    Fail(what + at + " is blocked by an obstacle");
                    break;
                }
            }
        }
    }

    std::filesystem::path m_data;
    std::string m_file;
    Problems& m_problems;
    std::map<std::string, std::unique_ptr<InspectedModel>> m_models;
    std::vector<Footprint> m_footprints;
};

}  // namespace

void CheckLevel(const std::filesystem::path& dataFolder, const std::string& levelFile, Problems& problems) {
    LevelChecker(dataFolder, levelFile, problems).Run();
}

void CheckLevelList(const std::filesystem::path& dataFolder, Problems& problems) {
    const std::string where = kLevelListInDataFolder;
    std::string text;
    if (!ReadText(dataFolder / kLevelListInDataFolder, text)) {
        problems.Add(where, "cannot be read");
        return;
    }
    if (text.empty() || text.back() != '\n' || text.find('\r') != std::string::npos) {
        problems.Add(where, "every line must end with LF alone");
    }
    std::vector<std::string> names;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) {
            continue;
        }
        if (line.size() > 255 || line.front() == ' ' || line.back() == ' ') {
            problems.Add(where, "the line \"" + line + "\" is too long or has stray spaces");
        }
        if (!std::filesystem::is_regular_file(dataFolder / "Levels" / line)) {
            problems.Add(where, "names a level that does not exist: " + line);
        }
        names.push_back(line);
    }
    if (names.empty() || names.front() != kDefaultLevelFile) {
        problems.Add(where, std::string("must list ") + kDefaultLevelFile + " first");
    }
    if (names.size() < 2) {
        problems.Add(where, "should list more than one level, so that the rotation moves on");
    }
}
