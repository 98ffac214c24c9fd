#include "levels/LevelLayout.h"

#include <algorithm>
#include <cmath>

const char* EmitterKeyword(EmitterType type) {
    switch (type) {
        case EmitterType::BrazierFire:
            return "BrazierFire";
        case EmitterType::Fireflies:
            return "Fireflies";
        case EmitterType::BrazierSparks:
            return "BrazierSparks";
        case EmitterType::TorchFire:
            return "TorchFire";
        case EmitterType::Smoke:
            return "Smoke";
        case EmitterType::LeafTree:
            return "LeafTree";
        case EmitterType::LeafSakura:
            return "LeafSakura";
        case EmitterType::LeafAcerPalmatum:
            return "LeafAcerPalmatum";
        case EmitterType::WorldMist:
            return "WorldMist";
        case EmitterType::WorldDust:
            return "WorldDust";
    }
    return "Smoke";
}

const char* RuneKeyword(RuneType type) {
    switch (type) {
        case RuneType::Heal:
            return "Heal";
        case RuneType::Invisible:
            return "Invisible";
        case RuneType::Shield:
            return "Shield";
    }
    return "Heal";
}

void LevelLayout::AddBox(const glm::vec3& center, const glm::vec3& halfSize) {
    m_boxes.push_back(LevelBoxItem{"Box" + std::to_string(m_boxes.size() + 1), center, halfSize});
}

void LevelLayout::AddModel(const std::string& model, const glm::vec3& position, float yaw) {
    m_items.push_back(LevelItem{model + "_" + std::to_string(Next(model)), LevelItemKind::StaticModel,
                                position, glm::vec3(0.0f, yaw, 0.0f)});
}

void LevelLayout::AddAnimatedModel(const std::string& model, const glm::vec3& position, float yaw) {
    const std::string base = model + "_Animated";
    m_items.push_back(LevelItem{base + "_" + std::to_string(Next(base)), LevelItemKind::AnimatedModel,
                                position, glm::vec3(0.0f, yaw, 0.0f)});
}

void LevelLayout::AddEmitter(EmitterType type, const glm::vec3& position) {
    const std::string base = std::string("ParticleEmitter_") + EmitterKeyword(type);
    m_items.push_back(LevelItem{base + "_" + std::to_string(Next(base)), LevelItemKind::Emitter, position,
                                glm::vec3(0.0f)});
}

void LevelLayout::AddSpawnPoint(int team, const glm::vec3& position) {
    const int number = Next("spawnPoint");
    m_items.push_back(LevelItem{"spawnPoint" + std::to_string(number) + "_" + std::to_string(team),
                                LevelItemKind::SpawnPoint, position, glm::vec3(0.0f)});
}

void LevelLayout::AddRune(RuneType type, const glm::vec3& position) {
    const std::string base = std::string("POI_") + RuneKeyword(type);
    m_items.push_back(
        LevelItem{base + "_" + std::to_string(Next(base)), LevelItemKind::Rune, position, glm::vec3(0.0f)});
}

void LevelLayout::AddShadowPiece(const glm::vec2& a, const glm::vec2& b) {
    const std::string base = "ShadowShapes" + std::to_string(Next("ShadowShapes"));
    m_items.push_back(
        LevelItem{base + "_A", LevelItemKind::ShadowPoint, glm::vec3(a.x, 0.0f, a.y), glm::vec3(0.0f)});
    m_items.push_back(
        LevelItem{base + "_B", LevelItemKind::ShadowPoint, glm::vec3(b.x, 0.0f, b.y), glm::vec3(0.0f)});
}

void LevelLayout::AddShadowLine(const glm::vec2& a, const glm::vec2& b) {
    const float length = glm::length(b - a);
    const int pieces = std::max(1, static_cast<int>(std::ceil(length / kMaxShadowSegment - 1e-4f)));
    glm::vec2 from = a;
    for (int i = 1; i <= pieces; ++i) {
        // The last piece ends exactly on b, so that a following line starts on the same point.
        const glm::vec2 to =
            i == pieces ? b : a + (b - a) * (static_cast<float>(i) / static_cast<float>(pieces));
        AddShadowPiece(from, to);
        from = to;
    }
}

void LevelLayout::AddShadowOutline(const std::vector<glm::vec2>& points, bool closed) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        AddShadowLine(points[i], points[i + 1]);
    }
    if (closed && points.size() > 2) {
        AddShadowLine(points.back(), points.front());
    }
}
