#include "shared/LevelData.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "shared/ConsoleLog.h"
#include "shared/LevelEntity.h"

namespace {

constexpr std::size_t kFirstBoxLine = 3;
constexpr std::size_t kBoxFieldCount = 10;
constexpr std::size_t kEntityFieldCount = 7;

// The longest numeric prefix of a field, 0 when there is none; the trailing delimiter is ignored.
float FieldFloat(const std::string& field) {
    return std::strtof(field.c_str(), nullptr);
}

// A count from the header: the numeric prefix, saturated to the int range; negative counts read as 0.
std::int64_t FieldCount(const std::string& field) {
    const long long value = std::strtoll(field.c_str(), nullptr, 10);
    if (value < 0) {
        return 0;
    }
    return value > INT_MAX ? INT_MAX : value;
}

// The line's field, or nullptr when the line is shorter.
const std::string* Field(const LevelLine& line, std::size_t index) {
    return index < line.size() ? &line[index] : nullptr;
}

// Reads with stdio, which reports a read error (a directory, say) as a short read rather than throwing.
bool ReadWholeFile(const std::string& path, std::string& text) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        return false;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0) {
        text.append(buffer, count);
    }
    return std::ferror(file.get()) == 0;
}

}  // namespace

LevelData::LevelData(const std::string& path) {
    std::string text;
    std::vector<LevelLine> lines;
    if (ReadWholeFile(path, text)) {
        lines = TokenizeLevelText(text);
    }
    if (lines.empty()) {
        LogInfo("Level not loaded\n");
        return;
    }
    Interpret(lines);
}

void LevelData::Interpret(const std::vector<LevelLine>& lines) {
    // 64-bit line numbers: A + B + 2 cannot overflow even for counts at the int limit.
    std::int64_t entityCountPlusOne = 0;  // A
    std::int64_t boxCount = 0;            // B
    if (lines.size() > 1) {
        if (const std::string* field = Field(lines[1], 3)) {
            entityCountPlusOne = FieldCount(*field);
        }
    }
    if (lines.size() > 2) {
        if (const std::string* field = Field(lines[2], 4)) {
            boxCount = FieldCount(*field);
        }
    }
    const std::int64_t boxesEnd = static_cast<std::int64_t>(kFirstBoxLine) + boxCount;  // exclusive
    const std::int64_t entitiesEnd = entityCountPlusOne + boxCount + 2;                 // exclusive

    for (std::size_t i = kFirstBoxLine; i < lines.size(); ++i) {
        const auto lineNumber = static_cast<std::int64_t>(i);
        if (lineNumber < boxesEnd) {
            ReadBoxLine(lines[i]);
        } else if (lineNumber < entitiesEnd) {
            ReadEntityLine(lines[i]);
        } else {
            break;
        }
    }
}

void LevelData::ReadBoxLine(const LevelLine& line) {
    if (line.size() < kBoxFieldCount) {
        return;
    }
    float f[kBoxFieldCount] = {};
    for (std::size_t i = 1; i < kBoxFieldCount; ++i) {
        f[i] = FieldFloat(line[i]);
    }
    m_boxes.push_back(LevelBox{{f[7], f[8], f[9]}, {f[1], f[2], f[3]}, {f[4], f[5], f[6]}});
}

void LevelData::ReadEntityLine(const LevelLine& line) {
    if (line.size() < kEntityFieldCount) {
        return;
    }
    // Field 0 always ends with its delimiter.
    const std::string& nameField = line[0];
    const LevelEntity entity =
        ClassifyLevelEntity(std::string_view(nameField).substr(0, nameField.size() - 1));
    float f[kEntityFieldCount] = {};
    for (std::size_t i = 1; i < kEntityFieldCount; ++i) {
        f[i] = FieldFloat(line[i]);
    }

    // The file is right-handed and the game left-handed: positions lose the sign of z. Models and emitters
    // also negate rotation x and y; spawn points and runes only rotation y.
    const Float3 position{f[1], f[2], -f[3]};
    const Float3 modelRotation{-f[4], -f[5], f[6]};
    const Float3 markerRotation{f[4], -f[5], f[6]};

    switch (entity.kind) {
        case LevelEntityKind::SpawnPoint:
            m_spawnPoints.push_back(LevelSpawnPoint{entity.team, position, markerRotation});
            break;
        case LevelEntityKind::ShadowPointA:
            m_shadowStart = GroundPoint{f[1], -f[3]};
            break;
        case LevelEntityKind::ShadowPointB:
            m_shadowLines.push_back(LevelShadowLine{m_shadowStart, GroundPoint{f[1], -f[3]}});
            break;
        case LevelEntityKind::Emitter:
            m_emitters.push_back(LevelEmitter{position, modelRotation, entity.emitterType});
            break;
        case LevelEntityKind::Rune:
            m_runes.push_back(LevelRune{position, markerRotation, entity.runeType});
            break;
        case LevelEntityKind::StaticModel:
            m_models.push_back(LevelModel{entity.modelPath, position, modelRotation});
            break;
        case LevelEntityKind::AnimatedModel:
            m_animatedModels.push_back(LevelModel{entity.modelPath, position, modelRotation});
            break;
        case LevelEntityKind::Ignored:
            break;
    }
}
