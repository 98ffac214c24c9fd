// The credits page: its buttons and two texts that scroll upwards at 130 pixels per second from where they
// were placed.
#pragma once

#include <array>
#include <string>

#include "client/ui/Menu.h"
#include "client/ui/TextObject.h"

class CreaditsScreen : public Menu {
public:
    static constexpr float kScrollSpeed = 130.0f;  // pixels per second
    static constexpr float kTextSize = 40.0f;
    static constexpr std::uint32_t kTextColour = 0xFFFFFFFFu;

    // The two texts (each may hold line breaks), centred on x = 0 at their starting heights.
    void InitializeTexts(const std::string& first, float firstY, const std::string& second, float secondY);
    // Both texts back at their starting heights.
    void ResetScroll();

    MenuAction Update(const WidgetInput& input) override;
    void Render() const override;
    void Shutdown() override;

    const TextObject& Text(std::size_t index) const { return m_texts.at(index); }
    float ScrollOffset() const { return m_offset; }

private:
    void Place();

    std::array<TextObject, 2> m_texts;
    std::array<float, 2> m_startY{};
    float m_offset = 0.0f;
};
