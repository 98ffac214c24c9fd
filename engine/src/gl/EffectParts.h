// What the effect pipelines (line of sight, grass, particles, trails, markers, the sudden-death sheet) make
// the same way: a program loaded with its start-up messages, uniform blocks and samplers tied to their slots,
// dynamic uniform buffers, the linear wrapping sampler, and the number of whole vertices a buffer can feed.
#pragma once

#include <epoxy/gl.h>

#include <cstddef>
#include <initializer_list>
#include <span>

#include "Lumagrid/Diagnostics.h"
#include "gl/ShaderProgram.h"

namespace Lumaspace {

// The messages a pipeline composes while its program loads. Null entries are not composed; a stage without
// a file (no geometry shader) composes nothing.
struct ProgramMessages {
    const char* vertexFailed = nullptr;
    const char* layoutFailed = nullptr;
    const char* geometryFailed = nullptr;
    const char* pixelFailed = nullptr;  // also for a program that does not link
    const char* vertexCompiled = nullptr;
    const char* vertexVersion = nullptr;
    const char* geometryCompiled = nullptr;
    const char* geometryVersion = nullptr;
    const char* pixelCompiled = nullptr;
    const char* pixelVersion = nullptr;
};

// The linked program of files whose vertex inputs all sit at the given locations. On failure 0, with the
// failing stage's message and the compiler's detail composed; the messages of the stages before it are
// composed as successes.
GLuint LoadProgram(ProgramCache& programs, const ProgramFiles& files, std::span<const GLuint> locations,
                   const ProgramMessages& messages, DiagnosticSink& diagnostics);

// Ties the program's uniform block to a binding point (nothing when the program has no such block).
void TieBlock(GLuint program, const char* block, GLuint bindingPoint);
// Ties the program's sampler uniform to a texture unit.
void TieTexture(GLuint program, const char* sampler, GLuint unit);

// A dynamic uniform buffer of the given size; 0 when GL refuses.
GLuint CreateUniformBuffer(std::size_t bytes);
// MIN_MAG_MIP_LINEAR, wrapping on every axis, LOD 0 to the largest float; 0 when GL refuses.
GLuint CreateLinearWrapSampler();

// The vertices a draw of count vertices of stride bytes may take from buffer: count, cut to the whole
// vertices the buffer holds; 0 for a negative count or no buffer.
GLsizei DrawableVertices(GLuint buffer, int count, std::size_t stride);

// Deletes the GL objects that exist and zeroes the names.
void DeleteBuffers(std::initializer_list<GLuint*> buffers);
void DeleteSampler(GLuint& sampler);

}  // namespace Lumaspace
