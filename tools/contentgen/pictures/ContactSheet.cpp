#include "pictures/ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "pictures/Palette.h"
#include "pictures/TextPainter.h"

namespace {

constexpr int kCell = 160;
constexpr int kLabel = 22;
constexpr int kColumns = 6;

}  // namespace

Image ContactSheet(const std::vector<std::pair<std::string, Image>>& pictures) {
    const int count = static_cast<int>(pictures.size());
    const int rows = std::max(1, (count + kColumns - 1) / kColumns);
    Image sheet(kColumns * kCell, rows * (kCell + kLabel));
    sheet.Shade([](glm::vec2 p, glm::vec2) {
        // A checkerboard shows where pictures are transparent.
        const bool dark = (static_cast<int>(p.x) / 8 + static_cast<int>(p.y) / 8) % 2 == 0;
        return dark ? glm::vec4(0.16f, 0.16f, 0.2f, 1.0f) : glm::vec4(0.24f, 0.24f, 0.28f, 1.0f);
    });
    for (int i = 0; i < count; ++i) {
        const Image& picture = pictures[static_cast<std::size_t>(i)].second;
        const float scale =
            std::min(1.0f, static_cast<float>(kCell - 8) /
                               static_cast<float>(std::max(picture.Width(), picture.Height())));
        const int w = std::max(1, static_cast<int>(std::lround(static_cast<float>(picture.Width()) * scale)));
        const int h =
            std::max(1, static_cast<int>(std::lround(static_cast<float>(picture.Height()) * scale)));
        const Image small = picture.Resized(w, h);
        const int left = (i % kColumns) * kCell + (kCell - w) / 2;
        const int top = (i / kColumns) * (kCell + kLabel) + (kCell - h) / 2;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                sheet.Blend(left + x, top + y, small.At(x, y), 1.0f);
            }
        }
        const glm::vec2 labelCenter(
            static_cast<float>((i % kColumns) * kCell + kCell / 2),
            static_cast<float>((i / kColumns) * (kCell + kLabel) + kCell + kLabel / 2));
        Lettering().Draw(sheet, pictures[static_cast<std::size_t>(i)].first, labelCenter, 9.0f, kCell - 6.0f,
                         Palette::kPaper, false);
    }
    return sheet;
}
