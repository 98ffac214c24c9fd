#include "shared/LevelEntity.h"

#include <array>
#include <string_view>
#include <utility>

#include "shared/DataPaths.h"

namespace {

constexpr std::string_view kModelFileSuffix = "Shape.ZMD";
constexpr std::string_view kAnimatedSuffix = "_Animated";
// Emitter and rune names in a level start with "ParticleEmitter_" and "POI_"; the part after it names the
// kind.
constexpr std::size_t kEmitterPrefixLength = 16;
constexpr std::size_t kRunePrefixLength = 4;

bool Contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

std::string_view TailFrom(std::string_view text, std::size_t start) {
    return start < text.size() ? text.substr(start) : std::string_view();
}

EmitterType EmitterTypeOf(std::string_view emitterName) {
    // Order matters: a name holding several keywords takes the first one listed here.
    static constexpr std::array<std::pair<std::string_view, EmitterType>, 10> kKeywords = {{
        {"BrazierFire", EmitterType::BrazierFire},
        {"BrazierSparks", EmitterType::BrazierSparks},
        {"TorchFire", EmitterType::TorchFire},
        {"Smoke", EmitterType::Smoke},
        {"LeafTree", EmitterType::LeafTree},
        {"LeafSakura", EmitterType::LeafSakura},
        {"LeafAcerPalmatum", EmitterType::LeafAcerPalmatum},
        {"WorldMist", EmitterType::WorldMist},
        {"WorldDust", EmitterType::WorldDust},
        {"Fireflies", EmitterType::Fireflies},
    }};
    for (const auto& [keyword, type] : kKeywords) {
        if (Contains(emitterName, keyword)) {
            return type;
        }
    }
    return EmitterType::Smoke;
}

}  // namespace

LevelEntity ClassifyLevelEntity(std::string_view name) {
    const std::size_t lastUnderscore = name.rfind('_');
    std::string_view base = lastUnderscore == std::string_view::npos ? name : name.substr(0, lastUnderscore);
    LevelEntity entity;

    if (Contains(base, "spawnPoint")) {
        // The team is the last character of the whole name, so spawnPoint2 and spawnPoint_2 are both team 2.
        entity.kind = LevelEntityKind::SpawnPoint;
        const char last = name.back();
        entity.team = last >= '0' && last <= '9' ? last - '0' : 0;
    } else if (Contains(base, "ShadowShapes")) {
        const char role = name.back();
        entity.kind = role == 'A'   ? LevelEntityKind::ShadowPointA
                      : role == 'B' ? LevelEntityKind::ShadowPointB
                                    : LevelEntityKind::Ignored;
    } else if (Contains(base, "ParticleEmitter")) {
        entity.kind = LevelEntityKind::Emitter;
        entity.emitterType = EmitterTypeOf(TailFrom(name, kEmitterPrefixLength));
    } else if (Contains(base, "POI")) {
        const std::string_view runeName = TailFrom(name, kRunePrefixLength);
        entity.kind = LevelEntityKind::Rune;
        if (Contains(runeName, "Heal")) {
            entity.runeType = RuneType::Heal;
        } else if (Contains(runeName, "Invisible")) {
            entity.runeType = RuneType::Invisible;
        } else if (Contains(runeName, "Shield")) {
            entity.runeType = RuneType::Shield;
        } else {
            entity.kind = LevelEntityKind::Ignored;
        }
    } else {
        // Animated models are exported as <Model>_Animated_<n> and share the model file of <Model>. Other
        // names that merely contain "Animated" keep their whole base.
        if (Contains(base, "Animated")) {
            entity.kind = LevelEntityKind::AnimatedModel;
            if (base.ends_with(kAnimatedSuffix)) {
                base.remove_suffix(kAnimatedSuffix.size());
            }
        } else {
            entity.kind = LevelEntityKind::StaticModel;
        }
        entity.modelPath.reserve(std::string_view(kModelFolder).size() + base.size() +
                                 kModelFileSuffix.size());
        entity.modelPath.append(kModelFolder).append(base).append(kModelFileSuffix);
    }
    return entity;
}
