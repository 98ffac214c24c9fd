// Compiling GLSL files and linking programs, one program per (vertex, geometry, pixel) triple.
#pragma once

#include <epoxy/gl.h>

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gl/ShaderCatalogue.h"

namespace Lumaspace {

enum class ShaderStage { Vertex, Geometry, Pixel, Link };

struct ShaderFailure {
    ShaderStage stage = ShaderStage::Vertex;
    std::string detail;  // the file and the compiler's or linker's log
};

// The whole file at "./" + path, or nothing when it cannot be read.
std::optional<std::string> ReadShaderSource(std::string_view path);

// The stage a GLSL file name stands for: .vert, .geom or .frag.
std::optional<GLenum> ShaderTypeOfFile(std::string_view path);

// Compiles one file; 0 with failure's detail filled on error.
GLuint CompileShaderFile(GLenum type, std::string_view path, std::string& detail);

// True when every active vertex input of the program sits at one of the given locations (what the pipeline's
// vertex layout feeds); otherwise detail names the input left unfed.
bool ProgramMatchesLayout(GLuint program, std::span<const GLuint> locations, std::string& detail);

class ProgramCache {
public:
    // The linked program of the triple, built on first request; 0 with failure filled on error.
    GLuint Get(const ProgramFiles& files, ShaderFailure& failure);
    void Shutdown();

private:
    std::map<std::string, GLuint> m_programs;
};

}  // namespace Lumaspace
