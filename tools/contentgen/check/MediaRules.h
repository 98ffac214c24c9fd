// What the game expects of its pictures, sounds, font and grass mask: every file it opens, by its path
// under the data folder, and the rule each must keep.
#pragma once

#include <string>
#include <vector>

enum class PictureShape {
    Any,        // stretched to the window or to a size the code picks
    Square,     // icons, sprites, markers
    Aspect,     // drawn at a fixed size: the picture keeps that width-to-height ratio
    SeamlessU,  // scrolled across: the left and right edges meet without a seam
    Additive,   // added onto the frame: black where it adds nothing
};

struct PictureRule {
    std::string path;  // under the data folder: "2DTextures/GUI/cursor.png"
    PictureShape shape = PictureShape::Any;
    int drawWidth = 0;  // for Aspect
    int drawHeight = 0;
};

struct SoundRule {
    std::string path;  // "Sound/KunaiThrow.wav"
    int channels = 1;
    bool loops = false;
};

// A place where the game draws over a picture, in pixels of the picture as the game draws it (from its top
// left corner, y down; x0 <= x < x1, y0 <= y < y1).
enum class AreaNeed {
    Light,  // black lettering goes there: the picture is light and opaque under it
    Quiet,  // rows of portraits and names go there: the picture shows nothing bright (no lettering) there
};
struct PictureArea {
    std::string path;  // as in PictureRule
    std::string what;  // what the game draws there: "the key label M1"
    AreaNeed need = AreaNeed::Light;
    float drawWidth = 0.0f;
    float drawHeight = 0.0f;
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;
};

const std::vector<PictureRule>& RequiredPictures();
const std::vector<PictureArea>& OverdrawnAreas();
const std::vector<SoundRule>& RequiredSounds();

inline constexpr const char* kFontFile = "Fonts/RagingRedLotusBB.ttf";
// The characters the game's text boxes accept (Latin-1 bytes, shown as the same Unicode characters): the
// font needs a glyph with an outline for each, and for the two spaces at least an advance.
struct CharacterRange {
    int first;
    int last;
};
inline constexpr CharacterRange kTextBoxCharacters[] = {{0x20, 0x7E}, {0xA0, 0xFF}};
inline constexpr bool IsBlankCharacter(int c) {
    return c == 0x20 || c == 0xA0;
}
inline constexpr const char* kGrassMaskFile = "GrassMap/grassMask.raw";
inline constexpr int kMinGrassMaskSize = 208;
