// The display font at start-up, read from the data folder beside the working directory: missing, damaged or
// unreadable files are reported, start-up goes on, and texts in that font are empty while the system font
// still works.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "TestImages.h"

namespace Lumaspace {
namespace {

std::vector<char> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool SaidStartingWith(GE& engine, const std::string& start) {
    for (const std::string& message : engine.GetDiagnostics().Messages()) {
        if (message.rfind(start, 0) == 0) {
            return true;
        }
    }
    return false;
}

TEST(FontLoadingTest, ABadDisplayFontIsReportedAndItsTextsAreEmpty) {
    const std::filesystem::path binDirectory = std::filesystem::current_path();
    const std::vector<char> real = ReadAll(binDirectory / "../Ombrin/Fonts/RagingRedLotusBB.ttf");
    ASSERT_GT(real.size(), 1000u) << "run from the run layout's bin folder";

    enum class Kind { Missing, File, Folder };
    struct Case {
        const char* name;
        Kind kind;
        std::vector<char> bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"missing", Kind::Missing, {}, "the file does not exist"},
        {"empty", Kind::File, {}, "the file is empty"},
        {"not a font", Kind::File, std::vector<char>(4096, 'x'), "FreeType does not read it as a font"},
        {"cut short", Kind::File, std::vector<char>(real.begin(), real.begin() + 200),
         "FreeType does not read it as a font"},
        {"a folder in its place", Kind::Folder, {}, "the file does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDirectory run("lumagrid-fonts");
        std::filesystem::create_directories(run.Path() / "bin");
        std::filesystem::create_directories(run.Path() / "Ombrin" / "Fonts");
        const std::filesystem::path font = run.Path() / "Ombrin" / "Fonts" / "RagingRedLotusBB.ttf";
        if (c.kind == Kind::File) {
            std::ofstream(font, std::ios::binary)
                .write(c.bytes.data(), static_cast<std::streamsize>(c.bytes.size()));
        } else if (c.kind == Kind::Folder) {
            std::filesystem::create_directories(font);
        }
        std::filesystem::current_path(run.Path() / "bin");

        GE* engine = GE::GetInstance();
        EXPECT_TRUE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
        EXPECT_TRUE(SaidStartingWith(*engine, std::string("Failed to load the font '../Ombrin/Fonts/"
                                                          "RagingRedLotusBB.ttf': ") +
                                                  c.reason));
        EXPECT_FALSE(engine->IsFontLoaded(FontFace::Display));
        EXPECT_TRUE(engine->IsFontLoaded(FontFace::System));

        const TextLayoutHandle display = engine->CreateTextLayout(FontFace::Display, "Ombrin", 40, 2);
        const TextLayoutHandle system = engine->CreateTextLayout(FontFace::System, "Ombrin", 40, 2);
        ASSERT_TRUE(display) << "the layout exists, so its owner works as usual";
        EXPECT_EQ(engine->GetTextMetrics(display).width, 0.0f);
        EXPECT_EQ(engine->GetTextMetrics(display).height, 0.0f);
        EXPECT_GT(engine->GetTextMetrics(system).width, 0.0f);
        engine->SetTextLayoutSize(display, 80);
        engine->AnalyzeText(display, 100, 100, 0xFFFFFFFFu, 0);
        engine->RenderTextGeometry(kTextRestoreState);
        EXPECT_EQ(engine->GetTextDrawCount(), 0u);
        engine->Shutdown();
        std::filesystem::current_path(binDirectory);
    }

    // Back in the run layout the font loads again.
    GE* engine = GE::GetInstance();
    ASSERT_TRUE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
    EXPECT_TRUE(engine->IsFontLoaded(FontFace::Display));
    EXPECT_FALSE(SaidStartingWith(*engine, "Failed to load the font"));
    engine->Shutdown();
}

TEST(FontLoadingTest, DamagedGlyphDataNeverCrashesALayout) {
    const std::filesystem::path binDirectory = std::filesystem::current_path();
    std::vector<char> damaged = ReadAll(binDirectory / "../Ombrin/Fonts/RagingRedLotusBB.ttf");
    ASSERT_GT(damaged.size(), 1000u) << "run from the run layout's bin folder";
    // The table directory and the first tables stay intact, so FreeType opens the face; the outlines behind
    // them are junk (glyphs of absurd size and places, or none).
    for (std::size_t i = damaged.size() * 3 / 10; i < damaged.size(); i += 31) {
        damaged[i] = static_cast<char>(damaged[i] ^ static_cast<char>(0x5A + i));
    }
    test::TempDirectory run("lumagrid-damaged-font");
    std::filesystem::create_directories(run.Path() / "bin");
    std::filesystem::create_directories(run.Path() / "Ombrin" / "Fonts");
    std::ofstream(run.Path() / "Ombrin" / "Fonts" / "RagingRedLotusBB.ttf", std::ios::binary)
        .write(damaged.data(), static_cast<std::streamsize>(damaged.size()));
    std::filesystem::current_path(run.Path() / "bin");

    GE* engine = GE::GetInstance();
    ASSERT_TRUE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
    EXPECT_TRUE(engine->IsFontLoaded(FontFace::Display));
    std::string every;
    for (int byte = 1; byte < 256; ++byte) {
        every.push_back(static_cast<char>(byte));
    }
    for (float size : {1.0f, 13.5f, 64.0f}) {
        for (int alignment : {kTextAlignLeading, kTextAlignTrailing, kTextAlignCentre}) {
            const TextLayoutHandle layout =
                engine->CreateTextLayout(FontFace::Display, every, size, alignment);
            EXPECT_TRUE(layout);
            const TextMetrics metrics = engine->GetTextMetrics(layout);
            EXPECT_GE(metrics.width, 0.0f);
            EXPECT_GE(metrics.height, 0.0f);
            engine->AnalyzeText(layout, 0, 0, 0xFFFFFFFFu, 0);
            engine->ReleaseTextLayout(layout);
        }
    }
    engine->RenderTextGeometry(kTextRestoreState);
    engine->Shutdown();
    std::filesystem::current_path(binDirectory);
}

}  // namespace
}  // namespace Lumaspace
