// One team's column in the lobby: a row per player, each with the ninja's portrait, the tool's icon, a ready
// mark and the name below. The red list hangs from the left window edge and grows to the right; the blue
// list hangs from the right edge and mirrors it. Rows are added downwards from y = 270, 150 pixels apart.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/MenuItem.h"
#include "client/ui/TextObject.h"

struct LobbyListLayout {
    float baseX = 0.0f;  // the window edge the list hangs from
    float startY = 270.0f;
    float offsetX = 150.0f;  // portrait x relative to baseX
    float stepX = 75.0f;     // portrait to tool icon, and tool icon to ready mark
    int nameAlignment = TextObject::kLeading;
};

class LobbyTeamList {
public:
    static constexpr std::size_t kFullRows = 4;
    static constexpr float kRowStep = 150.0f;
    static constexpr const char* kPlaceholderTexture = "../Ombrin/2DTextures/GUI/TB_cd.png";
    static constexpr const char* kReadyTexture = "../Ombrin/2DTextures/GUI/checkbox_checked.png";
    static constexpr const char* kNotReadyTexture = "../Ombrin/2DTextures/GUI/checkbox_empty.png";

    struct Row {
        MenuItem portrait;
        MenuItem tool;
        MenuItem readyMark;
        TextObject name;
    };

    static LobbyListLayout RedLayout(float windowWidth);
    static LobbyListLayout BlueLayout(float windowWidth);
    // The pictures of a ninja (0..2) and of a tool (0..3). The numbers come from other players through the
    // server, so anything else shows the placeholder picture.
    static std::string PortraitTexture(int ninja);
    static std::string ToolTexture(int tool);

    void Initialize(const LobbyListLayout& layout);
    void AddRow(int ninja, int tool, bool ready, const std::string& name);
    void Clear();
    void Render() const;

    bool IsFull() const { return m_rows.size() >= kFullRows; }
    std::size_t Size() const { return m_rows.size(); }
    const Row& RowAt(std::size_t index) const { return *m_rows.at(index); }
    // Where the next row's portrait goes: the marker stands there while the local player is in this team.
    float NextRowX() const { return m_layout.baseX + m_layout.offsetX; }
    float NextRowY() const { return m_currentY; }

private:
    LobbyListLayout m_layout;
    float m_currentY = 270.0f;
    std::vector<std::unique_ptr<Row>> m_rows;
};
