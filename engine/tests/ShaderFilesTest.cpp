// Every shader file of the run layout compiles on the GL driver, and every program the engine links from them
// links; a file that no program uses is reported, since nothing would ever link it.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "GLTestWindow.h"
#include "gl/ShaderCatalogue.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace::test {
namespace {

std::vector<std::string> ShaderFilesPresent() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("Shaders")) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

using ShaderFilesTest = GLEngineTest;  // the engine's context compiles them

TEST_F(ShaderFilesTest, EveryFileCompilesAndEveryProgramLinks) {
    std::set<std::string> linked;
    for (const ProgramFiles& program : kAllPrograms) {
        for (std::string_view file : {program.vertex, program.geometry, program.pixel}) {
            if (!file.empty()) {
                linked.insert(std::string(file));
            }
        }
    }

    const std::vector<std::string> files = ShaderFilesPresent();
    EXPECT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::optional<GLenum> type = ShaderTypeOfFile(file);
        ASSERT_TRUE(type.has_value()) << "not a .vert, .geom or .frag file";
        std::string detail;
        const GLuint shader = CompileShaderFile(*type, file, detail);
        EXPECT_NE(shader, 0u) << detail;
        glDeleteShader(shader);
        EXPECT_TRUE(linked.count(file)) << "no program links this file";
    }

    ProgramCache programs;
    for (const ProgramFiles& program : kAllPrograms) {
        SCOPED_TRACE(std::string(program.vertex) + " " + std::string(program.pixel));
        ShaderFailure failure;
        EXPECT_NE(programs.Get(program, failure), 0u) << failure.detail;
    }
    programs.Shutdown();
}

}  // namespace
}  // namespace Lumaspace::test
