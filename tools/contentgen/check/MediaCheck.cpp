#include "check/MediaCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <ft2build.h>
#include FT_FREETYPE_H

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Read16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool TagAt(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
    return std::equal(tag, tag + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

struct Rgba {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    int At(int x, int y, int channel) const {
        return pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)) *
                          4 +
                      static_cast<std::size_t>(channel)];
    }
};

// Mean absolute difference of all channels between columns a and b.
double ColumnDifference(const Rgba& image, int a, int b) {
    double sum = 0.0;
    for (int y = 0; y < image.height; ++y) {
        for (int c = 0; c < 4; ++c) {
            sum += std::abs(image.At(a, y, c) - image.At(b, y, c));
        }
    }
    return sum / (image.height * 4.0);
}

void CheckShape(const PictureRule& rule, const Rgba& image, Problems& problems) {
    const double aspect = static_cast<double>(image.width) / image.height;
    switch (rule.shape) {
        case PictureShape::Square:
            if (image.width != image.height) {
                problems.Add(rule.path, "must be square");
            }
            break;
        case PictureShape::Aspect: {
            const double drawn = static_cast<double>(rule.drawWidth) / rule.drawHeight;
            if (std::abs(aspect / drawn - 1.0) > 0.03) {
                problems.Add(rule.path, "is drawn at " + std::to_string(rule.drawWidth) + " x " +
                                            std::to_string(rule.drawHeight) +
                                            ", so its lettering or shapes would stretch");
            }
            break;
        }
        case PictureShape::SeamlessU: {
            double neighbours = 0.0;
            for (int x = 0; x + 1 < image.width; ++x) {
                neighbours += ColumnDifference(image, x, x + 1);
            }
            neighbours /= std::max(1, image.width - 1);
            if (ColumnDifference(image, 0, image.width - 1) > 2.0 * neighbours + 2.0) {
                problems.Add(rule.path, "shows a seam where it repeats across");
            }
            break;
        }
        case PictureShape::Additive:
            for (const auto& [x, y] : {std::pair{0, 0},
                                       {image.width - 1, 0},
                                       {0, image.height - 1},
                                       {image.width - 1, image.height - 1}}) {
                if (image.At(x, y, 0) + image.At(x, y, 1) + image.At(x, y, 2) > 6) {
                    problems.Add(rule.path, "is added onto the frame, so its corners must be black");
                    return;
                }
            }
            break;
        case PictureShape::Any:
            break;
    }
}

// Holds the picture to what the game draws over it: light under black lettering, nothing bright under rows.
void CheckAreas(const std::string& path, const Rgba& image, Problems& problems) {
    for (const PictureArea& area : OverdrawnAreas()) {
        if (area.path != path) {
            continue;
        }
        const double scaleX = image.width / static_cast<double>(area.drawWidth);
        const double scaleY = image.height / static_cast<double>(area.drawHeight);
        int pixels = 0;
        int light = 0;
        int bright = 0;
        for (int y = 0; y < image.height; ++y) {
            const double drawnY = (y + 0.5) / scaleY;
            if (drawnY < area.y0 || drawnY >= area.y1) {
                continue;
            }
            for (int x = 0; x < image.width; ++x) {
                const double drawnX = (x + 0.5) / scaleX;
                if (drawnX < area.x0 || drawnX >= area.x1) {
                    continue;
                }
                const double alpha = image.At(x, y, 3) / 255.0;
                const double luminance =
                    (0.3 * image.At(x, y, 0) + 0.59 * image.At(x, y, 1) + 0.11 * image.At(x, y, 2)) / 255.0;
                ++pixels;
                light += alpha >= 0.75 && luminance >= 0.55 ? 1 : 0;
                bright += alpha * luminance > 0.6 ? 1 : 0;
            }
        }
        if (area.need == AreaNeed::Light && light < pixels * 9 / 10) {
            problems.Add(path, "is dark or clear under " + area.what + ", which the game draws in black");
        }
        if (area.need == AreaNeed::Quiet && bright > 0) {
            problems.Add(path, "shows bright marks (lettering) where " + area.what + " go");
        }
    }
}

// "U+00E9 'é'": the code and the character in UTF-8.
std::string CharacterName(int c) {
    char code[8];
    std::snprintf(code, sizeof(code), "U+%04X", static_cast<unsigned>(c));
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return std::string(code) + " '" + text + "'";
}

}  // namespace

bool ExistsWithExactCase(const std::filesystem::path& dataFolder, const std::string& relativePath) {
    std::filesystem::path folder = dataFolder;
    for (const auto& part : std::filesystem::path(relativePath)) {
        bool found = false;
        std::error_code code;
        for (const auto& entry : std::filesystem::directory_iterator(folder, code)) {
            if (entry.path().filename() == part) {
                found = true;
                break;
            }
        }
        if (!found) {
            return false;
        }
        folder /= part;
    }
    return true;
}

bool ParseWav(const std::vector<std::uint8_t>& bytes, WavData& wav, std::string& error) {
    if (bytes.size() < 12 || !TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) {
        error = "is not a RIFF WAVE file";
        return false;
    }
    bool haveFormat = false;
    int bits = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = Read32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            error = "has a chunk that runs past the end of the file";
            return false;
        }
        if (TagAt(bytes, at, "fmt ")) {
            if (size < 16) {
                error = "has a format chunk too short";
                return false;
            }
            if (Read16(bytes, body) != 1) {
                error = "is not PCM";
                return false;
            }
            wav.channels = Read16(bytes, body + 2);
            wav.sampleRate = static_cast<int>(Read32(bytes, body + 4));
            bits = Read16(bytes, body + 14);
            haveFormat = true;
        } else if (TagAt(bytes, at, "data")) {
            if (!haveFormat || bits != 16 || wav.channels < 1) {
                error = "is not 16-bit PCM with a format before its samples";
                return false;
            }
            wav.samples.resize(size / 2);
            for (std::size_t i = 0; i < wav.samples.size(); ++i) {
                wav.samples[i] = static_cast<std::int16_t>(Read16(bytes, body + 2 * i));
            }
            if (wav.samples.empty() || wav.samples.size() % static_cast<std::size_t>(wav.channels) != 0) {
                error = "holds no whole sample frames";
                return false;
            }
            return true;
        }
        at = body + size + (size % 2);
    }
    error = "has no samples";
    return false;
}

void CheckPictures(const std::filesystem::path& dataFolder, Problems& problems) {
    for (const PictureRule& rule : RequiredPictures()) {
        if (!ExistsWithExactCase(dataFolder, rule.path)) {
            problems.Add(rule.path, "is missing (the game loads it)");
            continue;
        }
        const std::vector<std::uint8_t> bytes = ReadBytes(dataFolder / rule.path);
        Rgba image;
        int channels = 0;
        stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &image.width,
                                                &image.height, &channels, 4);
        if (pixels == nullptr) {
            problems.Add(rule.path, std::string("does not decode: ") + stbi_failure_reason());
            continue;
        }
        image.pixels.assign(pixels, pixels + static_cast<std::size_t>(image.width) * image.height * 4);
        stbi_image_free(pixels);
        if (channels != 4) {
            problems.Add(rule.path, "has no alpha channel");
        }
        CheckShape(rule, image, problems);
        CheckAreas(rule.path, image, problems);
    }
}

void CheckSounds(const std::filesystem::path& dataFolder, Problems& problems) {
    for (const SoundRule& rule : RequiredSounds()) {
        if (!ExistsWithExactCase(dataFolder, rule.path)) {
            problems.Add(rule.path, "is missing (the game stops without it)");
            continue;
        }
        WavData wav;
        std::string error;
        if (!ParseWav(ReadBytes(dataFolder / rule.path), wav, error)) {
            problems.Add(rule.path, error);
            continue;
        }
        if (wav.channels != rule.channels) {
            problems.Add(rule.path, "has " + std::to_string(wav.channels) + " channels, expected " +
                                        std::to_string(rule.channels));
        }
        if (rule.loops) {
            // The last frame runs into the first: a big jump there clicks on every repeat.
            const std::size_t last = wav.samples.size() - static_cast<std::size_t>(wav.channels);
            for (int c = 0; c < wav.channels; ++c) {
                const int jump = std::abs(wav.samples[last + static_cast<std::size_t>(c)] -
                                          wav.samples[static_cast<std::size_t>(c)]);
                if (jump > 3000) {
                    problems.Add(rule.path, "clicks where the loop repeats");
                    break;
                }
            }
        }
    }
}

void CheckFont(const std::filesystem::path& dataFolder, Problems& problems) {
    if (!ExistsWithExactCase(dataFolder, kFontFile)) {
        problems.Add(kFontFile, "is missing");
        return;
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        problems.Add(kFontFile, "cannot be checked: FreeType does not start");
        return;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, (dataFolder / kFontFile).c_str(), 0, &face) != 0) {
        problems.Add(kFontFile, "does not load in FreeType");
    } else {
        FT_Set_Pixel_Sizes(face, 0, 32);
        for (const CharacterRange& range : kTextBoxCharacters) {
            for (int c = range.first; c <= range.last; ++c) {
                const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
                const bool drawn = index != 0 && FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0 &&
                                   (IsBlankCharacter(c) || face->glyph->outline.n_points > 0) &&
                                   face->glyph->advance.x > 0;
                if (!drawn) {
                    problems.Add(kFontFile,
                                 "lacks a glyph for " + CharacterName(c) + ", which text boxes accept");
                }
            }
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
}

void CheckGrassMask(const std::filesystem::path& dataFolder, Problems& problems) {
    if (!ExistsWithExactCase(dataFolder, kGrassMaskFile)) {
        problems.Add(kGrassMaskFile, "is missing");
        return;
    }
    const std::vector<std::uint8_t> mask = ReadBytes(dataFolder / kGrassMaskFile);
    const auto n = static_cast<std::size_t>(std::sqrt(static_cast<double>(mask.size())));
    if (n < kMinGrassMaskSize) {
        problems.Add(kGrassMaskFile, "is " + std::to_string(n) + " cells across; the floor needs " +
                                         std::to_string(kMinGrassMaskSize));
        return;
    }
    const std::size_t grass = static_cast<std::size_t>(
        std::count_if(mask.begin(), mask.begin() + static_cast<std::ptrdiff_t>(n * n),
                      [](std::uint8_t v) { return v >= 128; }));
    if (grass == 0 || grass == n * n) {
        problems.Add(kGrassMaskFile, "grows grass nowhere or everywhere");
    }
    if (mask[0] >= 128 || mask[n * n - 1] >= 128) {
        problems.Add(kGrassMaskFile, "grows grass outside the arena");
    }
}
