#include "gl/ShaderProgram.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace Lumaspace {

namespace {

std::string ShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    return log.c_str();
}

std::string ProgramLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<std::size_t>(std::max(length, 1)), '\0');
    glGetProgramInfoLog(program, length, nullptr, log.data());
    return log.c_str();
}

bool EndsWith(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

}  // namespace

std::optional<std::string> ReadShaderSource(std::string_view path) {
    std::ifstream file("./" + std::string(path), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return text.str();
}

std::optional<GLenum> ShaderTypeOfFile(std::string_view path) {
    if (EndsWith(path, ".vert")) {
        return GL_VERTEX_SHADER;
    }
    if (EndsWith(path, ".geom")) {
        return GL_GEOMETRY_SHADER;
    }
    if (EndsWith(path, ".frag")) {
        return GL_FRAGMENT_SHADER;
    }
    return std::nullopt;
}

GLuint CompileShaderFile(GLenum type, std::string_view path, std::string& detail) {
    const std::optional<std::string> source = ReadShaderSource(path);
    if (!source) {
        detail = "./" + std::string(path) + ": file not found";
        return 0;
    }
    const GLuint shader = glCreateShader(type);
    const char* text = source->c_str();
    const GLint length = static_cast<GLint>(source->size());
    glShaderSource(shader, 1, &text, &length);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        detail = "./" + std::string(path) + ": " + ShaderLog(shader);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

bool ProgramMatchesLayout(GLuint program, std::span<const GLuint> locations, std::string& detail) {
    GLint count = 0;
    GLint longest = 0;
    glGetProgramiv(program, GL_ACTIVE_ATTRIBUTES, &count);
    glGetProgramiv(program, GL_ACTIVE_ATTRIBUTE_MAX_LENGTH, &longest);
    std::string name(static_cast<std::size_t>(std::max(longest, 1)), '\0');
    for (GLint i = 0; i < count; ++i) {
        GLint size = 0;
        GLenum type = 0;
        GLsizei length = 0;
        glGetActiveAttrib(program, static_cast<GLuint>(i), longest, &length, &size, &type, name.data());
        const std::string input(name.data(), static_cast<std::size_t>(length));
        if (input.starts_with("gl_")) {
            continue;
        }
        const GLint location = glGetAttribLocation(program, input.c_str());
        if (location < 0 ||
            std::find(locations.begin(), locations.end(), static_cast<GLuint>(location)) == locations.end()) {
            detail = "vertex input '" + input + "' at location " + std::to_string(location) +
                     " is not fed by the layout";
            return false;
        }
    }
    return true;
}

GLuint ProgramCache::Get(const ProgramFiles& files, ShaderFailure& failure) {
    const std::string key =
        std::string(files.vertex) + "|" + std::string(files.geometry) + "|" + std::string(files.pixel);
    if (auto found = m_programs.find(key); found != m_programs.end()) {
        return found->second;
    }
    struct Stage {
        ShaderStage stage;
        GLenum type;
        std::string_view path;
    };
    const Stage stages[] = {{ShaderStage::Vertex, GL_VERTEX_SHADER, files.vertex},
                            {ShaderStage::Geometry, GL_GEOMETRY_SHADER, files.geometry},
                            {ShaderStage::Pixel, GL_FRAGMENT_SHADER, files.pixel}};
    std::vector<GLuint> shaders;
    auto deleteShaders = [&shaders] {
        for (GLuint shader : shaders) {
            glDeleteShader(shader);
        }
    };
    for (const Stage& stage : stages) {
        if (stage.path.empty()) {
            continue;
        }
        const GLuint shader = CompileShaderFile(stage.type, stage.path, failure.detail);
        if (shader == 0) {
            failure.stage = stage.stage;
            deleteShaders();
            return 0;
        }
        shaders.push_back(shader);
    }
    const GLuint program = glCreateProgram();
    for (GLuint shader : shaders) {
        glAttachShader(program, shader);
    }
    glLinkProgram(program);
    deleteShaders();
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        failure.stage = ShaderStage::Link;
        failure.detail = "linking " + key + ": " + ProgramLog(program);
        glDeleteProgram(program);
        return 0;
    }
    m_programs.emplace(key, program);
    return program;
}

void ProgramCache::Shutdown() {
    for (const auto& [key, program] : m_programs) {
        glDeleteProgram(program);
    }
    m_programs.clear();
}

}  // namespace Lumaspace
