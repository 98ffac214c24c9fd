// Letters a picture in the game's display font, rasterised with FreeType.
#pragma once

#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "pictures/Image.h"

class TextPainter {
public:
    TextPainter();
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    bool Ready() const;
    // Draws text centred on center with its capitals pixelHeight tall, shrunk to fit maxWidth, with a
    // dark shadow under it when shadow is set.
    void Draw(Image& image, const std::string& text, glm::vec2 center, float pixelHeight, float maxWidth,
              const glm::vec4& color, bool shadow = true) const;

private:
    struct Face;
    float Width(const std::string& text, int pixelSize) const;
    void Render(Image& image, const std::string& text, glm::vec2 origin, int pixelSize,
                const glm::vec4& color) const;

    std::unique_ptr<Face> m_face;
};

// The painter shared by every picture (the font is built once).
const TextPainter& Lettering();
