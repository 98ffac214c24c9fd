// Every program the engine links, named by its GLSL files (paths under the working directory, read as "./" +
// path). A pipeline takes its files from here; the shader test compiles every file present and links every
// program listed.
#pragma once

#include <array>
#include <string_view>

namespace Lumaspace {

struct ProgramFiles {
    std::string_view vertex;
    std::string_view geometry;  // empty: no geometry stage
    std::string_view pixel;     // empty: no colour output (depth-only passes)
};

inline constexpr ProgramFiles kGUIProgram{"Shaders/GUI/GUIVertexShader.vert", "",
                                          "Shaders/GUI/GUIPixelShader.frag"};

inline constexpr ProgramFiles kTextProgram{"Shaders/Text/TextVertexShader.vert", "",
                                           "Shaders/Text/TextPixelShader.frag"};

inline constexpr std::array kAllPrograms{kGUIProgram, kTextProgram};

}  // namespace Lumaspace
