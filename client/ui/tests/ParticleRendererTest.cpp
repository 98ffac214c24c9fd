// The particle pass on the null engine: markers before emitters, each emitter with its own blend and its
// live particles, alpha blending back on for what follows, and queues that only borrow.
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ParticleFixture.h"
#include "client/ui/ParticleEmitter.h"
#include "client/ui/ParticleRenderer.h"

namespace {

using Lumaspace::RecordedCall;

constexpr float kFrame = 1.0f / 60.0f;

class ParticleRendererTest : public ParticleFixture {
protected:
    // An emitter of the kind that has run for frames frames.
    void Run(ParticleEmitter& emitter, ParticleType type, int frames) {
        ASSERT_TRUE(emitter.Initialize({0, 1, 0}, {0, 1, 0}, type, 0.2f, 0.2f));
        emitter.SetEmitting(true);
        for (int frame = 0; frame < frames; ++frame) {
            emitter.Update(kFrame);
        }
    }

    // The blend switches and draws of the pass, in order.
    std::vector<std::string> PassOperations() const {
        std::vector<std::string> pass;
        for (const std::string& name : Operations()) {
            if (name == "RenderMarker" || name == "RenderParticles" ||
                name.find("Blending") != std::string::npos) {
                pass.push_back(name);
            }
        }
        return pass;
    }

    ParticleRandom m_random{7};
};

TEST_F(ParticleRendererTest, DrawsMarkersThenEmittersInQueueOrderEachWithItsBlendAndLiveCount) {
    ParticleEmitter smoke(m_random), fire(m_random), idle(m_random), blood(m_random), torch(m_random);
    Run(smoke, ParticleType::SmokeParticles, 4);
    Run(fire, ParticleType::FireParticles, 5);
    Run(idle, ParticleType::SparkleParticles, 0);
    Run(blood, ParticleType::BloodParticles, 2);
    Run(torch, ParticleType::TorchFireParticles, 3);
    const ParticleMarker circle{Lumaspace::BufferHandle{901}, 36, glm::mat4(2.0f),
                                Lumaspace::TextureHandle{902}};
    const ParticleMarker arrow{Lumaspace::BufferHandle{903}, 12, glm::mat4(1.0f), Lumaspace::TextureHandle{}};

    ParticleRenderer renderer;
    renderer.QueueMarker(circle);
    renderer.QueueEmitter(&smoke);
    renderer.QueueEmitter(&fire);
    renderer.QueueEmitter(&idle);  // nothing alive: skipped
    renderer.QueueEmitter(nullptr);
    renderer.QueueEmitter(&blood);
    renderer.QueueMarker(arrow);
    renderer.QueueEmitter(&torch);
    EXPECT_EQ(renderer.MarkerCount(), 2u);
    EXPECT_EQ(renderer.EmitterCount(), 5u);
    m_engine->ClearRecordedCalls();
    renderer.Render();

    EXPECT_EQ(PassOperations(), (std::vector<std::string>{
                                    "RenderMarker", "RenderMarker", "TurnOnAlphaBlending", "RenderParticles",
                                    "TurnOnPointLightAlphaBlending", "RenderParticles", "TurnOnAlphaBlending",
                                    "RenderParticles", "TurnOnPointLightAlphaBlending", "RenderParticles",
                                    "TurnOnAlphaBlending"}));
    const std::vector<RecordedCall> markers = CallsNamed("RenderMarker");
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ(markers[0].handle, 901u);
    EXPECT_EQ(markers[0].values[1], 36.0f);
    EXPECT_EQ(markers[1].handle, 903u);

    struct Expected {
        const ParticleEmitter* emitter;
        bool fire;
    };
    const Expected expected[] = {{&smoke, false}, {&fire, true}, {&blood, false}, {&torch, true}};
    const std::vector<RecordedCall> draws = CallsNamed("RenderParticles");
    ASSERT_EQ(draws.size(), std::size(expected));
    for (std::size_t i = 0; i < draws.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<float>& values = draws[i].values;  // buffer, count, world (16), texture, fire
        ASSERT_EQ(values.size(), 20u);
        EXPECT_EQ(draws[i].handle, expected[i].emitter->GetBuffer().id);
        ASSERT_GT(expected[i].emitter->LiveCount(), 0);
        EXPECT_EQ(values[1], static_cast<float>(expected[i].emitter->LiveCount()));
        EXPECT_EQ(values[2], 1.0f);  // the identity world
        EXPECT_EQ(values[7], 1.0f);
        EXPECT_EQ(values[19], expected[i].fire ? 1.0f : 0.0f);
    }

    EXPECT_EQ(renderer.MarkerCount(), 0u);
    EXPECT_EQ(renderer.EmitterCount(), 0u);
    m_engine->ClearRecordedCalls();
    renderer.Render();
    EXPECT_TRUE(PassOperations().empty());
}

// The emitters belong to their owners (players, runes, traps): a renderer that frees what is still queued
// at shutdown frees them twice.
TEST_F(ParticleRendererTest, ShutdownForgetsQueuedEmittersWithoutFreeingThem) {
    ParticleEmitter blood(m_random);
    Run(blood, ParticleType::BloodParticles, 2);
    auto shield = std::make_unique<ParticleEmitter>(m_random);
    Run(*shield, ParticleType::ShieldParticles, 2);
    {
        ParticleRenderer renderer;
        renderer.QueueEmitter(&blood);
        renderer.QueueEmitter(shield.get());
        renderer.Shutdown();
        EXPECT_EQ(renderer.EmitterCount(), 0u);
        m_engine->ClearRecordedCalls();
        renderer.Render();
        EXPECT_TRUE(CallsNamed("RenderParticles").empty());
    }
    blood.Update(kFrame);
    shield->Update(kFrame);
    EXPECT_EQ(blood.LiveCount(), 3);
    EXPECT_EQ(shield->LiveCount(), 3);
}

}  // namespace
