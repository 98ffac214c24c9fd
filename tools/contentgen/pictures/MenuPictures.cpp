// The main menu, options page and lobby button pictures.
#include <cmath>

#include "pictures/Palette.h"
#include "pictures/PictureCatalog.h"
#include "pictures/TextPainter.h"
#include "pictures/Widgets.h"
#include "textures/Noise.h"

namespace {

// The pointer's tip sits at the picture's centre, because the game centres the quad on the mouse.
Image Cursor() {
    Image image(64, 64);
    const glm::vec2 tip(32.0f, 32.0f);
    const std::vector<glm::vec2> arrow = {tip,
                                          tip + glm::vec2(0.0f, 24.0f),
                                          tip + glm::vec2(6.5f, 18.0f),
                                          tip + glm::vec2(11.0f, 27.0f),
                                          tip + glm::vec2(15.0f, 25.0f),
                                          tip + glm::vec2(10.5f, 16.5f),
                                          tip + glm::vec2(18.0f, 16.0f)};
    image.Fill([&](glm::vec2 p) { return Sdf::Polygon(p - glm::vec2(1.5f), arrow) - 1.0f; },
               Palette::WithAlpha(Palette::kInk, 0.5f));
    image.Fill([&](glm::vec2 p) { return Sdf::Polygon(p, arrow) - 1.2f; }, Palette::kInk);
    image.FillShaded([&](glm::vec2 p) { return Sdf::Polygon(p, arrow) + 0.6f; },
                     [](glm::vec2, glm::vec2 uv) {
                         return Palette::Mix(Palette::kGold, Palette::kFire, uv.y * 1.4f - 0.5f);
                     });
    return image;
}

Image Logo() {
    Image image(900, 307);
    // A red sun behind the name, brushed ink swash under it.
    image.FillShaded(
        [](glm::vec2 p) {
            return Sdf::Circle(p, {640.0f, 130.0f}, 105.0f);
        },
        [](glm::vec2, glm::vec2 uv) { return Palette::Mix(Palette::kFire, Palette::kRed, uv.y * 2.0f); });
    image.FillShaded(
        [](glm::vec2 p) {
            const float wave = 8.0f * std::sin(p.x * 0.02f);
            return Sdf::RoundBox(p, {450.0f, 215.0f + wave},
                                 {400.0f, 26.0f - std::abs(p.x - 450.0f) * 0.045f}, 10.0f);
        },
        [](glm::vec2, glm::vec2 uv) {
            const float n = FractalNoise(uv.x, uv.y * 0.1f, 16, 3, 9u);
            return Palette::WithAlpha(Palette::kInk, 0.6f + 0.4f * n);
        });
    Lettering().Draw(image, "OMBRIN", {450.0f, 140.0f}, 150.0f, 840.0f, Palette::kPaper);
    Lettering().Draw(image, "NIGHT ARENA", {450.0f, 262.0f}, 30.0f, 600.0f, Palette::kGold);
    return image;
}

Image TextBox() {
    Image image = PaperPanel(394, 67, 10.0f);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Segment(p, {14.0f, 54.0f}, {380.0f, 54.0f}, 0.8f);
        },
        Palette::WithAlpha(Palette::kInk, 0.35f));
    return image;
}

Image Checkbox(bool checked) {
    Image image(50, 50);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::RoundBox(p, {25.0f, 25.0f}, {21.0f, 21.0f}, 6.0f);
        },
        Palette::WithAlpha(Palette::kInk, 0.85f));
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Outline(Sdf::RoundBox(p, {25.0f, 25.0f}, {21.0f, 21.0f}, 6.0f), 1.8f);
        },
        Palette::kGold);
    if (checked) {
        image.Fill(
            [](glm::vec2 p) {
                return std::min(Sdf::Segment(p, {13.0f, 26.0f}, {22.0f, 35.0f}, 3.5f),
                                Sdf::Segment(p, {22.0f, 35.0f}, {38.0f, 14.0f}, 3.0f));
            },
            Palette::kFire);
    }
    return image;
}

Image ThinArrow(bool right) {
    Image image(50, 200);
    const float s = right ? 1.0f : -1.0f;
    const std::vector<glm::vec2> points = {{25.0f - 15.0f * s, 30.0f},
                                           {25.0f + 17.0f * s, 100.0f},
                                           {25.0f - 15.0f * s, 170.0f},
                                           {25.0f - 7.0f * s, 100.0f}};
    image.Fill([&](glm::vec2 p) { return Sdf::Polygon(p, points) - 2.0f; }, Palette::kInk);
    image.FillShaded(
        [&](glm::vec2 p) { return Sdf::Polygon(p, points); },
        [](glm::vec2, glm::vec2 uv) { return Palette::Mix(Palette::kGold, Palette::kFire, uv.y); });
    return image;
}

Image SmallArrow(bool right) {
    Image image(60, 60);
    const float s = right ? 1.0f : -1.0f;
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Circle(p, {30.0f, 30.0f}, 27.0f);
        },
        Palette::WithAlpha(Palette::kInk, 0.85f));
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Outline(Sdf::Circle(p, {30.0f, 30.0f}, 27.0f), 1.5f);
        },
        Palette::kGold);
    const std::vector<glm::vec2> points = {
        {30.0f - 9.0f * s, 15.0f}, {30.0f + 13.0f * s, 30.0f}, {30.0f - 9.0f * s, 45.0f}};
    image.Fill([&](glm::vec2 p) { return Sdf::Polygon(p, points); }, Palette::kFire);
    return image;
}

Image Tint() {
    Image image(64, 64);
    image.Shade([](glm::vec2, glm::vec2 uv) {
        const float edge = glm::length(uv - glm::vec2(0.5f)) * 1.4f;
        return Palette::WithAlpha(Palette::kInk, 0.55f + 0.3f * edge);
    });
    return image;
}

}  // namespace

void AddMenuPictures(PictureList& list) {
    list.push_back({"GUI/cursor.png", Cursor});
    list.push_back({"GUI/Logo_Ombrin.png", Logo});
    struct Text {
        const char* file;
        const char* text;
        int width;
        int height;
        ButtonLook look;
    };
    for (const Text& b : {Text{"GUI/play.png", "PLAY", 301, 98, ButtonLook::Normal},
                          Text{"GUI/options.png", "OPTIONS", 301, 98, ButtonLook::Normal},
                          Text{"GUI/credits.png", "CREDITS", 301, 98, ButtonLook::Normal},
                          Text{"GUI/quit.png", "QUIT", 301, 98, ButtonLook::Normal},
                          Text{"GUI/connect.png", "CONNECT", 301, 98, ButtonLook::Normal},
                          Text{"GUI/host.png", "HOST", 301, 98, ButtonLook::Normal},
                          Text{"GUI/back.png", "BACK", 301, 98, ButtonLook::Normal},
                          Text{"GUI/apply.png", "APPLY", 301, 98, ButtonLook::Normal},
                          Text{"GUI/applydisabled.png", "APPLY", 301, 98, ButtonLook::Disabled},
                          Text{"GUI/chooseButton.png", "CHOOSE YOUR NINJA", 600, 100, ButtonLook::Normal},
                          Text{"GUI/randomButton.png", "RANDOM", 300, 100, ButtonLook::Normal},
                          Text{"GUI/play_baw.png", "PLAY", 300, 100, ButtonLook::Disabled},
                          Text{"GUI/ready_baw.png", "READY", 300, 100, ButtonLook::Disabled},
                          Text{"GUI/ready.png", "READY", 300, 100, ButtonLook::Normal},
                          Text{"GUI/unready.png", "UNREADY", 300, 100, ButtonLook::Red},
                          Text{"GUI/resume.png", "RESUME", 300, 98, ButtonLook::Normal},
                          Text{"GUI/main_menu.png", "MAIN MENU", 300, 98, ButtonLook::Normal},
                          Text{"GUI/continue.png", "CONTINUE", 300, 98, ButtonLook::Normal}}) {
        list.push_back({b.file, [b] { return Button(b.width, b.height, b.text, b.look); }});
    }
    for (const Text& l : {Text{"GUI/vs_text.png", "VSYNC", 263, 68, ButtonLook::Normal},
                          Text{"GUI/fullscreen_text.png", "FULLSCREEN", 188, 55, ButtonLook::Normal},
                          Text{"GUI/ssao_text.png", "SSAO", 106, 56, ButtonLook::Normal},
                          Text{"GUI/smartcast_text.png", "SMART CAST", 295, 58, ButtonLook::Normal},
                          Text{"GUI/dof_text.png", "DEPTH OF FIELD", 251, 68, ButtonLook::Normal},
                          Text{"GUI/mute_text.png", "MUTE", 216, 54, ButtonLook::Normal},
                          Text{"GUI/camera_text.png", "FIXED CAMERA", 243, 56, ButtonLook::Normal},
                          Text{"GUI/sctoggle_text.png", "SMART CAST TOGGLE", 200, 88, ButtonLook::Normal}}) {
        list.push_back({l.file, [l] { return Label(l.width, l.height, l.text, Palette::kPaper); }});
    }
    list.push_back({"GUI/namebox.png", TextBox});
    list.push_back({"GUI/IPBox.png", TextBox});
    list.push_back({"GUI/checkbox_checked.png", [] { return Checkbox(true); }});
    list.push_back({"GUI/checkbox_empty.png", [] { return Checkbox(false); }});
    list.push_back({"GUI/bgTint.png", Tint});
    list.push_back({"GUI/thinarrow_right.png", [] { return ThinArrow(true); }});
    list.push_back({"GUI/thinarrow_left.png", [] { return ThinArrow(false); }});
    list.push_back({"GUI/right.png", [] { return SmallArrow(true); }});
    list.push_back({"GUI/left.png", [] { return SmallArrow(false); }});
}
