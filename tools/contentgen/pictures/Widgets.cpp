#include "pictures/Widgets.h"

#include <algorithm>

#include "pictures/Palette.h"
#include "pictures/TextPainter.h"
#include "textures/Noise.h"

namespace {

glm::vec4 Grey(const glm::vec4& color) {
    const float y = 0.3f * color.r + 0.59f * color.g + 0.11f * color.b;
    return {y, y, y, color.a};
}

}  // namespace

void Grain(Image& image, const glm::vec4& color, float strength, unsigned seed) {
    image.Shade([&](glm::vec2, glm::vec2 uv) {
        // Stretched along x like the fibres of a brush stroke.
        const float n = FractalNoise(uv.x, uv.y * 0.25f, 4, 4, seed);
        return glm::vec4(glm::vec3(color) * (1.0f - strength + 2.0f * strength * n), color.a);
    });
}

Image Button(int width, int height, const std::string& text, ButtonLook look) {
    Image image(width, height);
    glm::vec4 top = Palette::kLacquer * 1.5f;
    glm::vec4 bottom = Palette::kInk;
    glm::vec4 rim = Palette::kGold;
    glm::vec4 letters = Palette::kPaper;
    if (look == ButtonLook::Red) {
        top = Palette::kRed;
        bottom = Palette::kLacquer;
    } else if (look == ButtonLook::Blue) {
        top = Palette::kBlue;
        bottom = Palette::kNight;
        rim = Palette::kSteel;
    }
    if (look == ButtonLook::Disabled) {
        top = Grey(top);
        bottom = Grey(bottom);
        rim = Grey(rim) * 0.8f;
        letters = Grey(letters) * 0.7f;
    }
    top.a = bottom.a = rim.a = letters.a = 1.0f;
    const glm::vec2 size(static_cast<float>(width), static_cast<float>(height));
    const float inset = std::max(2.0f, size.y * 0.05f);
    const float radius = size.y * 0.18f;
    const auto shape = [&](glm::vec2 p) {
        return Sdf::RoundBox(p, size * 0.5f, size * 0.5f - inset, radius);
    };
    image.FillShaded(shape, [&](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x * 0.5f, uv.y * 0.2f, 4, 3, 77u);
        glm::vec4 c = Palette::Mix(top, bottom, uv.y);
        c = glm::vec4(glm::vec3(c) * (0.85f + 0.3f * n), 1.0f);
        return c;
    });
    const float rimWidth = std::max(1.5f, size.y * 0.03f);
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(shape(p), rimWidth); }, rim);
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(shape(p) + rimWidth * 3.0f, rimWidth * 0.4f); },
               Palette::WithAlpha(rim, 0.45f));
    Lettering().Draw(image, text, size * 0.5f, size.y * 0.36f, size.x - 4.0f * inset - 2.0f * radius,
                     letters);
    return image;
}

Image Label(int width, int height, const std::string& text, const glm::vec4& color) {
    Image image(width, height);
    const glm::vec2 size(static_cast<float>(width), static_cast<float>(height));
    // A faint ink brush stroke behind the lettering keeps it readable on any background.
    image.Fill(
        [&](glm::vec2 p) {
            return Sdf::RoundBox(p, size * 0.5f, size * glm::vec2(0.48f, 0.36f), size.y * 0.3f);
        },
        Palette::WithAlpha(Palette::kInk, 0.45f));
    Lettering().Draw(image, text, size * 0.5f, size.y * 0.42f, size.x * 0.9f, color);
    return image;
}

Image PaperPanel(int width, int height, float cornerRadius) {
    Image image(width, height);
    const glm::vec2 size(static_cast<float>(width), static_cast<float>(height));
    const auto shape = [&](glm::vec2 p) {
        return Sdf::RoundBox(p, size * 0.5f, size * 0.5f - 2.0f, cornerRadius);
    };
    image.FillShaded(shape, [&](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x, uv.y, 8, 4, 31u);
        return glm::vec4(glm::vec3(Palette::kPaper) * (0.93f + 0.1f * n), 1.0f);
    });
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(shape(p), 2.0f); }, Palette::kInk);
    return image;
}

Image DarkPanel(int width, int height, float cornerRadius, float alpha) {
    Image image(width, height);
    const glm::vec2 size(static_cast<float>(width), static_cast<float>(height));
    const auto shape = [&](glm::vec2 p) {
        return Sdf::RoundBox(p, size * 0.5f, size * 0.5f - 2.0f, cornerRadius);
    };
    image.FillShaded(shape, [&](glm::vec2, glm::vec2 uv) {
        const float n = FractalNoise(uv.x * 0.5f, uv.y * 0.3f, 4, 3, 53u);
        glm::vec4 c = Palette::Mix(Palette::kNight, Palette::kInk, uv.y);
        return glm::vec4(glm::vec3(c) * (0.8f + 0.4f * n), alpha);
    });
    image.Fill([&](glm::vec2 p) { return Sdf::Outline(shape(p), 1.5f); }, Palette::kGold);
    return image;
}
