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

const std::vector<PictureRule>& RequiredPictures();
const std::vector<SoundRule>& RequiredSounds();

inline constexpr const char* kFontFile = "Fonts/RagingRedLotusBB.ttf";
inline constexpr const char* kGrassMaskFile = "GrassMap/grassMask.raw";
inline constexpr int kMinGrassMaskSize = 208;
