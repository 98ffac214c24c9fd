// The aim markers on the null engine with the generated marker models: which markers each ability shows and
// where (ahead of the player, stopped by obstacles, limited by range), how they are turned, what the
// particle pass gets to draw, and the aim with the mouse on the player.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <glm/geometric.hpp>
#include <glm/gtc/constants.hpp>

#include "Lumagrid/GE.h"
#include "client/world/CollisionManager.h"
#include "client/world/Model.h"
#include "client/world/abilities/AbilityFactory.h"
#include "client/world/abilities/AbilitySender.h"
#include "client/world/abilities/AimMarkers.h"

namespace {

using Lumaspace::GE;
using protocol::AbilityId;

class NoSender : public AbilitySender {
public:
    void SendAbility(std::int32_t, float) override {}
};

// A hit distance along an aim ray, which rises 0.03 per unit of ground: horizontal * kRise.
const float kRise = std::sqrt(1.0f + kAimRayHeight * kAimRayHeight);

struct Expected {
    MarkerModel model;
    glm::vec2 ground;  // x, z
    float yaw;
    glm::vec3 scale;
};

constexpr float kQuarterTurn = glm::half_pi<float>();

// A marker a distance along the unit ground direction u, as the arrows and circles place them.
glm::vec2 Along(const glm::vec2& u, float distance) {
    return u * distance;
}

std::vector<Expected> ArrowTo(const glm::vec2& u, float yaw, float distance, float width) {
    return {{MarkerModel::ArrowBody, Along(u, distance / 2.0f), yaw, {10.0f * distance, 1.0f, width}},
            {MarkerModel::ArrowEnd, Along(u, distance), yaw, {1.0f, 1.0f, width}}};
}

std::vector<Expected> BodyTo(const glm::vec2& u, float yaw, float distance, float width) {
    return {{MarkerModel::ArrowBody, Along(u, distance / 2.0f), yaw, {10.0f * distance, 1.0f, width}}};
}

std::vector<Expected> CircleAt(const glm::vec2& u, float distance, float radius) {
    return {{MarkerModel::Circle, Along(u, distance), 0.0f, {2.0f * radius, 1.0f, 2.0f * radius}}};
}

class AimMarkersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
        for (std::size_t i = 0; i < m_models.size(); ++i) {
            m_models[i] = std::make_unique<Model>();
            ASSERT_TRUE(m_models[i]->LoadModel(kMarkerModelPaths[i])) << kMarkerModelPaths[i];
            models[i] = m_models[i].get();
        }
        // East of the player (+x): a low fence whose face is at x = 6, then a tall wall whose face is at
        // x = 10. North (+z) is open.
        const CollisionOBB boxes[] = {
            MakeCollisionOBB({6.5f, 0.5f, 0.0f}, {0.5f, 0.5f, 4.0f}, kNoRotation),
            MakeCollisionOBB({11.0f, 3.0f, 0.0f}, {1.0f, 3.0f, 4.0f}, kNoRotation),
        };
        collision.SetLevelBoxes(boxes);
    }
    void TearDown() override {
        for (std::unique_ptr<Model>& model : m_models) {
            model.reset();
        }
        GE::GetInstance()->Shutdown();
    }

    void MouseAt(float x, float z) { collision.SetMouseGroundPoint({x, z}); }
    std::unique_ptr<Ability> Make(AbilityId id) {
        return CreateAbility(static_cast<std::int32_t>(id), sender);
    }

    NoSender sender;
    MarkerModels models{};
    CollisionManager collision;

private:
    std::array<std::unique_ptr<Model>, 4> m_models;
};

TEST_F(AimMarkersTest, EachNinjasAbilitiesShowTheirMarkers) {
    const glm::vec2 east(1.0f, 0.0f);
    const glm::vec2 north(0.0f, 1.0f);
    const float eastArrow = 0.0f;            // arrows point along +x
    const float northArrow = -kQuarterTurn;  // and are turned a quarter to point along +z
    struct Case {
        const char* name;
        AbilityId id;
        glm::vec2 mouse;
        std::vector<Expected> markers;
    };
    const std::vector<Case> cases = {
        {"melee of all three: cone 1.7 ahead",
         AbilityId::MeleeSwing,
         {0, 8},
         {{MarkerModel::Cone, {0, 1.7f}, 0.0f, {3, 2, 3}}}},
        {"tessen melee, aimed east",
         AbilityId::FanMelee,
         {8, 0},
         {{MarkerModel::Cone, {1.7f, 0}, kQuarterTurn, {3, 2, 3}}}},
        {"naginata melee",
         AbilityId::NaginataSlash,
         {0, 8},
         {{MarkerModel::Cone, {0, 1.7f}, 0.0f, {3, 2, 3}}}},
        {"katana ranged: narrow arrow over the fence, stopped by the wall",
         AbilityId::ShurikenAbility,
         {30, 0},
         ArrowTo(east, eastArrow, 9.5f * kRise, 1)},
        {"naginata ranged: narrow arrow to the mouse",
         AbilityId::KunaiAbility,
         {0, 7},
         ArrowTo(north, northArrow, 7, 1)},
        {"katana Q: wide arrow stopped by the fence too",
         AbilityId::Dash,
         {30, 0},
         ArrowTo(east, eastArrow, 5.5f * kRise, 5)},
        {"katana Q: wide arrow up to 13", AbilityId::Dash, {0, 30}, ArrowTo(north, northArrow, 13, 5)},
        {"katana E: wide arrow to the mouse",
         AbilityId::MegaShuriken,
         {0, 7},
         ArrowTo(north, northArrow, 7, 5)},
        {"tessen Q: wide arrow, stopped by the wall",
         AbilityId::FanBoomerangAbility,
         {30, 0},
         ArrowTo(east, eastArrow, 9.5f * kRise, 5)},
        {"tessen ranged: narrow body up to 9",
         AbilityId::WhipPrimaryAttackAbility,
         {0, 30},
         BodyTo(north, northArrow, 9, 1)},
        {"naginata Q: body up to 4.8", AbilityId::NaginataStab, {0, 30}, BodyTo(north, northArrow, 4.8f, 1)},
        {"naginata E: circle of radius 2 up to 20",
         AbilityId::VolleyAbility,
         {0, 30},
         CircleAt(north, 20, 2)},
        {"naginata E: circle at the mouse", AbilityId::VolleyAbility, {0, 12}, CircleAt(north, 12, 2)},
        {"tessen E: circle of scale 16 on the player",
         AbilityId::WhipSecondaryAttackAbility,
         {0, 12},
         CircleAt(north, 0, 8)},
        {"tool: caltrops up to 20", AbilityId::SpikeAbility, {0, 30}, CircleAt(north, 20, 2.3f)},
        {"tool: smoke bomb at the mouse", AbilityId::SmokeBombAbility, {0, 11}, CircleAt(north, 11, 3)},
        {"tool: sticky trap stopped by the fence, a level box",
         AbilityId::StickyTrapAbility,
         {30, 0},
         CircleAt(east, 6 * kRise, 3)},
        {"tool: flash bang", AbilityId::FlashBangAbility, {0, 30}, CircleAt(north, 20, 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AimMarkers markers(models);
        MouseAt(c.mouse.x, c.mouse.y);
        ASSERT_TRUE(markers.Show(*Make(c.id), glm::vec3(0.0f), collision));
        ASSERT_EQ(markers.Placed().size(), c.markers.size());
        for (std::size_t i = 0; i < c.markers.size(); ++i) {
            const PlacedMarker& placed = markers.Placed()[i];
            const Expected& expected = c.markers[i];
            EXPECT_EQ(placed.model, expected.model) << i;
            EXPECT_NEAR(placed.position.x, expected.ground.x, 1e-4f) << i;
            EXPECT_FLOAT_EQ(placed.position.y, kMarkerHeight) << i;
            EXPECT_NEAR(placed.position.z, expected.ground.y, 1e-4f) << i;
            EXPECT_NEAR(placed.yaw, expected.yaw, 1e-6f) << i;
            EXPECT_NEAR(placed.scale.x, expected.scale.x, 1e-3f) << i;
            EXPECT_EQ(placed.scale.y, expected.scale.y) << i;
            EXPECT_EQ(placed.scale.z, expected.scale.z) << i;
        }
    }
}

TEST_F(AimMarkersTest, DrawnMarkersRunFromThePlayerToTheAimedPoint) {
    const glm::vec3 player(3.0f, 0.0f, -2.0f);
    MouseAt(3.0f, 5.0f);
    AimMarkers markers(models);
    ASSERT_TRUE(markers.Show(*Make(AbilityId::KunaiAbility), player, collision));
    ASSERT_TRUE(markers.Show(*Make(AbilityId::MeleeSwing), player, collision));
    const auto drawn = markers.Markers();
    ASSERT_EQ(drawn.size(), 3u);
    const MarkerModel order[] = {MarkerModel::ArrowBody, MarkerModel::ArrowEnd, MarkerModel::Cone};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Model& model = *models[static_cast<std::size_t>(order[i])];
        EXPECT_EQ(drawn[i].buffer, model.GetBuffer()) << i;
        EXPECT_EQ(drawn[i].vertexCount, model.GetVertexCount()) << i;
        EXPECT_EQ(drawn[i].texture, model.GetTexture()) << i;
    }
    const auto at = [&](std::size_t i, const glm::vec3& modelPoint) {
        return glm::vec3(drawn[i].world * glm::vec4(modelPoint, 1.0f));
    };
    const auto near = [](const glm::vec3& a, const glm::vec3& b) { return glm::distance(a, b) < 1e-4f; };
    const glm::vec3 aimed(3.0f, kMarkerHeight, 5.0f);
    const glm::vec3 start(3.0f, kMarkerHeight, -2.0f);
    // The body model is a tenth of a unit long along x.
    EXPECT_TRUE(near(at(0, {-0.05f, 0, 0}), start));
    EXPECT_TRUE(near(at(0, {0.05f, 0, 0}), aimed));
    EXPECT_TRUE(near(at(1, {0, 0, 0}), aimed));
    // The cone's apex, 1.7 / 3 behind its model origin, lands on the player.
    EXPECT_TRUE(near(at(2, {0, 0, -1.7f / 3.0f}), start));

    markers.Clear();
    EXPECT_TRUE(markers.Placed().empty());
    EXPECT_TRUE(markers.Markers().empty());
}

TEST_F(AimMarkersTest, ModelsPointAlongTheAimInEveryDirection) {
    // Every quadrant, and last an aim whose normalised vector has a dot product with itself of 1.00000012:
    // an angle taken as the acos of such a cosine is NaN.
    const glm::vec2 aims[] = {{0, 5}, {-3, 0}, {0, -2}, {4, 4}, {-1, 3}, {0.300330013f, 0.101110004f}};
    for (const glm::vec2& aim : aims) {
        SCOPED_TRACE(testing::Message() << aim.x << ", " << aim.y);
        const glm::vec3 u = glm::normalize(glm::vec3(aim.x, 0.0f, aim.y));
        MouseAt(aim.x, aim.y);
        AimMarkers markers(models);
        ASSERT_TRUE(markers.Show(*Make(AbilityId::MeleeSwing), glm::vec3(0.0f), collision));
        ASSERT_TRUE(markers.Show(*Make(AbilityId::KunaiAbility), glm::vec3(0.0f), collision));
        const auto drawn = markers.Markers();
        ASSERT_EQ(drawn.size(), 3u);
        // The cone model opens along +z, the arrow models along +x.
        const glm::vec3 coneForward = glm::normalize(glm::vec3(drawn[0].world * glm::vec4(0, 0, 1, 0)));
        EXPECT_LT(glm::distance(coneForward, u), 1e-5f);
        for (std::size_t arrow : {1u, 2u}) {
            const glm::vec3 forward = glm::normalize(glm::vec3(drawn[arrow].world * glm::vec4(1, 0, 0, 0)));
            EXPECT_LT(glm::distance(forward, u), 1e-5f) << arrow;
        }
    }
}

TEST_F(AimMarkersTest, WithTheMouseOnThePlayerTheLastAimIsKept) {
    const glm::vec3 player(3.0f, 0.0f, 4.0f);
    AimMarkers markers(models);
    // Before any aim: along +z.
    MouseAt(3.0f, 4.0f);
    ASSERT_TRUE(markers.Show(*Make(AbilityId::MeleeSwing), player, collision));
    EXPECT_EQ(markers.Placed()[0].position, glm::vec3(3.0f, kMarkerHeight, 5.7f));
    EXPECT_EQ(markers.Placed()[0].yaw, 0.0f);

    markers.Clear();
    MouseAt(-7.0f, 4.0f);  // west
    ASSERT_TRUE(markers.Show(*Make(AbilityId::MeleeSwing), player, collision));
    markers.Clear();
    MouseAt(3.0f, 4.0f);
    ASSERT_TRUE(markers.Show(*Make(AbilityId::MeleeSwing), player, collision));
    ASSERT_TRUE(markers.Show(*Make(AbilityId::KunaiAbility), player, collision));
    ASSERT_EQ(markers.Placed().size(), 3u);
    EXPECT_NEAR(markers.Placed()[0].position.x, 1.3f, 1e-5f);
    EXPECT_NEAR(markers.Placed()[0].yaw, -kQuarterTurn, 1e-6f);
    // The arrow has no length: its end is on the player, still turned west.
    EXPECT_EQ(markers.Placed()[2].position, glm::vec3(3.0f, kMarkerHeight, 4.0f));
    EXPECT_NEAR(markers.Placed()[2].yaw, -glm::pi<float>(), 1e-6f);
    EXPECT_EQ(markers.Placed()[1].scale.x, 0.0f);
    for (const ParticleMarker& drawn : markers.Markers()) {
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 4; ++row) {
                EXPECT_TRUE(std::isfinite(drawn.world[column][row]));
            }
        }
    }
}

TEST_F(AimMarkersTest, AnAbilityThatCannotBeUsedShowsNoMarker) {
    MouseAt(0.0f, 6.0f);
    AimMarkers markers(models);
    const std::unique_ptr<Ability> melee = Make(AbilityId::MeleeSwing);
    melee->Execute(0.0f);
    EXPECT_FALSE(markers.Show(*melee, glm::vec3(0.0f), collision)) << "cooling";

    // A shuriken recharging with charges left may be thrown: its marker shows.
    const std::unique_ptr<Ability> shuriken = Make(AbilityId::ShurikenAbility);
    shuriken->Execute(0.0f);
    ASSERT_GT(shuriken->GetCooldown(), 0.0);
    EXPECT_TRUE(markers.Show(*shuriken, glm::vec3(0.0f), collision));
    EXPECT_EQ(markers.Placed().size(), 2u);
    for (int gap = 0; gap < 2; ++gap) {
        shuriken->Update(0.5);
        shuriken->Execute(0.0f);
    }
    ASSERT_EQ(shuriken->GetCharges(), 0);
    EXPECT_FALSE(markers.Show(*shuriken, glm::vec3(0.0f), collision)) << "no charge left";
    EXPECT_EQ(markers.Placed().size(), 2u);

    // No ability shows nothing and is not refused.
    const Ability none;
    EXPECT_TRUE(markers.Show(none, glm::vec3(0.0f), collision));
    EXPECT_EQ(markers.Placed().size(), 2u);
}

}  // namespace
