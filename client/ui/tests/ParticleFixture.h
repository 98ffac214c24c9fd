// The null engine for the particle and trail tests: started before each test, stopped after it, with the
// calls it recorded readable by name.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/ui/TextureLibrary.h"

class ParticleFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false)); }
    void TearDown() override {
        TextureLibrary::Shutdown();
        m_engine->Shutdown();
    }

    std::vector<Lumaspace::RecordedCall> CallsNamed(const std::string& operation) const {
        std::vector<Lumaspace::RecordedCall> calls;
        for (const Lumaspace::RecordedCall& call : m_engine->GetRecordedCalls()) {
            if (call.operation == operation) {
                calls.push_back(call);
            }
        }
        return calls;
    }

    // The names of the recorded calls, in order.
    std::vector<std::string> Operations() const {
        std::vector<std::string> names;
        for (const Lumaspace::RecordedCall& call : m_engine->GetRecordedCalls()) {
            names.push_back(call.operation);
        }
        return names;
    }

    Lumaspace::GE* m_engine = Lumaspace::GE::GetInstance();
};
