// The colours every generated picture is drawn from, so the menus, the heads-up display and the effects
// look like one night-time arena: ink and lacquer, paper for text boxes, the two team colours and the
// warm light of fire.
#pragma once

#include <glm/glm.hpp>

namespace Palette {
inline const glm::vec4 kInk(0.06f, 0.05f, 0.08f, 1.0f);
inline const glm::vec4 kNight(0.1f, 0.11f, 0.17f, 1.0f);
inline const glm::vec4 kLacquer(0.24f, 0.07f, 0.06f, 1.0f);
inline const glm::vec4 kPaper(0.93f, 0.88f, 0.76f, 1.0f);
inline const glm::vec4 kRed(0.8f, 0.13f, 0.12f, 1.0f);
inline const glm::vec4 kBlue(0.17f, 0.38f, 0.85f, 1.0f);
inline const glm::vec4 kFire(1.0f, 0.58f, 0.18f, 1.0f);
inline const glm::vec4 kGold(0.95f, 0.76f, 0.32f, 1.0f);
inline const glm::vec4 kSteel(0.72f, 0.76f, 0.82f, 1.0f);
inline const glm::vec4 kLeaf(0.3f, 0.62f, 0.25f, 1.0f);
inline const glm::vec4 kSakura(1.0f, 0.7f, 0.8f, 1.0f);
inline const glm::vec4 kHeal(0.35f, 0.95f, 0.45f, 1.0f);
inline const glm::vec4 kMagic(0.7f, 0.4f, 1.0f, 1.0f);

inline glm::vec4 WithAlpha(glm::vec4 color, float alpha) {
    color.a = alpha;
    return color;
}
inline glm::vec4 Mix(const glm::vec4& a, const glm::vec4& b, float t) {
    return a + (b - a) * t;
}
}  // namespace Palette
