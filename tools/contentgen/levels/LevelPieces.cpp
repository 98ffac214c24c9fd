#include "levels/LevelPieces.h"

void AddOuterWalls(LevelLayout& layout, float innerX, float innerZ, float thickness, float height) {
    const float h = 0.5f * thickness;
    const float y = 0.5f * height;
    const float reachX = innerX + thickness;
    const float reachZ = innerZ + thickness;
    layout.AddBox({-innerX - h, y, 0.0f}, {h, y, reachZ});
    layout.AddBox({innerX + h, y, 0.0f}, {h, y, reachZ});
    layout.AddBox({0.0f, y, -innerZ - h}, {reachX, y, h});
    layout.AddBox({0.0f, y, innerZ + h}, {reachX, y, h});
    layout.AddShadowOutline({{-innerX, -innerZ}, {innerX, -innerZ}, {innerX, innerZ}, {-innerX, innerZ}},
                            true);
}

void AddWallBlock(LevelLayout& layout, const glm::vec2& center, const glm::vec2& halfSize, float height) {
    layout.AddBox(OnGround(center, 0.5f * height), {halfSize.x, 0.5f * height, halfSize.y});
    const glm::vec2 lo = center - halfSize;
    const glm::vec2 hi = center + halfSize;
    layout.AddShadowOutline({{lo.x, lo.y}, {hi.x, lo.y}, {hi.x, hi.y}, {lo.x, hi.y}}, true);
}

void AddColumnShadow(LevelLayout& layout, const glm::vec2& center, float halfWidth) {
    const glm::vec2 lo = center - glm::vec2(halfWidth);
    const glm::vec2 hi = center + glm::vec2(halfWidth);
    layout.AddShadowOutline({{lo.x, lo.y}, {hi.x, lo.y}, {hi.x, hi.y}, {lo.x, hi.y}}, true);
}

std::vector<glm::vec2> Mirrored4(const glm::vec2& p) {
    std::vector<glm::vec2> points;
    for (const glm::vec2& q :
         {glm::vec2(p.x, p.y), glm::vec2(-p.x, p.y), glm::vec2(p.x, -p.y), glm::vec2(-p.x, -p.y)}) {
        bool seen = false;
        for (const glm::vec2& r : points) {
            seen = seen || r == q;
        }
        if (!seen) {
            points.push_back(q);
        }
    }
    return points;
}

std::vector<glm::vec2> Mirrored2(const glm::vec2& p, bool acrossZ) {
    const glm::vec2 image = acrossZ ? glm::vec2(p.x, -p.y) : glm::vec2(-p.x, p.y);
    if (image == p) {
        return {p};
    }
    return {p, image};
}
