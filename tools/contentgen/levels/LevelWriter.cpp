#include "levels/LevelWriter.h"

#include <cmath>
#include <cstdio>

#include "shared/LevelEntity.h"

namespace {

const char* kModelFolder = "../Ombrin/Models/";

LevelEntityKind ExpectedKind(const LevelItem& item) {
    switch (item.kind) {
        case LevelItemKind::StaticModel:
            return LevelEntityKind::StaticModel;
        case LevelItemKind::AnimatedModel:
            return LevelEntityKind::AnimatedModel;
        case LevelItemKind::Emitter:
            return LevelEntityKind::Emitter;
        case LevelItemKind::SpawnPoint:
            return LevelEntityKind::SpawnPoint;
        case LevelItemKind::Rune:
            return LevelEntityKind::Rune;
        case LevelItemKind::ShadowPoint:
            break;
    }
    return item.name.back() == 'A' ? LevelEntityKind::ShadowPointA : LevelEntityKind::ShadowPointB;
}

bool ValidName(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    for (const char c : name) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\0') {
            return false;
        }
    }
    return true;
}

// The model path the layout means: the name without its "_<k>" (and "_Animated") + "Shape.ZMD".
std::string IntendedModelPath(const LevelItem& item) {
    std::string base = item.name.substr(0, item.name.rfind('_'));
    if (item.kind == LevelItemKind::AnimatedModel) {
        base = base.substr(0, base.rfind('_'));
    }
    return kModelFolder + base + "Shape.ZMD";
}

bool CheckClassification(const LevelItem& item, std::string& error) {
    const LevelEntity entity = ClassifyLevelEntity(item.name);
    bool ok = entity.kind == ExpectedKind(item);
    if (ok && (item.kind == LevelItemKind::StaticModel || item.kind == LevelItemKind::AnimatedModel)) {
        ok = entity.modelPath == IntendedModelPath(item);
    }
    if (!ok) {
        error = "the entity name \"" + item.name + "\" would not be read as what it is meant to be";
    }
    return ok;
}

std::string Fields(std::initializer_list<float> values) {
    std::string text;
    for (const float value : values) {
        text += ' ';
        text += FormatLevelNumber(value);
    }
    return text;
}

}  // namespace

std::string FormatLevelNumber(float value) {
    if (!std::isfinite(value) || std::abs(value) < 0.00005f) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%.4f", static_cast<double>(value));
    std::string text(buffer);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

bool WriteLevelText(const LevelLayout& layout, std::string& text, std::string& error) {
    text.clear();
    std::string body;
    for (const LevelBoxItem& box : layout.Boxes()) {
        if (!ValidName(box.name)) {
            error = "a box name holds a space or a line break";
            return false;
        }
        // Box lines are in game coordinates; fields 4 to 6 are unused and the half-sizes run z, y, x.
        body += box.name +
                Fields({box.center.x, box.center.y, box.center.z, 0.0f, 0.0f, 0.0f, box.halfSize.z,
                        box.halfSize.y, box.halfSize.x}) +
                '\n';
    }
    for (const LevelItem& item : layout.Items()) {
        if (!ValidName(item.name)) {
            error = "the entity name \"" + item.name + "\" holds a space or a line break";
            return false;
        }
        if (!CheckClassification(item, error)) {
            return false;
        }
        const glm::vec3& p = item.position;
        const glm::vec3& r = item.rotation;
        // The loader negates z, and rotation x and y of models and emitters (only y of the other kinds).
        const bool model = item.kind == LevelItemKind::StaticModel ||
                           item.kind == LevelItemKind::AnimatedModel || item.kind == LevelItemKind::Emitter;
        body += item.name + Fields({p.x, p.y, -p.z, model ? -r.x : r.x, -r.y, r.z}) + '\n';
    }
    const std::string title = layout.Title().empty() ? "Level" : layout.Title();
    if (!ValidName(title)) {
        error = "the level title holds a space or a line break";
        return false;
    }
    text = "Ombrin_level " + title + "\n";
    text += "Number of entities: " + std::to_string(layout.Items().size() + 1) + "\n";
    text += "Number of collision boxes: " + std::to_string(layout.Boxes().size()) + "\n";
    text += body;
    return true;
}
