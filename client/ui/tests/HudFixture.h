// The null engine with every picture of the generated data folder loaded and the display font, for the
// heads-up display's tests: one frame's queue drawn as the pictures (by their paths) and texts it shows. A
// picture missing from the data folder draws as "<missing>".
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/ui/TextObject.h"
#include "client/ui/tests/WidgetFixture.h"

namespace ombrin::test {

class HudFixture : public WidgetFixture {
protected:
    static constexpr float kWindowWidth = 1280.0f;  // the fixture's window
    static constexpr float kWindowHeight = 1024.0f;

    struct Drawn {
        std::string picture;
        float x;
        float y;
        float width;
        float height;
    };

    void SetUp() override {
        WidgetFixture::SetUp();
        Lumaspace::GE* engine = Lumaspace::GE::GetInstance();
        ASSERT_TRUE(engine->IsFontLoaded(Lumaspace::FontFace::Display))
            << "run from the run layout's bin folder";
        TextureLibrary::GetInstance().LoadAll();
        for (const Lumaspace::RecordedCall& call : engine->GetRecordedCalls()) {
            if (call.operation == "Create2DTexture") {
                m_pictures[call.handle] = call.text;
            }
        }
        ASSERT_FALSE(m_pictures.empty()) << "no pictures in ../Ombrin/2DTextures";
        GUIQueue::GetInstance().SetTextDrawer([this](const std::vector<const TextObject*>& texts) {
            for (const TextObject* text : texts) {
                m_texts.push_back(text->GetText());
            }
        });
    }

    // Draws the queue: the pictures in drawing order; the texts are in DrawnTexts() afterwards.
    std::vector<Drawn> DrawQueue() {
        Lumaspace::GE* engine = Lumaspace::GE::GetInstance();
        engine->ClearRecordedCalls();
        m_texts.clear();
        GUIQueue::GetInstance().Draw();
        std::vector<Drawn> drawn;
        for (const Lumaspace::RecordedCall& call : engine->GetRecordedCalls()) {
            if (call.operation != "RenderGUI") {
                continue;
            }
            const auto found = m_pictures.find(call.handle);
            drawn.push_back(Drawn{found != m_pictures.end() ? found->second : "<missing>", call.values.at(12),
                                  call.values.at(13), call.values.at(0), call.values.at(5)});
        }
        return drawn;
    }
    // The pictures of DrawQueue alone.
    std::vector<std::string> DrawnPictures() {
        std::vector<std::string> pictures;
        for (const Drawn& drawn : DrawQueue()) {
            pictures.push_back(drawn.picture);
        }
        return pictures;
    }
    const std::vector<std::string>& DrawnTexts() const { return m_texts; }

private:
    std::map<std::uint32_t, std::string> m_pictures;
    std::vector<std::string> m_texts;
};

}  // namespace ombrin::test
