#include "client/ui/CreaditsScreen.h"

#include "client/ui/GUIQueue.h"

void CreaditsScreen::InitializeTexts(const std::string& first, float firstY, const std::string& second,
                                     float secondY) {
    m_startY = {firstY, secondY};
    m_texts[0].CreateText(kTextColour, first, kTextSize, 0.0f, firstY);
    m_texts[1].CreateText(kTextColour, second, kTextSize, 0.0f, secondY);
    m_offset = 0.0f;
}

void CreaditsScreen::ResetScroll() {
    m_offset = 0.0f;
    Place();
}

MenuAction CreaditsScreen::Update(const WidgetInput& input) {
    const MenuAction action = Menu::Update(input);
    m_offset += static_cast<float>(input.deltaTime) * kScrollSpeed;
    Place();
    return action;
}

void CreaditsScreen::Place() {
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        m_texts[i].SetPosition(0.0f, m_startY[i] + m_offset);
    }
}

void CreaditsScreen::Render() const {
    Menu::Render();
    for (const TextObject& text : m_texts) {
        GUIQueue::GetInstance().AddText(&text);
    }
}

void CreaditsScreen::Shutdown() {
    Menu::Shutdown();
    for (TextObject& text : m_texts) {
        text.Release();
    }
    m_offset = 0.0f;
}
