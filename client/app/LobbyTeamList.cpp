#include "client/app/LobbyTeamList.h"

#include "client/app/LobbyTexts.h"
#include "client/ui/GUIQueue.h"

namespace {
constexpr float kPortraitSize = 75.0f;
constexpr float kIconSize = 50.0f;
constexpr float kNameSize = 40.0f;
constexpr float kNameBelow = 60.0f;
constexpr const char* kToolIcons[kLobbyToolCount] = {"../Ombrin/2DTextures/Abilities/TB_T_Caltrops.png",
                                                     "../Ombrin/2DTextures/Abilities/TB_T_SmokeBomb.png",
                                                     "../Ombrin/2DTextures/Abilities/TB_T_StickyTARP.png",
                                                     "../Ombrin/2DTextures/Abilities/TB_T_FlashBang.png"};
}  // namespace

LobbyListLayout LobbyTeamList::RedLayout(float windowWidth) {
    return LobbyListLayout{-windowWidth / 2.0f, 270.0f, 150.0f, 75.0f, TextObject::kLeading};
}

LobbyListLayout LobbyTeamList::BlueLayout(float windowWidth) {
    return LobbyListLayout{windowWidth / 2.0f, 270.0f, -150.0f, -75.0f, TextObject::kTrailing};
}

std::string LobbyTeamList::PortraitTexture(int ninja) {
    if (ninja < 0 || ninja >= kNinjaCount) {
        return kPlaceholderTexture;
    }
    return "../Ombrin/2DTextures/Ninjas/ninja" + std::to_string(ninja + 1) + ".png";
}

std::string LobbyTeamList::ToolTexture(int tool) {
    if (tool < 0 || tool >= kLobbyToolCount) {
        return kPlaceholderTexture;
    }
    return kToolIcons[tool];
}

void LobbyTeamList::Initialize(const LobbyListLayout& layout) {
    Clear();
    m_layout = layout;
    m_currentY = layout.startY;
}

void LobbyTeamList::AddRow(int ninja, int tool, bool ready, const std::string& name) {
    auto row = std::make_unique<Row>();
    const float x = m_layout.baseX + m_layout.offsetX;
    row->portrait.InitializeItem(x, m_currentY, kPortraitSize, kPortraitSize, PortraitTexture(ninja));
    row->tool.InitializeItem(x + m_layout.stepX, m_currentY, kIconSize, kIconSize, ToolTexture(tool));
    row->readyMark.InitializeItem(x + 2.0f * m_layout.stepX, m_currentY, kIconSize, kIconSize,
                                  ready ? kReadyTexture : kNotReadyTexture);
    // CreateText lays the name out centred; the list's alignment takes effect with the next SetText.
    row->name.CreateText(0xFFFFFFFFu, name, kNameSize, m_layout.baseX + 0.75f * m_layout.offsetX,
                         m_currentY - kNameBelow);
    row->name.alignment = m_layout.nameAlignment;
    row->name.SetText(name);
    m_rows.push_back(std::move(row));
    m_currentY -= kRowStep;
}

void LobbyTeamList::Clear() {
    m_rows.clear();
    m_currentY = m_layout.startY;
}

void LobbyTeamList::Render() const {
    GUIQueue& queue = GUIQueue::GetInstance();
    for (const auto& row : m_rows) {
        row->portrait.Render();
        row->tool.Render();
        row->readyMark.Render();
        queue.AddText(&row->name);
    }
}
