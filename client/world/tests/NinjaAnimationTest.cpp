// The three generated ninjas run, turn, act, die and revive through every one of their sixteen clips, and
// every joint matrix stays finite and near the body all the while.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "client/world/AnimationClips.h"
#include "client/world/AnimationState.h"
#include "shared/ModelFileData.h"
#include "shared/ModelParser.h"

namespace {

constexpr double kFrame = 1.0 / 60.0;

std::vector<ModelAnimation> LoadAnimations(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    ModelFileData model;
    std::string error;
    EXPECT_TRUE(ParseModelFile(bytes, model, error)) << path << ": " << error;
    return model.animations;
}

class NinjaRun {
public:
    explicit NinjaRun(const std::vector<ModelAnimation>& animations) {
        for (const ModelAnimation& animation : animations) {
            m_state.AddAnimation(animation);
        }
        m_state.BindClips();
    }

    AnimationState& State() { return m_state; }
    const std::set<std::string>& ClipsSeen() const { return m_seen; }

    // Walks (or stands, for a zero walk) with the given facing for a while, checking every frame.
    void Run(double seconds, const glm::vec3& facing, const glm::vec3& walk) {
        for (double t = 0.0; t < seconds; t += kFrame) {
            m_state.SetFacing(facing);
            m_state.ChooseLegClips(walk, kFrame);
            Note();
            m_state.Advance(kFrame);
            Note();
            CheckMatrices();
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }

private:
    void Note() {
        m_seen.insert(m_state.GetUpperClip().name);
        m_seen.insert(m_state.GetLowerClip().name);
    }

    void CheckMatrices() const {
        const std::span<const glm::mat4> matrices = m_state.GetJointMatrices();
        for (std::size_t j = 0; j < matrices.size(); ++j) {
            for (int c = 0; c < 4; ++c) {
                for (int r = 0; r < 4; ++r) {
                    ASSERT_TRUE(std::isfinite(matrices[j][c][r]))
                        << "joint " << j << " with " << m_state.GetUpperClip().name << " over "
                        << m_state.GetLowerClip().name;
                }
                // The whip reaches about 8 units; nothing of a body is further than that from its origin.
                ASSERT_LT(std::abs(matrices[j][3][c]), 20.0f) << "joint " << j;
            }
        }
    }

    AnimationState m_state;
    std::set<std::string> m_seen;
};

TEST(NinjaAnimationTest, EveryClipOfTheThreeNinjasKeepsEveryJointMatrixFinite) {
    const glm::vec3 facings[] = {{0.0f, 0.0f, -1.0f}, {1.0f, 0.0f, 0.0f}, {-0.6f, 0.0f, 0.8f}};
    std::vector<glm::vec3> walks;
    for (int eighth = 0; eighth < 8; ++eighth) {
        const float a = 0.785398f * static_cast<float>(eighth);
        walks.emplace_back(-std::sin(a), 0.0f, -std::cos(a));
    }
    for (const char* model : {"Ninja1Shape.ZMD", "Ninja2Shape.ZMD", "Ninja3Shape.ZMD"}) {
        SCOPED_TRACE(model);
        const std::vector<ModelAnimation> animations =
            LoadAnimations(std::string("../Ombrin/Models/") + model);
        ASSERT_EQ(animations.size(), kClipSlotCount);
        NinjaRun run(animations);
        for (const glm::vec3& facing : facings) {
            for (const glm::vec3& walk : walks) {
                run.Run(0.5, facing, walk);
            }
            run.Run(1.0, facing, glm::vec3(0.0f));
        }
        // Standing while the aim swings round turns the hips on the spot.
        for (const glm::vec3& facing : walks) {
            run.Run(0.3, facing, glm::vec3(0.0f));
        }
        for (int action = AnimationAction::kMelee; action <= AnimationAction::kNone; ++action) {
            run.State().PlayAction(action);
            run.Run(2.0, facings[action % 3], walks[static_cast<std::size_t>(action)]);
        }
        run.State().PlayAction(AnimationAction::kDeath);
        run.Run(2.0, facings[0], walks[0]);
        run.State().PlayAction(AnimationAction::kRevival);
        run.Run(1.0, facings[0], walks[0]);
        ASSERT_FALSE(HasFatalFailure());
        const std::set<std::string> all(kClipSlotNames.begin(), kClipSlotNames.end());
        EXPECT_EQ(run.ClipsSeen(), all);
    }
}

}  // namespace
