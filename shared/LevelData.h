// Loads a level file: its collision boxes and the entities placed in it (models, particle emitters, team
// spawn points, rune positions and the end points of shadow-casting lines).
//
// Layout: line 0 is a header; field 3 of line 1 is the entity-line count plus one (A) and field 4 of line 2
// is the box-line count (B); B box lines follow from line 3, then A-1 entity lines. A negative count reads
// as 0, and counts larger than the file only read the lines that exist.
#pragma once

#include <string>
#include <vector>

#include "shared/LevelRecords.h"
#include "shared/LevelTokenizer.h"

class LevelData {
public:
    // Loads the file. When it cannot be opened or holds no complete line, prints "Level not loaded" and
    // leaves every list empty.
    explicit LevelData(const std::string& path);

    std::vector<LevelSpawnPoint> GetSpawnPoints() const { return m_spawnPoints; }
    std::vector<LevelShadowLine> GetShadowLines() const { return m_shadowLines; }
    std::vector<LevelEmitter> GetEmitters() const { return m_emitters; }
    std::vector<LevelBox> GetBoxes() const { return m_boxes; }
    std::vector<LevelModel> GetModels() const { return m_models; }
    std::vector<LevelModel> GetAnimatedModels() const { return m_animatedModels; }
    std::vector<LevelRune> GetRunes() const { return m_runes; }

private:
    void Interpret(const std::vector<LevelLine>& lines);
    void ReadBoxLine(const LevelLine& line);
    void ReadEntityLine(const LevelLine& line);

    std::vector<LevelSpawnPoint> m_spawnPoints;
    std::vector<LevelShadowLine> m_shadowLines;
    std::vector<LevelEmitter> m_emitters;
    std::vector<LevelBox> m_boxes;
    std::vector<LevelModel> m_models;
    std::vector<LevelModel> m_animatedModels;
    std::vector<LevelRune> m_runes;
    // The latest "A" shadow point; every following "B" point pairs with it.
    GroundPoint m_shadowStart;
};
