// Where the game's lobby draws over the generated lobby pictures, for the game's window of 1280 x 1024: the
// black key labels over the ability bar and the page background, and the rows of the team lists over the
// team panels. The numbers follow the client's lobby layout (LobbyAbilityBar, LobbyTeamList and the page in
// ChooseStateLayout). The pictures leave room for what is drawn over them, and the self-check holds them to
// it.
#pragma once

namespace LobbyPlaces {

// A picture as the lobby places it: its centre and size in GUI pixels (from the window centre, y up).
struct Placement {
    float x, y, width, height;
};

// A rectangle in pixels of a picture as drawn: from its top left corner, y down; x0 <= x < x1, y0 <= y < y1.
struct Rect {
    float x0, y0, x1, y1;
};

// The GUI rectangle left..right, bottom..top (y up) in the drawn pixels of the picture placed at p.
constexpr Rect InDrawn(const Placement& p, float left, float bottom, float right, float top) {
    const float pictureLeft = p.x - p.width / 2.0f;
    const float pictureTop = p.y + p.height / 2.0f;
    return {left - pictureLeft, pictureTop - top, right - pictureLeft, pictureTop - bottom};
}

inline constexpr float kWindowWidth = 1280.0f;
inline constexpr float kWindowHeight = 1024.0f;

inline constexpr Placement kAbilityBar{0.0f, -40.0f, 370.0f, 100.0f};
inline constexpr Placement kPageBackground{0.0f, 30.0f, 410.0f, 440.0f};
inline constexpr Placement kRedPanel{-kWindowWidth / 3.0f, 30.0f, kWindowWidth / 4.0f, kWindowHeight / 1.7f};
inline constexpr Placement kBluePanel{kWindowWidth / 3.0f, 30.0f, kWindowWidth / 4.0f, kWindowHeight / 1.7f};

// A key label: its text centred on an anchor (GUI pixels), and the ink the display font lays out around the
// anchor at the labels' size of 25 (pixels, x right, y down).
struct KeyLabel {
    const char* text;
    float x, y;
    float inkLeft, inkTop, inkRight, inkBottom;
};

// Under the four ability icons of the bar.
inline constexpr KeyLabel kAbilityKeys[] = {{"M1", -126.0f, -80.0f, -19.0f, -11.0f, 14.0f, 9.0f},
                                            {"M2", -42.0f, -80.0f, -19.0f, -11.0f, 16.0f, 9.0f},
                                            {"Q", 42.0f, -80.0f, -10.0f, -11.0f, 8.0f, 10.0f},
                                            {"E", 126.0f, -80.0f, -9.0f, -11.0f, 6.0f, 9.0f}};
// Under the tool icon, on the page background.
inline constexpr KeyLabel kToolKey{"R", 0.0f, -170.0f, -9.0f, -11.0f, 6.0f, 9.0f};

// The label's ink in the drawn pixels of the picture under it.
constexpr Rect LabelIn(const Placement& picture, const KeyLabel& label) {
    return InDrawn(picture, label.x + label.inkLeft, label.y - label.inkBottom, label.x + label.inkRight,
                   label.y - label.inkTop);
}

// A team's rows: the first portrait (75 x 75) is centred 150 pixels in from the window edge the list hangs
// from, at y = 270, and the rows go down from there 150 pixels apart. Names start at the portrait's outer
// edge and everything else in a row lies further in, so the rows cover the panel from that edge inwards
// and from the first portrait's top down.
constexpr Rect RowsIn(bool red) {
    const float outerEdge = kWindowWidth / 2.0f - 150.0f + 75.0f / 2.0f;
    const float top = 270.0f + 75.0f / 2.0f;
    const Placement& panel = red ? kRedPanel : kBluePanel;
    const float bottom = panel.y - panel.height / 2.0f;
    return red ? InDrawn(panel, -outerEdge, bottom, panel.x + panel.width / 2.0f, top)
               : InDrawn(panel, panel.x - panel.width / 2.0f, bottom, outerEdge, top);
}

}  // namespace LobbyPlaces
