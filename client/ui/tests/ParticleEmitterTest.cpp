// Particle emitters on the null engine with seeded random numbers: which kinds can be created, how often
// particles are born and where they go in the array, how leaves, dust, smoke and fire behave, and what
// reaches the engine (vertices, uploads, lights).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "ParticleFixture.h"
#include "client/ui/LevelEmitterSetup.h"
#include "client/ui/ParticleEmitter.h"

namespace {

using Lumaspace::RecordedCall;

constexpr float kFrame = 1.0f / 60.0f;

constexpr ParticleType kEveryKind[] = {
    ParticleType::SmokeParticles,     ParticleType::FireParticles,      ParticleType::FireSparkParticles,
    ParticleType::TorchFireParticles, ParticleType::GreenLeafParticles, ParticleType::SakuraLeafParticles,
    ParticleType::AcerLeafParticles,  ParticleType::SparkleParticles,   ParticleType::WorldDustParticles,
    ParticleType::FireflyParticles,   ParticleType::BubbleParticles,    ParticleType::BloodParticles,
    ParticleType::HealingParticles,   ParticleType::ShieldParticles,    ParticleType::FlashBangParticles,
};

const glm::vec3 kUp{0.0f, 1.0f, 0.0f};
const glm::vec3 kDrift{0.15f, -1.0f, -0.25f};

bool Finite(const glm::vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

class ParticleEmitterTest : public ParticleFixture {
protected:
    // An emitting emitter of the kind at position.
    void Start(ParticleEmitter& emitter, ParticleType type, const glm::vec3& position = glm::vec3(0.0f),
               const glm::vec3& direction = kUp) {
        ASSERT_TRUE(emitter.Initialize(position, direction, type, 0.1f, 0.1f));
        emitter.SetEmitting(true);
    }

    ParticleRandom m_random{12345};
};

TEST_F(ParticleEmitterTest, OnlyNumbersThatNameAKindCreateAnEmitterWithOneSlotPerParticle) {
    for (std::int32_t number = -1; number <= 16; ++number) {
        SCOPED_TRACE(number);
        m_engine->ClearRecordedCalls();
        const auto type = static_cast<ParticleType>(number);
        const ParticleTypeConstants* kind = FindParticleType(type);
        const bool names = number >= 0 && number <= 15 && number != 7;
        EXPECT_EQ(kind != nullptr, names);

        ParticleEmitter emitter(m_random);
        EXPECT_EQ(emitter.Initialize({0, 0, 0}, kUp, type, 0.1f, 0.1f), names);
        EXPECT_EQ(emitter.IsInitialized(), names);
        const std::vector<RecordedCall> buffers = CallsNamed("CreateDynamicBuffer");
        if (!names) {
            EXPECT_TRUE(buffers.empty());
            continue;
        }
        ASSERT_EQ(buffers.size(), 1u);
        EXPECT_EQ(buffers[0].values, std::vector<float>{static_cast<float>(kind->maxParticles * 40)});
        EXPECT_EQ(emitter.GetMaxParticles(), kind->maxParticles);
        EXPECT_FALSE(emitter.IsEmitting());
        EXPECT_EQ(emitter.GetColour(), glm::vec4(1.0f));
    }
}

TEST_F(ParticleEmitterTest, WithoutAnEngineBufferCreationFailsAndSaysSo) {
    m_engine->Shutdown();
    m_engine = Lumaspace::GE::GetInstance();  // created but not started: it hands out no buffers
    ParticleEmitter emitter(m_random);
    EXPECT_FALSE(emitter.Initialize({0, 0, 0}, kUp, ParticleType::FireParticles, 0.3f, 0.3f));
    EXPECT_FALSE(emitter.IsInitialized());
    EXPECT_TRUE(m_engine->GetDiagnostics().Contains("Failed to create particle vertex buffer."));
}

TEST_F(ParticleEmitterTest, AtMostOneParticleIsBornPerFrameAndNoFasterThanTheRate) {
    struct Case {
        const char* name;
        ParticleType type;
        float dt;
        int frames;
        int expectedLive;
    };
    const Case cases[] = {
        {"world dust (500 a second) at 60 frames a second", ParticleType::WorldDustParticles, kFrame, 30, 30},
        {"world dust in frames of a whole second", ParticleType::WorldDustParticles, 1.0f, 5, 5},
        {"fire (50 a second) in frames of a whole second", ParticleType::FireParticles, 0.5f, 1, 1},
        {"sparks (3 a second) in frames of 0.1 s: every fourth frame", ParticleType::FireSparkParticles, 0.1f,
         9, 2},
        {"leaves (1 a second) at 60 frames a second", ParticleType::GreenLeafParticles, kFrame, 130, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParticleEmitter emitter(m_random);
        Start(emitter, c.type, {0, 5, 0});
        for (int frame = 0; frame < c.frames; ++frame) {
            const int before = emitter.LiveCount();
            emitter.Update(c.dt);
            EXPECT_LE(emitter.LiveCount(), before + 1);
        }
        EXPECT_EQ(emitter.LiveCount(), c.expectedLive);
    }
}

TEST_F(ParticleEmitterTest, EveryKindKeepsOneSlotFreeAndBirthsNothingWhileNotEmitting) {
    for (const ParticleType type : kEveryKind) {
        SCOPED_TRACE(static_cast<int>(type));
        ParticleEmitter emitter(m_random);
        Start(emitter, type);
        emitter.SetEmitting(false);
        emitter.EmitParticles(2.0f);
        EXPECT_EQ(emitter.LiveCount(), 0);

        emitter.SetEmitting(true);
        const int slots = emitter.GetMaxParticles();
        for (int frame = 0; frame < slots + 5; ++frame) {
            emitter.EmitParticles(2.0f);  // longer than any kind's birth interval; nobody ages or dies
        }
        EXPECT_EQ(emitter.LiveCount(), slots - 1);
    }
}

TEST_F(ParticleEmitterTest, ANewParticleGoesBeforeTheFirstLowerOne) {
    // Sparks are born within 0.1 of the emitter's height, so emitter heights a unit apart order them.
    struct Birth {
        float height;
        int expectedSlot;
    };
    const Birth births[] = {{5, 0}, {10, 0}, {0, 2}, {7, 1}, {-3, 4}, {12, 0}};
    ParticleEmitter emitter(m_random);
    Start(emitter, ParticleType::FireSparkParticles);
    for (const Birth& birth : births) {
        SCOPED_TRACE(birth.height);
        emitter.SetPosition({0.0f, birth.height, 0.0f});
        emitter.EmitParticles(1.0f);
        const std::span<const Particle> particles = emitter.Particles();
        EXPECT_NEAR(particles[birth.expectedSlot].position.y, birth.height, 0.1f);
        for (int i = 1; i < emitter.LiveCount(); ++i) {
            EXPECT_GT(particles[i - 1].position.y, particles[i].position.y);
        }
        EXPECT_FALSE(particles[emitter.LiveCount()].alive);
    }
    EXPECT_EQ(emitter.LiveCount(), 6);
}

TEST_F(ParticleEmitterTest, WorldDustThatCrossesTheBandReturnsToItsWestEdgeAtItsBirthHeightAndDepth) {
    ParticleEmitter emitter(m_random);
    Start(emitter, ParticleType::WorldDustParticles, {0, 2, 0}, kDrift);
    emitter.SetWind(0.0f, 5000.0f);  // a strong east wind, so the crossing takes seconds, not minutes
    emitter.EmitParticles(kFrame);
    emitter.SetEmitting(false);
    ASSERT_EQ(emitter.LiveCount(), 1);
    const Particle born = emitter.Particles()[0];
    EXPECT_FLOAT_EQ(born.startPosition.x, -45.0f);
    EXPECT_EQ(born.opacity, 0.0f);

    float furthest = born.position.x;
    bool returned = false;
    for (int frame = 0; frame < 60 * 60 && !returned; ++frame) {
        emitter.UpdateParticles(kFrame);
        furthest = std::max(furthest, emitter.Particles()[0].position.x);
        emitter.BuildVertices(kFrame);
        returned = emitter.Particles()[0].position.x < furthest;
    }
    ASSERT_TRUE(returned);
    EXPECT_GT(furthest, 45.0f);
    const Particle& particle = emitter.Particles()[0];
    EXPECT_EQ(particle.position, glm::vec3(-45.0f, born.position.y, born.position.z));
    EXPECT_EQ(particle.age, 0.0f);
    EXPECT_EQ(emitter.Vertices()[0].position, particle.position);
    EXPECT_GT(emitter.Vertices()[0].colour.a, 0.0f);  // it faded in on the way
}

TEST_F(ParticleEmitterTest, LeavesComeToRestAtTheRestingHeightAndVanishAfterTheirLifetime) {
    const ParticleType leaves[] = {ParticleType::GreenLeafParticles, ParticleType::SakuraLeafParticles,
                                   ParticleType::AcerLeafParticles};
    for (const ParticleType type : leaves) {
        SCOPED_TRACE(static_cast<int>(type));
        ParticleEmitter emitter(m_random);
        Start(emitter, type, {3, 2, -1}, kDrift);
        emitter.SetWind(0.0f, 50.0f);
        emitter.EmitParticles(1.5f);
        emitter.SetEmitting(false);
        ASSERT_EQ(emitter.LiveCount(), 1);

        const float dt = 0.1f;
        glm::vec3 restingPlace{0.0f};
        bool resting = false;
        while (emitter.Particles()[0].age < 59.0f) {
            emitter.Update(dt);
            const Particle& leaf = emitter.Particles()[0];
            if (resting) {
                ASSERT_EQ(leaf.position, restingPlace) << "at age " << leaf.age;
            } else if (leaf.position.y <= 0.2f) {
                resting = true;
                restingPlace = leaf.position;
                EXPECT_GT(leaf.position.y, 0.2f - 2.0f * dt);  // it stops within a frame's fall
            }
        }
        EXPECT_TRUE(resting);
        EXPECT_EQ(emitter.LiveCount(), 1);
        for (int frame = 0; frame < 20; ++frame) {
            emitter.Update(dt);
        }
        EXPECT_EQ(emitter.LiveCount(), 0);
        EXPECT_FALSE(emitter.Particles()[0].alive);
    }
}

TEST_F(ParticleEmitterTest, AZeroOrBrokenDirectionStaysZeroInsteadOfTurningParticlesNaN) {
    const float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        const char* name;
        ParticleType type;
        glm::vec3 direction;
    };
    const Case cases[] = {
        {"rune sparkles are created without a direction", ParticleType::SparkleParticles, {0, 0, 0}},
        {"leaves fall along the emitter's direction", ParticleType::GreenLeafParticles, {0, 0, 0}},
        {"a direction with an infinite component", ParticleType::SakuraLeafParticles, {infinity, -1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParticleEmitter emitter(m_random);
        Start(emitter, c.type, {0, 2, 0}, c.direction);
        EXPECT_EQ(emitter.GetDirection(), glm::vec3(0.0f));
        for (int frame = 0; frame < 120; ++frame) {
            emitter.Update(kFrame);
        }
        ASSERT_GT(emitter.LiveCount(), 0);
        for (const ParticleVertex& vertex : emitter.Vertices().first(emitter.LiveCount())) {
            ASSERT_TRUE(Finite(vertex.position));
        }
    }
    ParticleEmitter steered(m_random);
    Start(steered, ParticleType::GreenLeafParticles, {0, 2, 0}, kDrift);
    EXPECT_NEAR(glm::length(steered.GetDirection()), 1.0f, 1e-6f);
    steered.SetDirection({0, 0, 0});
    EXPECT_EQ(steered.GetDirection(), glm::vec3(0.0f));
}

TEST_F(ParticleEmitterTest, FireAndTorchesLightTheirSurroundingsOncePerFrame) {
    struct Case {
        ParticleType type;
        int lights;
        float range;
    };
    const Case cases[] = {{ParticleType::FireParticles, 1, 7.0f},
                          {ParticleType::TorchFireParticles, 1, 5.0f},
                          {ParticleType::FireSparkParticles, 0, 0.0f},
                          {ParticleType::SmokeParticles, 0, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        ParticleEmitter emitter(m_random);
        Start(emitter, c.type, {1, 2, 3});
        for (int frame = 0; frame < 10; ++frame) {
            emitter.Update(kFrame);
        }
        m_engine->ClearRecordedCalls();
        emitter.Update(kFrame);
        const std::vector<RecordedCall> lights = CallsNamed("AddNewPointLight");
        ASSERT_EQ(lights.size(), static_cast<std::size_t>(c.lights));
        if (c.lights == 1) {
            // ambient, diffuse, specular, position, range
            EXPECT_EQ(lights[0].values, (std::vector<float>{0, 0, 0, 0, 1.6f, 0.8f, 0, 0, 0.8f, 0.4f, 0, 0, 1,
                                                            2.2f, 3, c.range}));
        }
    }
}

TEST_F(ParticleEmitterTest, SmokeAndTheFlashBangArcFromTheGroundThroughTheirHeightAtHalfLife) {
    struct Case {
        ParticleType type;
        float dt;  // half the lifetime is a whole number of frames
        int framesToHalfLife;
        float height;
    };
    const Case cases[] = {{ParticleType::SmokeParticles, 0.125f, 5, 3.0f},
                          {ParticleType::FlashBangParticles, 0.0625f, 2, 0.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        ParticleEmitter emitter(m_random);
        Start(emitter, c.type, {4, 4, 4});
        emitter.EmitParticles(1.0f);
        emitter.SetEmitting(false);
        emitter.UpdateParticles(c.dt);
        EXPECT_FLOAT_EQ(emitter.Particles()[0].position.y, 0.0f);
        for (int frame = 1; frame <= c.framesToHalfLife; ++frame) {
            emitter.UpdateParticles(c.dt);
        }
        EXPECT_NEAR(emitter.Particles()[0].position.y, c.height, 1e-5f);
    }
}

// Every kind over whole lives: removal keeps the survivors' order, and every vertex written is finite with
// an opacity between 0 and 1 (the last frame of a life fades past its lifetime).
TEST_F(ParticleEmitterTest, EveryKindKeepsItsOrderOnRemovalAndWritesSoundVertices) {
    for (const ParticleType type : kEveryKind) {
        SCOPED_TRACE(static_cast<int>(type));
        ParticleEmitter emitter(m_random);
        Start(emitter, type, {0, 1, 0}, kDrift);
        emitter.SetWind(30.0f, 50.0f);
        for (int frame = 0; frame < 240; ++frame) {
            std::vector<glm::vec3> survivors;
            for (const Particle& particle : emitter.Particles().first(emitter.LiveCount())) {
                if (!(particle.age > particle.lifetime)) {
                    survivors.push_back(particle.startPosition);
                }
            }
            emitter.RemoveDeadParticles();
            ASSERT_EQ(emitter.LiveCount(), static_cast<int>(survivors.size()));
            for (std::size_t i = 0; i < survivors.size(); ++i) {
                ASSERT_EQ(emitter.Particles()[i].startPosition, survivors[i]);
            }
            emitter.EmitParticles(kFrame);
            emitter.UpdateParticles(kFrame);
            emitter.BuildVertices(kFrame);
            for (const ParticleVertex& vertex : emitter.Vertices().first(emitter.LiveCount())) {
                ASSERT_TRUE(Finite(vertex.position));
                ASSERT_GE(vertex.colour.a, 0.0f) << "frame " << frame;
                ASSERT_LE(vertex.colour.a, 1.0f);
                ASSERT_EQ(vertex.size, glm::vec2(0.1f, 0.1f));
            }
            for (const ParticleVertex& vertex : emitter.Vertices().subspan(emitter.LiveCount())) {
                ASSERT_EQ(vertex.size, glm::vec2(0.0f));
            }
        }
    }
}

TEST_F(ParticleEmitterTest, TheUploadHoldsTheLiveParticlesAndARefusedOneKeepsThePreviousDraw) {
    ParticleEmitter emitter(m_random);
    Start(emitter, ParticleType::BloodParticles);
    m_engine->ClearRecordedCalls();
    emitter.BuildVertices(kFrame);
    EXPECT_TRUE(CallsNamed("UpdateDynamicBuffer").empty());  // nothing alive, nothing to send
    EXPECT_EQ(emitter.DrawCount(), 0);

    for (int frame = 0; frame < 3; ++frame) {
        emitter.Update(kFrame);
    }
    const std::vector<RecordedCall> uploads = CallsNamed("UpdateDynamicBuffer");
    ASSERT_EQ(uploads.size(), 3u);
    EXPECT_EQ(uploads.back().handle, emitter.GetBuffer().id);
    EXPECT_EQ(uploads.back().values, std::vector<float>{3 * 40.0f});
    EXPECT_EQ(emitter.DrawCount(), 3);

    // The engine forgets the buffer: the upload fails, the last good one stays what is drawn.
    m_engine->ReleaseBuffer(emitter.GetBuffer());
    emitter.Update(kFrame);
    EXPECT_EQ(emitter.LiveCount(), 4);
    EXPECT_EQ(emitter.DrawCount(), 3);
    EXPECT_TRUE(m_engine->GetDiagnostics().Contains("Failed to map particle buffer."));
}

TEST_F(ParticleEmitterTest, ShutdownReleasesTheBufferOnceAndTheEmitterCanBeSetUpAgain) {
    ParticleEmitter emitter(m_random);
    Start(emitter, ParticleType::FireParticles);
    const Lumaspace::BufferHandle first = emitter.GetBuffer();
    ASSERT_TRUE(emitter.Initialize({0, 0, 0}, kUp, ParticleType::SmokeParticles, 3, 3));
    emitter.Shutdown();
    emitter.Shutdown();
    const std::vector<RecordedCall> releases = CallsNamed("ReleaseBuffer");
    ASSERT_EQ(releases.size(), 2u);
    EXPECT_EQ(releases[0].handle, first.id);
    EXPECT_FALSE(m_engine->GetDiagnostics().Contains("Released a buffer handle the engine does not know."));
    emitter.Update(kFrame);  // a shut-down emitter does nothing
    EXPECT_EQ(emitter.LiveCount(), 0);
}

TEST_F(ParticleEmitterTest, EveryLevelEmitterKindBecomesAnEmittingEffectInTheLevelWind) {
    for (std::int32_t number = 0; number <= 10; ++number) {
        SCOPED_TRACE(number);
        const LevelEmitter record{{2, 3, 4}, {0, 90, 0}, static_cast<EmitterType>(number)};
        ParticleEmitter emitter(m_random);
        const bool known = number <= 9;
        ASSERT_EQ(InitializeLevelEmitter(emitter, record), known);
        if (!known) {
            continue;
        }
        EXPECT_TRUE(emitter.IsEmitting());
        EXPECT_EQ(emitter.GetPosition(), glm::vec3(2, 3, 4));
        EXPECT_NEAR(glm::length(emitter.GetDirection()), 1.0f, 1e-6f);
    }
}

}  // namespace
