// The in-match heads-up display: ability bar, health bar, status bar, banners, minimap and scoreboard.
#include <algorithm>
#include <cmath>

#include "pictures/Palette.h"
#include "pictures/PictureCatalog.h"
#include "pictures/TextPainter.h"
#include "pictures/Widgets.h"
#include "preview/LevelFootprint.h"
#include "textures/Noise.h"

namespace {

Image AbilityBar() {
    Image image = DarkPanel(370, 100, 14.0f, 0.85f);
    for (int i = 0; i < 4; ++i) {
        const glm::vec2 c(66.0f + 79.0f * static_cast<float>(i), 50.0f);
        image.Fill(
            [&](glm::vec2 p) {
                return Sdf::Outline(Sdf::RoundBox(p, c, {27.0f, 27.0f}, 4.0f), 1.0f);
            },
            Palette::WithAlpha(Palette::kGold, 0.4f));
    }
    return image;
}

Image Solid(int width, int height, const glm::vec4& color) {
    Image image(width, height);
    image.Shade([&](glm::vec2, glm::vec2 uv) {
        // A soft highlight along the top, as on lacquer.
        const float light = 1.0f + 0.35f * std::max(0.0f, 0.4f - uv.y);
        return glm::vec4(glm::vec3(color) * light, color.a);
    });
    return image;
}

Image HealthBorder() {
    Image image(64, 16);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::RoundBox(p, {32.0f, 8.0f}, {31.5f, 7.5f}, 3.0f);
        },
        Palette::kInk);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Outline(Sdf::RoundBox(p, {32.0f, 8.0f}, {31.0f, 7.0f}, 3.0f), 0.6f);
        },
        Palette::kGold);
    return image;
}

Image Banner(const char* text, const glm::vec4& color) {
    Image image(340, 125);
    image.FillShaded(
        [](glm::vec2 p) {
            const float wave = 5.0f * std::sin(p.x * 0.03f);
            return Sdf::RoundBox(p, {170.0f, 62.0f + wave}, {160.0f, 40.0f}, 18.0f);
        },
        [](glm::vec2, glm::vec2 uv) {
            const float n = FractalNoise(uv.x, uv.y * 0.2f, 8, 3, 12u);
            return Palette::WithAlpha(Palette::kInk, 0.7f + 0.3f * n);
        });
    Lettering().Draw(image, text, {170.0f, 62.0f}, 46.0f, 300.0f, color);
    return image;
}

Image StatusSquare(const glm::vec4& team) {
    Image image(50, 50);
    image.FillShaded(
        [](glm::vec2 p) {
            return Sdf::RoundBox(p, {25.0f, 25.0f}, {22.0f, 22.0f}, 5.0f);
        },
        [&](glm::vec2, glm::vec2 uv) { return Palette::Mix(team, Palette::kInk, uv.y * 0.6f); });
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Outline(Sdf::RoundBox(p, {25.0f, 25.0f}, {22.0f, 22.0f}, 5.0f), 1.2f);
        },
        Palette::kGold);
    return image;
}

// Drawn over a portrait: a translucent veil and a red brush cross.
Image DeadMark() {
    Image image(50, 50);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::RoundBox(p, {25.0f, 25.0f}, {23.0f, 23.0f}, 5.0f);
        },
        Palette::WithAlpha(Palette::kInk, 0.55f));
    image.Fill(
        [](glm::vec2 p) {
            return std::min(Sdf::Segment(p, {12.0f, 12.0f}, {38.0f, 38.0f}, 3.5f),
                            Sdf::Segment(p, {38.0f, 12.0f}, {12.0f, 38.0f}, 3.0f));
        },
        Palette::kRed);
    return image;
}

Image Dot(const glm::vec4& team) {
    Image image(16, 16);
    image.Fill([](glm::vec2 p) { return Sdf::Circle(p, {8.0f, 8.0f}, 7.0f); }, Palette::kInk);
    image.FillShaded(
        [](glm::vec2 p) {
            return Sdf::Circle(p, {8.0f, 8.0f}, 5.5f);
        },
        [&](glm::vec2 p, glm::vec2) {
            return Palette::Mix(glm::vec4(1.0f), team,
                                std::min(1.0f, glm::length(p - glm::vec2(6.5f)) / 4.0f));
        });
    return image;
}

Image Frame(int width, int height) {
    Image image(width, height);
    const glm::vec2 size(static_cast<float>(width), static_cast<float>(height));
    const auto outer = [&](glm::vec2 p) { return Sdf::RoundBox(p, size * 0.5f, size * 0.5f - 1.0f, 10.0f); };
    const auto inner = [&](glm::vec2 p) { return Sdf::RoundBox(p, size * 0.5f, size * 0.5f - 12.0f, 4.0f); };
    image.FillShaded([&](glm::vec2 p) { return std::max(outer(p), -inner(p)); },
                     [](glm::vec2, glm::vec2 uv) {
                         const float n = FractalNoise(uv.x, uv.y, 8, 3, 21u);
                         return glm::vec4(glm::vec3(Palette::kLacquer) * (0.8f + 0.5f * n), 1.0f);
                     });
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(outer(p), 1.2f); }, Palette::kGold);
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(inner(p), 1.2f); }, Palette::kGold);
    return image;
}

// A top view of the default level: x from -45.7 (left) to 45.7, z from 52.7 (top) to -52.7, matching the
// game's dot placement on the 222 x 250 picture.
Image Minimap(const std::filesystem::path& dataFolder) {
    constexpr float kHalfX = 45.7f;
    constexpr float kHalfZ = 52.7f;
    constexpr int kWidth = 222;
    constexpr int kHeight = 250;
    const LevelFootprint footprint = ReadLevelFootprint(dataFolder, "NightTimeArena.ZMDL");
    Image image(kWidth, kHeight);
    const glm::vec2 scale(kWidth / (2.0f * kHalfX), kHeight / (2.0f * kHalfZ));
    const auto toPixel = [&](glm::vec2 ground) {
        return glm::vec2((ground.x + kHalfX) * scale.x, (kHalfZ - ground.y) * scale.y);
    };
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 8, 4, 41u);
        const glm::vec4 grass =
            Palette::Mix(glm::vec4(0.1f, 0.17f, 0.12f, 1.0f), glm::vec4(0.16f, 0.24f, 0.15f, 1.0f), n);
        return grass;
    });
    const float floorEdge = std::min(scale.x, scale.y);
    const glm::vec2 center = toPixel({0.0f, 0.0f});
    const glm::vec2 half(kFloorHalfX * scale.x, kFloorHalfZ * scale.y);
    image.Fill([&](glm::vec2 p) { return -Sdf::RoundBox(p, center, half, floorEdge); }, Palette::kInk);
    for (const FootprintShape& shape : footprint.shapes) {
        glm::vec4 color;
        switch (shape.kind) {
            case FootprintKind::TallWall:
                color = glm::vec4(0.55f, 0.55f, 0.6f, 1.0f);
                break;
            case FootprintKind::Low:
                color = glm::vec4(0.5f, 0.33f, 0.18f, 1.0f);
                break;
            case FootprintKind::Pillar:
                color = glm::vec4(0.48f, 0.48f, 0.54f, 1.0f);
                break;
            case FootprintKind::Canopy:
                color = glm::vec4(0.1f, 0.3f, 0.12f, 0.55f);
                break;
            case FootprintKind::Trunk:
                color = glm::vec4(0.15f, 0.35f, 0.15f, 0.9f);
                break;
        }
        if (shape.corners.empty()) {
            const glm::vec2 c = toPixel(shape.center);
            const glm::vec2 r = shape.radius * scale;
            image.Fill([&](glm::vec2 p) { return Sdf::Ellipse(p, c, r); }, color);
        } else {
            std::vector<glm::vec2> points;
            for (const glm::vec2& corner : shape.corners) {
                points.push_back(toPixel(corner));
            }
            image.Fill([&](glm::vec2 p) { return Sdf::Polygon(p, points); }, color);
        }
    }
    for (const glm::vec2& fire : footprint.fires) {
        const glm::vec2 c = toPixel(fire);
        image.Fill([&](glm::vec2 p) { return Sdf::Circle(p, c, 4.0f); },
                   Palette::WithAlpha(Palette::kFire, 0.35f));
        image.Fill([&](glm::vec2 p) { return Sdf::Circle(p, c, 1.6f); }, Palette::kFire);
    }
    for (const auto& [spawns, team] :
         {std::pair{&footprint.redSpawns, Palette::kRed}, std::pair{&footprint.blueSpawns, Palette::kBlue}}) {
        for (const glm::vec2& spawn : *spawns) {
            const glm::vec2 c = toPixel(spawn);
            image.Fill([&](glm::vec2 p) { return Sdf::Outline(Sdf::Circle(p, c, 3.0f), 0.8f); },
                       Palette::WithAlpha(team, 0.8f));
        }
    }
    return image;
}

}  // namespace

void AddHudPictures(PictureList& list, const std::filesystem::path& dataFolder) {
    list.push_back({"GUI/tb_bg.png", AbilityBar});
    list.push_back({"GUI/TB_cd.png", [] { return Solid(46, 46, Palette::WithAlpha(Palette::kInk, 0.7f)); }});
    list.push_back({"GUI/hpBorder.png", HealthBorder});
    list.push_back({"GUI/hpRed.png", [] { return Solid(54, 10, Palette::kLacquer); }});
    list.push_back({"GUI/hpGreen.png", [] { return Solid(54, 10, glm::vec4(0.3f, 0.78f, 0.3f, 1.0f)); }});
    list.push_back({"GUI/victory.png", [] { return Banner("VICTORY", Palette::kGold); }});
    list.push_back({"GUI/defeat.png", [] { return Banner("DEFEAT", Palette::kRed); }});
    list.push_back({"GUI/statusBar_bg.png", [] { return DarkPanel(80, 55, 8.0f, 0.8f); }});
    list.push_back({"GUI/statusBar_frame.png", [] { return Frame(570, 80); }});
    list.push_back({"GUI/statusBar_redSquare.png", [] { return StatusSquare(Palette::kRed); }});
    list.push_back({"GUI/statusBar_blueSquare.png", [] { return StatusSquare(Palette::kBlue); }});
    list.push_back({"GUI/statusBar_dead.png", DeadMark});
    list.push_back({"GUI/minimap.png", [dataFolder] { return Minimap(dataFolder); }});
    list.push_back({"GUI/minimapframe.png", [] { return Frame(246, 275); }});
    list.push_back({"GUI/minimap_redDot.png", [] { return Dot(Palette::kRed); }});
    list.push_back({"GUI/minimap_blueDot.png", [] { return Dot(Palette::kBlue); }});
    list.push_back({"GUI/scoreboard_bg.png", [] { return PaperPanel(514, 626, 14.0f); }});
}
