// The lobby's panels: the team panels, the page background and the ability bar, each leaving room for what
// the lobby draws over it (see LobbyPlaces.h).
#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/Icons.h"
#include "pictures/LobbyPlaces.h"
#include "pictures/Palette.h"
#include "pictures/PictureCatalog.h"
#include "pictures/TextPainter.h"
#include "pictures/Widgets.h"
#include "textures/Noise.h"

namespace {

// Letters one character with its ink (shadow included) centred on center, on whole pixels.
void DrawInkCentred(Image& image, char letter, glm::vec2 center, float capHeight, float maxWidth) {
    const int side = static_cast<int>(std::ceil(capHeight * 3.0f));
    Image layer(side, side);
    Lettering().Draw(layer, std::string(1, letter), glm::vec2(static_cast<float>(side) * 0.5f), capHeight,
                     maxWidth, Palette::kPaper);
    int left = side;
    int top = side;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (layer.At(x, y).a > 0.0f) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return;
    }
    const int dx = static_cast<int>(std::lround(center.x - static_cast<float>(left + right + 1) * 0.5f));
    const int dy = static_cast<int>(std::lround(center.y - static_cast<float>(top + bottom + 1) * 0.5f));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            image.Blend(x + dx, y + dy, layer.At(x, y), 1.0f);
        }
    }
}

// The lobby lists the team's players in rows over the panel, from the window edge inwards, so the team's
// name stands letter under letter in the strip between the panel's outer rim and the rows.
Image TeamLobby(bool red) {
    Image image(160, 301);
    const glm::vec4 team = red ? Palette::kRed : Palette::kBlue;
    const auto shape = [](glm::vec2 p) { return Sdf::RoundBox(p, {80.0f, 150.5f}, {76.0f, 146.5f}, 12.0f); };
    image.FillShaded(shape, [&](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x * 0.5f, uv.y, 4, 4, red ? 3u : 4u);
        const glm::vec4 c = Palette::Mix(team, Palette::kInk, 0.35f + 0.5f * uv.y);
        return glm::vec4(glm::vec3(c) * (0.8f + 0.4f * n), 0.85f);
    });
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(shape(p), 2.0f); },
               red ? Palette::kGold : Palette::kSteel);
    DrawShuriken(image, {{80.0f, 215.0f}, 38.0f}, 0.2f, Palette::WithAlpha(Palette::kPaper, 0.25f));

    const LobbyPlaces::Rect rows = LobbyPlaces::RowsIn(red);
    const float scale =
        static_cast<float>(image.Width()) / (red ? LobbyPlaces::kRedPanel : LobbyPlaces::kBluePanel).width;
    const float rim = 6.0f;  // the outline's inner edge
    const float left = red ? rim : rows.x1 * scale;
    const float right = red ? rows.x0 * scale : static_cast<float>(image.Width()) - rim;
    const float column = (left + right) * 0.5f;
    const float width = right - left - 4.0f;
    const std::string name = red ? "RED" : "BLUE";
    const std::string word = "TEAM";
    constexpr float kNameHeight = 15.0f;
    constexpr float kWordHeight = 11.0f;
    constexpr float kNamePitch = 24.0f;
    constexpr float kWordPitch = 18.0f;
    constexpr float kGap = 10.0f;
    const float height =
        static_cast<float>(name.size()) * kNamePitch + kGap + static_cast<float>(word.size()) * kWordPitch;
    float y = (static_cast<float>(image.Height()) - height) * 0.5f;
    for (const char letter : name) {
        DrawInkCentred(image, letter, {column, y + kNamePitch * 0.5f}, kNameHeight, width);
        y += kNamePitch;
    }
    y += kGap;
    for (const char letter : word) {
        DrawInkCentred(image, letter, {column, y + kWordPitch * 0.5f}, kWordHeight, width);
        y += kWordPitch;
    }
    return image;
}

// Paper with a faint grain, for the places where the game letters in black.
glm::vec4 PaperGrain(glm::vec2 pixel) {
    const float n = FractalNoise(pixel.x / 64.0f, pixel.y / 64.0f, 8, 4, 31u);
    return glm::vec4(glm::vec3(Palette::kPaper) * (0.93f + 0.1f * n), 1.0f);
}

// The lobby writes the tool's key R in black under the tool icon, so a paper key cap lies there. The page
// is drawn at the picture's own size.
Image LobbyBackground() {
    Image image = DarkPanel(410, 440, 16.0f, 0.88f);
    image.Fill(
        [](glm::vec2 p) {
            return Sdf::Segment(p, {30.0f, 60.0f}, {380.0f, 60.0f}, 1.0f);
        },
        Palette::WithAlpha(Palette::kGold, 0.6f));
    const LobbyPlaces::Rect label = LobbyPlaces::LabelIn(LobbyPlaces::kPageBackground, LobbyPlaces::kToolKey);
    const glm::vec2 center((label.x0 + label.x1) * 0.5f, (label.y0 + label.y1) * 0.5f);
    const glm::vec2 half((label.x1 - label.x0) * 0.5f + 8.0f, (label.y1 - label.y0) * 0.5f + 5.0f);
    const auto cap = [&](glm::vec2 p) { return Sdf::RoundBox(p, center, half, 5.0f); };
    image.FillShaded(cap, [](glm::vec2 pixel, glm::vec2) { return PaperGrain(pixel); });
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(cap(p), 1.0f); }, Palette::kGold);
    return image;
}

// The lobby writes the keys M1, M2, Q and E in black along the bar's lower edge, so a paper band runs under
// them; the lobby draws the bar at the picture's own size. The bar is also stretched to any width behind the
// lines of the death board; the band is plain and stretches with it.
Image AbilityBar() {
    const glm::vec2 size(370.0f, 100.0f);
    Image image = DarkPanel(370, 100, 14.0f, 0.85f);
    float top = size.y;
    for (const LobbyPlaces::KeyLabel& key : LobbyPlaces::kAbilityKeys) {
        top = std::min(top, LobbyPlaces::LabelIn(LobbyPlaces::kAbilityBar, key).y0 - 3.0f);
    }
    // The panel's outline as DarkPanel draws it.
    const auto panel = [&](glm::vec2 p) { return Sdf::RoundBox(p, size * 0.5f, size * 0.5f - 2.0f, 14.0f); };
    image.FillShaded([&](glm::vec2 p) { return std::max(panel(p), top - p.y); },
                     [](glm::vec2 pixel, glm::vec2) { return PaperGrain(pixel); });
    image.Fill(
        [&](glm::vec2 p) {
            return Sdf::Segment(p, {4.0f, top}, {size.x - 4.0f, top}, 0.7f);
        },
        Palette::WithAlpha(Palette::kGold, 0.8f));
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(panel(p), 1.5f); }, Palette::kGold);
    return image;
}

}  // namespace

void AddLobbyPictures(PictureList& list) {
    list.push_back({"GUI/redTeamLobby.png", [] { return TeamLobby(true); }});
    list.push_back({"GUI/blueTeamLobby.png", [] { return TeamLobby(false); }});
    list.push_back({"GUI/lobby_bg.png", LobbyBackground});
    list.push_back({"GUI/abilitybarLobby.png", AbilityBar});
}
