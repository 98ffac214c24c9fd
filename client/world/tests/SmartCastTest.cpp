// The smart-cast mode from its two settings and Space: inverted while Space is held without the toggle,
// flipped by each release of Space with it.
#include <gtest/gtest.h>

#include <vector>

#include "client/world/SmartCast.h"

namespace {

enum class Space { Up, Held, Released };

TEST(SmartCastTest, TheModeFollowsTheSettingsAndSpace) {
    struct Case {
        const char* name;
        bool smartCast;
        bool toggle;
        std::vector<Space> frames;
        std::vector<bool> modes;
    };
    const Case cases[] = {
        {"off",
         false,
         false,
         {Space::Up, Space::Held, Space::Released, Space::Up},
         {false, true, false, false}},
        {"on", true, false, {Space::Up, Space::Held, Space::Released, Space::Up}, {true, false, true, true}},
        {"toggled from off",
         false,
         true,
         {Space::Up, Space::Held, Space::Released, Space::Up, Space::Held, Space::Released},
         {false, false, true, true, true, false}},
        {"toggled from on", true, true, {Space::Up, Space::Released, Space::Up}, {true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmartCast mode;
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            PlayerInput input;
            input.smartCast = c.smartCast;
            input.smartCastToggle = c.toggle;
            input.space.down = c.frames[i] == Space::Held;
            input.space.released = c.frames[i] == Space::Released;
            mode.Update(input);
            EXPECT_EQ(mode.IsOn(), c.modes[i]) << "frame " << i;
        }
    }
}

}  // namespace
