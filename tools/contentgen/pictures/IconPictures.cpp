// Ability and tool icons, the death board's kill icons and the ninja portraits.
#include <cmath>

#include "pictures/Icons.h"
#include "pictures/Palette.h"
#include "pictures/PictureCatalog.h"
#include "textures/Noise.h"

namespace {

// Each ninja has an accent colour on its icons and portrait: fire for the katana, blossom for the tessen,
// jade for the naginata.
glm::vec4 Accent(int ninja) {
    switch (ninja) {
        case 1:
            return Palette::kFire;
        case 2:
            return Palette::kSakura;
        case 3:
            return Palette::kHeal;
        default:
            return Palette::kSteel;
    }
}

Image Icon(Motif motif, const glm::vec4& accent, const glm::vec4& ground) {
    Image image(64, 64);
    const auto tile = [](glm::vec2 p) { return Sdf::RoundBox(p, {32.0f, 32.0f}, {31.0f, 31.0f}, 7.0f); };
    image.FillShaded(tile, [&](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 4, 3, 61u);
        const glm::vec4 c =
            Palette::Mix(ground, Palette::kInk, 0.3f + 0.6f * glm::length(uv - glm::vec2(0.3f)));
        return glm::vec4(glm::vec3(c) * (0.85f + 0.3f * n), 1.0f);
    });
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(tile(p) + 1.5f, 1.5f); }, accent);
    DrawMotif(image, motif, {{32.0f, 32.0f}, 24.0f});
    return image;
}

Image Portrait(int ninja) {
    Image image(200, 200);
    const glm::vec4 accent = Accent(ninja);
    image.Shade([&](glm::vec2, glm::vec2 uv) {
        const float glow = std::max(0.0f, 1.0f - glm::length(uv - glm::vec2(0.5f, 0.35f)) * 1.6f);
        return Palette::Mix(Palette::kNight, accent * 0.6f, glow * 0.6f);
    });
    // Shoulders, hooded head, the mask's eye slit and the accent headband.
    image.Fill([](glm::vec2 p) { return Sdf::Ellipse(p, {100.0f, 205.0f}, {85.0f, 55.0f}); }, Palette::kInk);
    image.Fill([](glm::vec2 p) { return Sdf::Ellipse(p, {100.0f, 100.0f}, {52.0f, 60.0f}); }, Palette::kInk);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::RoundBox(p, {100.0f, 95.0f}, {40.0f, 11.0f}, 9.0f);
        },
        glm::vec4(0.86f, 0.68f, 0.55f, 1.0f));
    for (float x : {82.0f, 118.0f}) {
        image.Fill([x](glm::vec2 p) { return Sdf::Ellipse(p, {x, 95.0f}, {8.0f, 4.0f}); }, Palette::kInk);
    }
    image.Fill([](glm::vec2 p) { return Sdf::RoundBox(p, {100.0f, 68.0f}, {50.0f, 7.0f}, 3.0f); }, accent);
    image.Fill([](glm::vec2 p) { return Sdf::Segment(p, {146.0f, 68.0f}, {175.0f, 90.0f}, 4.0f); }, accent);
    image.Fill([](glm::vec2 p) { return Sdf::Segment(p, {146.0f, 70.0f}, {168.0f, 104.0f}, 3.0f); }, accent);
    const Motif weapon = ninja == 1 ? Motif::KatanaSlash : (ninja == 2 ? Motif::Fan : Motif::NaginataSlash);
    DrawMotif(image, weapon, {{150.0f, 160.0f}, 36.0f});
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Outline(Sdf::RoundBox(p, {100.0f, 100.0f}, {97.0f, 97.0f}, 10.0f), 2.5f);
        },
        Palette::kGold);
    return image;
}

Image PickMarker() {
    Image image(64, 64);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Outline(Sdf::Circle(p, {32.0f, 32.0f}, 26.0f), 3.0f);
        },
        Palette::kGold);
    for (int i = 0; i < 4; ++i) {
        const float a = static_cast<float>(i) * 1.5707964f;
        const glm::vec2 d(std::cos(a), std::sin(a));
        const glm::vec2 side(-d.y, d.x);
        const std::vector<glm::vec2> tri = {glm::vec2(32.0f) + d * 20.0f,
                                            glm::vec2(32.0f) + d * 31.0f + side * 6.0f,
                                            glm::vec2(32.0f) + d * 31.0f - side * 6.0f};
        image.Fill([&](glm::vec2 p) { return Sdf::Polygon(p, tri); }, Palette::kFire);
    }
    return image;
}

}  // namespace

void AddIconPictures(PictureList& list) {
    struct Named {
        const char* file;
        Motif motif;
        int ninja;  // 0 for the tools
    };
    for (const Named& n :
         {Named{"TB_N1_Melee.png", Motif::KatanaSlash, 1}, Named{"TB_N1_Ranged.png", Motif::Shuriken, 1},
          Named{"TB_N1_Q.png", Motif::Dash, 1}, Named{"TB_N1_E.png", Motif::MegaShuriken, 1},
          Named{"TB_N2_Melee.png", Motif::Fan, 2}, Named{"TB_N2_Ranged.png", Motif::WhipLash, 2},
          Named{"TB_N2_Q.png", Motif::FanBoomerang, 2}, Named{"TB_N2_E.png", Motif::WhipSweep, 2},
          Named{"TB_N3_Melee.png", Motif::NaginataSlash, 3}, Named{"TB_N3_Ranged.png", Motif::Kunai, 3},
          Named{"TB_N3_Q.png", Motif::NaginataStab, 3}, Named{"TB_N3_E.png", Motif::Volley, 3},
          Named{"TB_T_Caltrops.png", Motif::Caltrops, 0}, Named{"TB_T_SmokeBomb.png", Motif::SmokeBomb, 0},
          Named{"TB_T_StickyTARP.png", Motif::StickyTrap, 0},
          Named{"TB_T_FlashBang.png", Motif::FlashBang, 0}}) {
        list.push_back({std::string("Abilities/") + n.file, [n] {
                            return Icon(n.motif, Accent(n.ninja),
                                        n.ninja == 0 ? Palette::kNight : Palette::kLacquer);
                        }});
    }
    // Kill icons sit on a blood-dark tile so the death board reads apart from the ability bar.
    const glm::vec4 killGround(0.35f, 0.05f, 0.06f, 1.0f);
    for (const Named& n :
         {Named{"n1ranged.png", Motif::Shuriken, 1}, Named{"n1q.png", Motif::Dash, 1},
          Named{"n1melee.png", Motif::KatanaSlash, 1}, Named{"n1e.png", Motif::MegaShuriken, 1},
          Named{"caltrop.png", Motif::Caltrops, 0}, Named{"n2melee.png", Motif::Fan, 2},
          Named{"n2ranged.png", Motif::WhipLash, 2}, Named{"n2e.png", Motif::WhipSweep, 2},
          Named{"n2q.png", Motif::FanBoomerang, 2}, Named{"n3melee.png", Motif::NaginataSlash, 3},
          Named{"n3ranged.png", Motif::Kunai, 3}, Named{"n3q.png", Motif::NaginataStab, 3},
          Named{"n3e.png", Motif::Volley, 3}, Named{"Unknown.png", Motif::Mist, 0}}) {
        list.push_back({std::string("DeathBoard/") + n.file, [n, killGround] {
                            return Icon(n.motif, n.ninja == 0 ? Palette::kMagic : Accent(n.ninja),
                                        killGround);
                        }});
    }
    for (int ninja = 1; ninja <= 3; ++ninja) {
        const std::string number = std::to_string(ninja);
        list.push_back({"Ninjas/ninja" + number + ".png", [ninja] { return Portrait(ninja); }});
        // The player's portrait is also looked up by model name.
        list.push_back({"Ninjas/Ninja" + number + "Shape.png", [ninja] { return Portrait(ninja); }});
    }
    list.push_back({"Ninjas/pickChara.png", PickMarker});
}
