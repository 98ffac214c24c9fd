#include "pictures/Icons.h"

#include <cmath>
#include <vector>

#include "pictures/Palette.h"

namespace {

using Palette::WithAlpha;

constexpr float kPi = 3.14159265f;

glm::vec2 Turn(glm::vec2 v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

void Polygon(Image& image, const IconFrame& frame, const std::vector<glm::vec2>& unitPoints,
             const glm::vec4& color) {
    std::vector<glm::vec2> points;
    for (const glm::vec2& p : unitPoints) {
        points.push_back(frame.At(p.x, p.y));
    }
    image.Fill([&points](glm::vec2 p) { return Sdf::Polygon(p, points); }, color);
}

void Stroke(Image& image, const IconFrame& frame, glm::vec2 a, glm::vec2 b, float width,
            const glm::vec4& color) {
    const glm::vec2 pa = frame.At(a.x, a.y);
    const glm::vec2 pb = frame.At(b.x, b.y);
    const float half = frame.Size(width) * 0.5f;
    image.Fill([&](glm::vec2 p) { return Sdf::Segment(p, pa, pb, half); }, color);
}

void Disc(Image& image, const IconFrame& frame, glm::vec2 c, float r, const glm::vec4& color) {
    const glm::vec2 pc = frame.At(c.x, c.y);
    const float pr = frame.Size(r);
    image.Fill([&](glm::vec2 p) { return Sdf::Circle(p, pc, pr); }, color);
}

void Ring(Image& image, const IconFrame& frame, glm::vec2 c, float r, float width, const glm::vec4& color) {
    const glm::vec2 pc = frame.At(c.x, c.y);
    const float pr = frame.Size(r);
    const float pw = frame.Size(width) * 0.5f;
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(Sdf::Circle(p, pc, pr), pw); }, color);
}

// An arc of a circle from angle a0 to a1 (radians, y downwards) as a chain of strokes.
void Arc(Image& image, const IconFrame& frame, glm::vec2 c, float r, float a0, float a1, float width,
         const glm::vec4& color, bool taper = false) {
    constexpr int kSteps = 14;
    for (int i = 0; i < kSteps; ++i) {
        const float t0 = static_cast<float>(i) / kSteps;
        const float t1 = static_cast<float>(i + 1) / kSteps;
        const float w = taper ? width * (0.25f + 0.75f * t1) : width;
        const glm::vec2 p0 = c + r * glm::vec2(std::cos(a0 + (a1 - a0) * t0), std::sin(a0 + (a1 - a0) * t0));
        const glm::vec2 p1 = c + r * glm::vec2(std::cos(a0 + (a1 - a0) * t1), std::sin(a0 + (a1 - a0) * t1));
        Stroke(image, frame, p0, p1, w, color);
    }
}

void Blade(Image& image, const IconFrame& frame, glm::vec2 hilt, glm::vec2 tip, float width) {
    const glm::vec2 along = glm::normalize(tip - hilt);
    const glm::vec2 side(-along.y, along.x);
    Polygon(image, frame,
            {hilt + side * width, tip - along * 0.15f + side * width * 0.9f, tip,
             tip - along * 0.1f - side * width * 0.6f, hilt - side * width * 0.7f},
            Palette::kSteel);
    Stroke(image, frame, hilt + along * 0.05f, tip - along * 0.2f, width * 0.35f,
           WithAlpha(glm::vec4(1.0f), 0.6f));
}

void Fan(Image& image, const IconFrame& frame, glm::vec2 pivot, float radius, float a0, float a1,
         const glm::vec4& paper) {
    std::vector<glm::vec2> points = {pivot};
    constexpr int kSteps = 16;
    for (int i = 0; i <= kSteps; ++i) {
        const float a = a0 + (a1 - a0) * static_cast<float>(i) / kSteps;
        points.push_back(pivot + radius * glm::vec2(std::cos(a), std::sin(a)));
    }
    Polygon(image, frame, points, paper);
    for (int i = 0; i <= 6; ++i) {
        const float a = a0 + (a1 - a0) * static_cast<float>(i) / 6.0f;
        Stroke(image, frame, pivot, pivot + radius * glm::vec2(std::cos(a), std::sin(a)), 0.05f,
               Palette::kInk);
    }
    Arc(image, frame, pivot, radius * 0.55f, a0, a1, 0.05f, Palette::kRed);
    Disc(image, frame, pivot, 0.09f, Palette::kGold);
}

}  // namespace

void DrawShuriken(Image& image, const IconFrame& frame, float angle, const glm::vec4& color) {
    std::vector<glm::vec2> star;
    for (int i = 0; i < 8; ++i) {
        const float r = i % 2 == 0 ? 1.0f : 0.32f;
        star.push_back(Turn(glm::vec2(0.0f, -r), angle + static_cast<float>(i) * kPi / 4.0f));
    }
    Polygon(image, frame, star, color);
    Disc(image, frame, {0.0f, 0.0f}, 0.14f, Palette::kInk);
}

void DrawKunai(Image& image, const IconFrame& frame, glm::vec2 tail, glm::vec2 tip, const glm::vec4& color) {
    const glm::vec2 along = glm::normalize(tip - tail);
    const glm::vec2 side(-along.y, along.x);
    const float length = glm::length(tip - tail);
    const glm::vec2 guard = tail + along * length * 0.42f;
    Ring(image, frame, tail - along * 0.08f, 0.09f, 0.05f, color);
    Stroke(image, frame, tail, guard, 0.11f, Palette::kLacquer);
    Polygon(image, frame, {guard + side * 0.16f, tip, guard - side * 0.16f, guard - along * 0.05f}, color);
}

void DrawMotif(Image& image, Motif motif, const IconFrame& f) {
    switch (motif) {
        case Motif::Shuriken:
            DrawShuriken(image, {f.center, f.half * 0.8f}, 0.3f, Palette::kSteel);
            break;
        case Motif::MegaShuriken:
            Ring(image, f, {0.0f, 0.0f}, 0.88f, 0.07f, WithAlpha(Palette::kFire, 0.8f));
            DrawShuriken(image, {f.center, f.half * 0.95f}, 0.0f, Palette::kSteel);
            DrawShuriken(image, {f.center, f.half * 0.5f}, kPi / 4.0f, Palette::kFire);
            break;
        case Motif::KatanaSlash:
            Arc(image, f, {-0.6f, 0.6f}, 1.25f, -1.45f, -0.05f, 0.12f, WithAlpha(Palette::kFire, 0.8f), true);
            Blade(image, f, {-0.55f, 0.55f}, {0.75f, -0.75f}, 0.09f);
            Stroke(image, f, {-0.85f, 0.85f}, {-0.55f, 0.55f}, 0.16f, Palette::kLacquer);
            Stroke(image, f, {-0.7f, 0.4f}, {-0.4f, 0.7f}, 0.1f, Palette::kGold);
            break;
        case Motif::Dash:
            for (int i = 0; i < 3; ++i) {
                const float y = -0.45f + 0.45f * static_cast<float>(i);
                Stroke(image, f, {-0.85f + 0.15f * static_cast<float>(i % 2), y}, {0.2f, y}, 0.1f,
                       WithAlpha(Palette::kPaper, 0.7f));
            }
            Polygon(image, f, {{0.1f, -0.6f}, {0.85f, 0.0f}, {0.1f, 0.6f}, {0.3f, 0.0f}}, Palette::kFire);
            break;
        case Motif::Fan:
            Fan(image, f, {0.0f, 0.65f}, 1.25f, -kPi * 0.85f, -kPi * 0.15f, Palette::kPaper);
            break;
        case Motif::FanBoomerang:
            Arc(image, f, {0.0f, 0.0f}, 0.82f, 0.3f, 2.8f, 0.09f, WithAlpha(Palette::kPaper, 0.7f), true);
            Fan(image, {f.At(0.05f, -0.15f), f.half * 0.7f}, {0.0f, 0.65f}, 1.2f, -kPi * 0.9f, -kPi * 0.1f,
                Palette::kSakura);
            break;
        case Motif::WhipLash:
            Stroke(image, f, {-0.85f, 0.7f}, {-0.55f, 0.4f}, 0.18f, Palette::kLacquer);
            Arc(image, f, {0.05f, 0.55f}, 0.6f, kPi, kPi * 1.55f, 0.09f, Palette::kGold);
            Arc(image, f, {0.25f, -0.5f}, 0.55f, kPi * 0.55f, kPi * 0.05f, 0.07f, Palette::kGold, true);
            Disc(image, f, {0.78f, -0.45f}, 0.08f, Palette::kFire);
            break;
        case Motif::WhipSweep:
            Arc(image, f, {0.0f, 0.0f}, 0.75f, 0.0f, kPi * 1.7f, 0.09f, Palette::kGold, true);
            Arc(image, f, {0.0f, 0.0f}, 0.5f, kPi * 0.3f, kPi * 1.5f, 0.05f, WithAlpha(Palette::kFire, 0.7f));
            Disc(image, f, {0.0f, 0.0f}, 0.13f, Palette::kLacquer);
            break;
        case Motif::NaginataSlash:
            Arc(image, f, {-0.7f, 0.7f}, 1.3f, -1.5f, 0.0f, 0.1f, WithAlpha(Palette::kHeal, 0.7f), true);
            Stroke(image, f, {-0.85f, 0.85f}, {0.25f, -0.25f}, 0.11f, Palette::kLacquer);
            Polygon(image, f,
                    {{0.2f, -0.2f}, {0.4f, -0.42f}, {0.88f, -0.88f}, {0.52f, -0.2f}, {0.28f, -0.12f}},
                    Palette::kSteel);
            break;
        case Motif::Kunai:
            DrawKunai(image, f, {-0.7f, 0.7f}, {0.75f, -0.75f}, Palette::kSteel);
            break;
        case Motif::NaginataStab:
            Stroke(image, f, {-0.9f, 0.0f}, {0.2f, 0.0f}, 0.12f, Palette::kLacquer);
            Polygon(image, f, {{0.15f, -0.13f}, {0.92f, 0.0f}, {0.15f, 0.13f}}, Palette::kSteel);
            for (int i = 0; i < 3; ++i) {
                const float y = -0.5f + 0.5f * static_cast<float>(i);
                if (i != 1) {
                    Stroke(image, f, {-0.6f, y}, {0.3f, y}, 0.06f, WithAlpha(Palette::kPaper, 0.6f));
                }
            }
            break;
        case Motif::Volley:
            for (int i = -1; i <= 1; ++i) {
                const float a = static_cast<float>(i) * 0.4f;
                const glm::vec2 tip = Turn({0.0f, -0.9f}, a);
                const glm::vec2 tail = Turn({0.0f, 0.75f}, a) * 0.8f;
                DrawKunai(image, {f.center, f.half * 0.9f}, tail, tip, Palette::kSteel);
            }
            break;
        case Motif::Caltrops:
            for (const glm::vec2& c :
                 {glm::vec2(-0.45f, 0.35f), glm::vec2(0.4f, 0.45f), glm::vec2(0.05f, -0.4f)}) {
                for (int k = 0; k < 3; ++k) {
                    const glm::vec2 spike =
                        Turn({0.0f, -0.38f}, static_cast<float>(k) * 2.0f * kPi / 3.0f + c.x);
                    Polygon(image, f,
                            {c + Turn(spike, 1.57f) * 0.2f, c + spike, c - Turn(spike, 1.57f) * 0.2f},
                            Palette::kSteel);
                }
                Disc(image, f, c, 0.1f, Palette::kInk);
            }
            break;
        case Motif::SmokeBomb:
            for (const glm::vec3& puff : {glm::vec3(-0.5f, -0.45f, 0.3f), glm::vec3(0.0f, -0.65f, 0.32f),
                                          glm::vec3(0.5f, -0.4f, 0.28f)}) {
                Disc(image, f, {puff.x, puff.y}, puff.z, WithAlpha(Palette::kPaper, 0.55f));
            }
            Disc(image, f, {0.0f, 0.3f}, 0.55f, Palette::kInk);
            Disc(image, f, {-0.18f, 0.12f}, 0.14f, WithAlpha(glm::vec4(1.0f), 0.35f));
            Stroke(image, f, {0.0f, -0.25f}, {0.15f, -0.45f}, 0.08f, Palette::kFire);
            break;
        case Motif::StickyTrap:
            Disc(image, f, {0.0f, 0.1f}, 0.7f, WithAlpha(Palette::kHeal, 0.45f));
            Ring(image, f, {0.0f, 0.1f}, 0.7f, 0.08f, Palette::kHeal);
            Disc(image, f, {-0.25f, -0.2f}, 0.15f, WithAlpha(glm::vec4(1.0f), 0.7f));
            Ring(image, f, {0.55f, -0.6f}, 0.18f, 0.05f, Palette::kHeal);
            Ring(image, f, {-0.6f, 0.7f}, 0.12f, 0.05f, Palette::kHeal);
            break;
        case Motif::FlashBang:
            for (int i = 0; i < 12; ++i) {
                const glm::vec2 d = Turn({0.0f, -1.0f}, static_cast<float>(i) * kPi / 6.0f);
                Stroke(image, f, d * 0.45f, d * (i % 2 == 0 ? 0.95f : 0.75f), 0.08f, Palette::kGold);
            }
            Disc(image, f, {0.0f, 0.0f}, 0.42f, glm::vec4(1.0f, 0.98f, 0.85f, 1.0f));
            break;
        case Motif::Mist:
            for (int i = 0; i < 4; ++i) {
                const float y = -0.55f + 0.38f * static_cast<float>(i);
                Arc(image, f, {0.0f, y + 0.6f}, 0.7f, -kPi * 0.85f, -kPi * 0.15f, 0.1f,
                    WithAlpha(Palette::kMagic, 0.45f + 0.12f * static_cast<float>(i)));
            }
            Disc(image, f, {-0.3f, -0.05f}, 0.13f, Palette::kRed);
            Disc(image, f, {0.3f, -0.05f}, 0.13f, Palette::kRed);
            Polygon(image, f, {{-0.35f, 0.35f}, {0.35f, 0.35f}, {0.0f, 0.6f}}, Palette::kInk);
            break;
    }
}
