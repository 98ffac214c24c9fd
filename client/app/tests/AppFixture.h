// A scratch run layout, a journal watching its settings file, and the debug log's lines, for tests that run
// the whole application on the null engine.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/app/DebugLog.h"
#include "client/app/tests/RecordingParts.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        DebugLog::SetListener([this](std::string_view line) { m_log.emplace_back(line); });
    }
    void TearDown() override { DebugLog::SetListener({}); }

    std::filesystem::path SettingsFile() const { return m_layout.Data() / "Settings" / "Settings.cfg"; }
    std::filesystem::path CursorPicture() const {
        return m_layout.Data() / "2DTextures" / "GUI" / "cursor.png";
    }

    // The names of the engine calls recorded so far.
    static std::vector<std::string> EngineCalls() {
        std::vector<std::string> names;
        for (const Lumaspace::RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
            names.push_back(call.operation);
        }
        return names;
    }

    ScratchRunLayout m_layout{"client-app"};
    std::shared_ptr<Journal> m_journal = std::make_shared<Journal>(SettingsFile());
    std::vector<std::string> m_log;
};

}  // namespace ombrin::test
