// The null engine, the texture library and the GUI queue for widget tests, and a click or a plain frame of
// widget input.
#pragma once

#include <gtest/gtest.h>

#include "Lumagrid/GE.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"
#include "client/ui/WidgetInput.h"

namespace ombrin::test {

class WidgetFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
    }
    void TearDown() override {
        GUIQueue::Shutdown();
        TextureLibrary::Shutdown();
        Lumaspace::GE::GetInstance()->Shutdown();
    }

    static WidgetInput ClickAt(float x, float y) { return WidgetInput{x, y, true, {}, 0.0}; }
    static WidgetInput MouseAt(float x, float y) { return WidgetInput{x, y, false, {}, 0.0}; }
    static WidgetInput Typed(int character, double deltaTime = 0.0) {
        return WidgetInput{0.0f, 0.0f, false, {character}, deltaTime};
    }
};

}  // namespace ombrin::test
