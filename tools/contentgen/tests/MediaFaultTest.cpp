// The font writer and the media checks: the display font loads in FreeType with a glyph for every character
// the game's text boxes accept, the font writer refuses descriptions it cannot write, and the checks name
// spoilt pictures, sounds, fonts and masks while the generated ones pass.
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
#include "pictures/Palette.h"
#include "pictures/PictureCatalog.h"
#include "pictures/PictureFile.h"
#include "pictures/Widgets.h"
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

// A FreeType face on font bytes, closed at the end.
class Face {
public:
    explicit Face(const std::vector<std::uint8_t>& bytes) {
        if (FT_Init_FreeType(&m_library) == 0) {
            FT_New_Memory_Face(m_library, bytes.data(), static_cast<FT_Long>(bytes.size()), 0, &m_face);
        }
    }
    ~Face() {
        if (m_face != nullptr) {
            FT_Done_Face(m_face);
        }
        if (m_library != nullptr) {
            FT_Done_FreeType(m_library);
        }
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    FT_Face Get() const { return m_face; }

private:
    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
};

// A rendered character: its coverage and where it lies from the pen position on the baseline.
struct Ink {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;

    int At(int x, int y) const {  // x right and y down from the origin on the baseline
        const int column = x - left;
        const int row = y + top;
        if (column < 0 || column >= width || row < 0 || row >= rows) {
            return 0;
        }
        return coverage[static_cast<std::size_t>(row * width + column)];
    }
    bool operator==(const Ink&) const = default;
};

Ink Render(FT_Face face, int c) {
    Ink ink;
    if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) {
        return ink;
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    ink = {face->glyph->bitmap_left,
           face->glyph->bitmap_top,
           static_cast<int>(bitmap.width),
           static_cast<int>(bitmap.rows),
           {}};
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const std::uint8_t* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        ink.coverage.insert(ink.coverage.end(), line, line + bitmap.width);
    }
    return ink;
}

// The characters the game's text boxes accept.
std::vector<int> TextBoxCharacters() {
    std::vector<int> characters;
    for (int c = 0x20; c <= 0x7E; ++c) {
        characters.push_back(c);
    }
    for (int c = 0xA0; c <= 0xFF; ++c) {
        characters.push_back(c);
    }
    return characters;
}

// A font with a filled box for each of the characters, and no outline at all for those in blank.
std::vector<std::uint8_t> BoxFont(const std::vector<int>& characters, const std::vector<int>& blank = {}) {
    FontDescription font;
    font.family = "Test";
    font.style = "Bold";
    FontGlyph box;
    box.contours = {{{0, 0}, {0, 700}, {500, 700}, {500, 0}}};
    box.advance = 600;
    font.glyphs.push_back(box);
    for (int c : characters) {
        FontGlyph glyph = box;
        glyph.character = static_cast<std::uint16_t>(c);
        if (std::find(blank.begin(), blank.end(), c) != blank.end()) {
            glyph.contours.clear();
        }
        font.glyphs.push_back(glyph);
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(WriteTrueType(font, bytes, error)) << error;
    return bytes;
}

}  // namespace

TEST(DisplayFont, LoadsInFreeTypeWithEveryTextBoxCharacter) {
    const Face face(DisplayFontFile());
    ASSERT_NE(face.Get(), nullptr);
    EXPECT_EQ(face.Get()->num_glyphs, 1 + 95 + 96);
    EXPECT_TRUE(FT_IS_SCALABLE(face.Get()));
    ASSERT_EQ(FT_Set_Pixel_Sizes(face.Get(), 0, 40), 0);
    for (const int c : TextBoxCharacters()) {
        ASSERT_NE(FT_Get_Char_Index(face.Get(), static_cast<FT_ULong>(c)), 0u) << c;
        const Ink ink = Render(face.Get(), c);
        EXPECT_GT(face.Get()->glyph->advance.x, 0) << c;
        EXPECT_EQ(ink.width * ink.rows > 0, c != 0x20 && c != 0xA0) << c;
        // Capitals stand on the baseline and reach about three quarters of the em.
        if (c < 0x80 && std::isupper(c) != 0) {
            EXPECT_NEAR(ink.top, 30, 4) << static_cast<char>(c);
        }
    }
    // Characters outside the font map to the missing-character glyph.
    for (const int c : {0x1F, 0x7F, 0x80, 0x9F, 0x100, 0x20AC}) {
        EXPECT_EQ(FT_Get_Char_Index(face.Get(), static_cast<FT_ULong>(c)), 0u) << c;
    }
}

// Every Latin-1 character looks different from every other character, apart from the soft hyphen, which
// shows as a hyphen, and the no-break space. (ASCII keeps the segment font's letters, where l and | match.)
TEST(DisplayFont, NoLatin1CharacterLooksLikeAnother) {
    const Face face(DisplayFontFile());
    ASSERT_NE(face.Get(), nullptr);
    ASSERT_EQ(FT_Set_Pixel_Sizes(face.Get(), 0, 40), 0);
    std::vector<std::pair<int, Ink>> seen;
    for (const int c : TextBoxCharacters()) {
        const Ink ink = Render(face.Get(), c);
        for (const auto& [other, otherInk] : seen) {
            if (c < 0x80) {
                continue;
            }
            const bool alike = (other == '-' && c == 0xAD) || (other == ' ' && c == 0xA0);
            EXPECT_EQ(ink == otherInk, alike) << other << " and " << c;
        }
        seen.emplace_back(c, ink);
    }
}

// An accented letter draws its ASCII letter unchanged, with the mark above it (the cedilla below).
TEST(DisplayFont, AccentedLettersKeepTheirLetter) {
    const Face face(DisplayFontFile());
    ASSERT_NE(face.Get(), nullptr);
    ASSERT_EQ(FT_Set_Pixel_Sizes(face.Get(), 0, 40), 0);
    struct Family {
        char base;
        std::vector<int> accented;
    };
    // The small i loses its dot to the mark, so it is not among them.
    for (const Family& family :
         {Family{'A', {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5}}, Family{'C', {0xC7}},
          Family{'E', {0xC8, 0xC9, 0xCA, 0xCB}}, Family{'I', {0xCC, 0xCD, 0xCE, 0xCF}}, Family{'N', {0xD1}},
          Family{'O', {0xD2, 0xD3, 0xD4, 0xD5, 0xD6}}, Family{'U', {0xD9, 0xDA, 0xDB, 0xDC}},
          Family{'Y', {0xDD}}, Family{'a', {0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5}}, Family{'c', {0xE7}},
          Family{'e', {0xE8, 0xE9, 0xEA, 0xEB}}, Family{'n', {0xF1}},
          Family{'o', {0xF2, 0xF3, 0xF4, 0xF5, 0xF6}}, Family{'u', {0xF9, 0xFA, 0xFB, 0xFC}},
          Family{'y', {0xFD, 0xFF}}}) {
        const Ink base = Render(face.Get(), family.base);
        const FT_Pos baseAdvance = face.Get()->glyph->advance.x;
        for (const int c : family.accented) {
            const Ink accented = Render(face.Get(), c);
            EXPECT_EQ(face.Get()->glyph->advance.x, baseAdvance) << c;
            const bool below = c == 0xC7 || c == 0xE7;
            if (below) {
                EXPECT_GT(accented.rows - accented.top, base.rows - base.top) << c;
            } else {
                EXPECT_GT(accented.top, base.top) << c;
            }
            for (int y = -base.top; y < base.rows - base.top; ++y) {
                for (int x = base.left; x < base.left + base.width; ++x) {
                    ASSERT_GE(accented.At(x, y), base.At(x, y)) << c << " at " << x << ", " << y;
                }
            }
        }
    }
}

TEST(DisplayFont, WriterRefusesWhatItCannotWrite) {
    FontGlyph box;
    box.contours = {{{0, 0}, {0, 100}, {100, 100}, {100, 0}}};
    box.advance = 120;
    FontGlyph line;
    line.contours = {{{0, 0}, {100, 100}}};
    line.character = 'A';
    struct Case {
        const char* name;
        std::vector<FontGlyph> glyphs;
    };
    FontGlyph a = box;
    a.character = 'A';
    FontGlyph b = box;
    b.character = 'B';
    FontGlyph noCharacter = box;
    noCharacter.character = 0xFFFF;
    for (const Case& c :
         {Case{"no characters", {box}}, Case{"a two-point contour", {box, line}},
          Case{"no outline at all", {FontGlyph{}, FontGlyph{}}}, Case{"characters out of order", {box, b, a}},
          Case{"a character twice", {box, a, a}}, Case{"U+FFFF", {box, a, noCharacter}}}) {
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

// The font check reads the font file back and names every character a text box accepts that the font cannot
// draw.
TEST(MediaCheck, NamesCharactersTheFontCannotDraw) {
    std::vector<int> ascii;
    for (int c = 0x20; c <= 0x7E; ++c) {
        ascii.push_back(c);
    }
    struct Case {
        const char* name;
        std::vector<std::uint8_t> font;
        std::vector<std::string> named;  // characters the check names, in its words
        std::size_t problems;
    };
    for (const Case& c :
         {Case{"the display font", DisplayFontFile(), {}, 0},
          Case{"printable ASCII only", BoxFont(ascii), {"U+00A0", "U+00E9 '\xC3\xA9'", "U+00FF"}, 96},
          Case{"an empty e acute", BoxFont(TextBoxCharacters(), {0x20, 0xA0, 0xE9}), {"U+00E9"}, 1},
          Case{"an empty letter A", BoxFont(TextBoxCharacters(), {0x20, 0xA0, 'A'}), {"U+0041 'A'"}, 1}}) {
        ScratchFolder data;
        WriteBytes(data.Path() / "Fonts/RagingRedLotusBB.ttf", c.font);
        Problems problems;
        CheckFont(data.Path(), problems);
        EXPECT_EQ(problems.List().size(), c.problems) << c.name;
        for (const std::string& named : c.named) {
            EXPECT_TRUE(std::any_of(problems.List().begin(), problems.List().end(),
                                    [&](const std::string& p) { return p.find(named) != std::string::npos; }))
                << c.name << ": " << named;
        }
    }
}

// The lobby draws black key labels over the ability bar and the page background, and the team lists' rows
// over the team panels: the check names pictures that are dark under the labels or letter where the rows go.
TEST(MediaCheck, NamesLobbyPicturesThatHideWhatIsDrawnOverThem) {
    const auto panelWithMark = [](glm::vec2 mark) {
        Image image = DarkPanel(160, 301, 12.0f, 0.85f);
        image.Fill(
            [&](glm::vec2 p) {
                return Sdf::RoundBox(p, mark, {10.0f, 10.0f}, 2.0f);
            },
            Palette::kPaper);
        return image;
    };
    struct Case {
        const char* file;
        Image picture;
        std::vector<std::string> named;  // the things the check names, in its words; none: it passes
    };
    const std::vector<Case> cases = {
        {"abilitybarLobby.png",
         DarkPanel(370, 100, 14.0f, 0.85f),
         {"label M1", "label M2", "label Q", "label E"}},
        {"lobby_bg.png", DarkPanel(410, 440, 16.0f, 0.88f), {"label R"}},
        // Lettering at the top of the panel, where the first row goes.
        {"redTeamLobby.png", panelWithMark({80.0f, 40.0f}), {"rows"}},
        {"blueTeamLobby.png", panelWithMark({80.0f, 40.0f}), {"rows"}},
        // The outer strip of each panel is free: the red rows start right of it, the blue rows end left of
        // it.
        {"redTeamLobby.png", panelWithMark({17.0f, 150.0f}), {}},
        {"blueTeamLobby.png", panelWithMark({17.0f, 150.0f}), {"rows"}},
        {"blueTeamLobby.png", panelWithMark({143.0f, 150.0f}), {}},
        {"redTeamLobby.png", panelWithMark({143.0f, 150.0f}), {"rows"}},
    };
    for (const Case& c : cases) {
        ScratchFolder data;
        const std::string path = std::string("2DTextures/GUI/") + c.file;
        WriteBytes(data.Path() / path, EncodePng(c.picture));
        Problems problems;
        CheckPictures(data.Path(), problems);
        const std::vector<std::string> found = About(problems, path);
        EXPECT_EQ(found.size(), c.named.size()) << path;
        for (const std::string& named : c.named) {
            EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                                    [&](const std::string& p) { return p.find(named) != std::string::npos; }))
                << path << ": " << named;
        }
    }

    // The generated pictures pass.
    PictureList lobby;
    AddLobbyPictures(lobby);
    ScratchFolder data;
    for (const PictureEntry& entry : lobby) {
        WriteBytes(data.Path() / "2DTextures" / entry.path, EncodePng(entry.build()));
    }
    Problems problems;
    CheckPictures(data.Path(), problems);
    for (const PictureEntry& entry : lobby) {
        EXPECT_TRUE(About(problems, "2DTextures/" + entry.path).empty()) << entry.path;
    }
}
