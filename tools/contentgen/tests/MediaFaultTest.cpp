// The font writer and the media checks: the display font loads in FreeType with every printable ASCII
// glyph, the font writer refuses descriptions it cannot write, and the checks name spoilt pictures,
// sounds and masks while the generated ones pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "ScratchFolder.h"
#include "check/MediaCheck.h"
#include "font/DisplayFont.h"
#include "font/TrueTypeWriter.h"
#include "pictures/Image.h"
#include "pictures/PictureFile.h"
#include "sounds/WavFile.h"

namespace {

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The problems that name path.
std::vector<std::string> About(const Problems& problems, const std::string& path) {
    std::vector<std::string> found;
    for (const std::string& problem : problems.List()) {
        if (problem.starts_with(path + ":")) {
            found.push_back(problem);
        }
    }
    return found;
}

}  // namespace

TEST(DisplayFont, LoadsInFreeTypeWithEveryPrintableCharacter) {
    const std::vector<std::uint8_t>& font = DisplayFontFile();
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Memory_Face(library, font.data(), static_cast<FT_Long>(font.size()), 0, &face), 0);
    EXPECT_EQ(face->num_glyphs, 96);
    EXPECT_TRUE(FT_IS_SCALABLE(face));
    ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, 40), 0);
    for (int c = 0x20; c <= 0x7E; ++c) {
        const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
        ASSERT_NE(index, 0u) << static_cast<char>(c);
        ASSERT_EQ(FT_Load_Glyph(face, index, FT_LOAD_RENDER), 0) << static_cast<char>(c);
        EXPECT_GT(face->glyph->advance.x, 0) << static_cast<char>(c);
        if (c != ' ') {
            EXPECT_GT(face->glyph->bitmap.width * face->glyph->bitmap.rows, 0u) << static_cast<char>(c);
            // Capitals and digits stand on the baseline and reach about three quarters of the em.
            if (std::isupper(c) != 0) {
                EXPECT_NEAR(face->glyph->bitmap_top, 30, 4) << static_cast<char>(c);
            }
        }
    }
    // Characters outside the font map to the missing-character glyph.
    EXPECT_EQ(FT_Get_Char_Index(face, 0x7F), 0u);
    EXPECT_EQ(FT_Get_Char_Index(face, 0x1F), 0u);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

TEST(DisplayFont, WriterRefusesWhatItCannotWrite) {
    FontGlyph box;
    box.contours = {{{0, 0}, {0, 100}, {100, 100}, {100, 0}}};
    box.advance = 120;
    FontGlyph line;
    line.contours = {{{0, 0}, {100, 100}}};
    struct Case {
        const char* name;
        std::vector<FontGlyph> glyphs;
    };
    for (const Case& c : {Case{"no characters", {box}}, Case{"a two-point contour", {box, line}},
                          Case{"no outline at all", {FontGlyph{}, FontGlyph{}}}}) {
        FontDescription font;
        font.family = "Test";
        font.style = "Bold";
        font.glyphs = c.glyphs;
        std::vector<std::uint8_t> bytes;
        std::string error;
        EXPECT_FALSE(WriteTrueType(font, bytes, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
}

TEST(MediaCheck, ParsesWavAndRejectsDamagedFiles) {
    const Signal tone = Tone(0.05f, [](float) { return 440.0f; });
    WavData wav;
    std::string error;
    ASSERT_TRUE(ParseWav(EncodeWav(tone, 2), wav, error)) << error;
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.sampleRate, kSampleRate);
    EXPECT_EQ(wav.samples.size(), tone.size() * 2);

    const std::vector<std::uint8_t> good = EncodeWav(tone, 1);
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    };
    for (const Case& c :
         {Case{"cut inside the data", [](auto& b) { b.resize(b.size() / 2); }},
          Case{"cut inside the header", [](auto& b) { b.resize(20); }},
          Case{"not RIFF", [](auto& b) { b[0] = 'X'; }}, Case{"not PCM", [](auto& b) { b[20] = 3; }},
          Case{"8-bit samples", [](auto& b) { b[34] = 8; }},
          Case{"huge chunk size", [](auto& b) { b[16] = b[17] = b[18] = b[19] = 0xFF; }}}) {
        std::vector<std::uint8_t> bytes = good;
        c.spoil(bytes);
        WavData parsed;
        EXPECT_FALSE(ParseWav(bytes, parsed, error)) << c.name;
    }
}

TEST(MediaCheck, NamesSpoiltPicturesSoundsAndMasks) {
    ScratchFolder data;
    // A stretched button, a fire sprite on grey, wrongly cased and undecodable pictures.
    WriteBytes(data.Path() / "2DTextures/GUI/play.png", EncodePng(Image(100, 100)));
    Image grey(16, 16);
    grey.Shade([](glm::vec2, glm::vec2) { return glm::vec4(0.5f, 0.5f, 0.5f, 1.0f); });
    WriteBytes(data.Path() / "2DTextures/Particles/FireParticle.png", EncodePng(grey));
    WriteBytes(data.Path() / "2DTextures/GUI/Cursor.png", EncodePng(Image(8, 8)));
    WriteBytes(data.Path() / "2DTextures/GUI/quit.png", {0x89, 'P', 'N', 'G'});
    Image seam(32, 8);
    seam.Shade([](glm::vec2, glm::vec2 uv) { return glm::vec4(uv.x, uv.x, uv.x, 1.0f); });
    WriteBytes(data.Path() / "2DTextures/Particles/SuddenDeathTexture.png", EncodePng(seam));
    // A stereo sound where the game positions it, and a loop that jumps.
    WriteBytes(data.Path() / "Sound/KunaiThrow.wav", EncodeWav(Tone(0.05f, [](float) { return 440.0f; }), 2));
    Signal ramp(2000);
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        ramp[i] = static_cast<float>(i) / static_cast<float>(ramp.size());
    }
    WriteBytes(data.Path() / "Sound/Fire.wav", EncodeWav(ramp, 1));
    WriteBytes(data.Path() / "GrassMap/grassMask.raw", std::vector<std::uint8_t>(100 * 100, 255));

    Problems problems;
    CheckPictures(data.Path(), problems);
    CheckSounds(data.Path(), problems);
    CheckFont(data.Path(), problems);
    CheckGrassMask(data.Path(), problems);
    for (const char* path :
         {"2DTextures/GUI/play.png", "2DTextures/Particles/FireParticle.png", "2DTextures/GUI/cursor.png",
          "2DTextures/GUI/quit.png", "2DTextures/Particles/SuddenDeathTexture.png", "Sound/KunaiThrow.wav",
          "Sound/Fire.wav", "Sound/Bird.wav", "GrassMap/grassMask.raw", "Fonts/RagingRedLotusBB.ttf"}) {
        EXPECT_EQ(About(problems, path).size(), 1u) << path;
    }
}
