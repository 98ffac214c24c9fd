// The uniform blocks and samplers a group of programs declares, each with its binding point or texture unit,
// so that a pipeline ties all of its programs from one table.
#pragma once

#include <epoxy/gl.h>

#include <span>

#include "gl/EffectParts.h"

namespace Lumaspace {

struct BlockSlot {
    const char* name;
    GLuint point;  // VertexBufferSlot, GeometryBufferSlot or PixelBufferSlot
};

struct SamplerSlot {
    const char* name;
    GLuint unit;  // TextureUnit
};

// Ties every block and sampler of the tables that the program declares; the others are skipped.
inline void TieSlots(GLuint program, std::span<const BlockSlot> blocks,
                     std::span<const SamplerSlot> samplers) {
    for (const BlockSlot& block : blocks) {
        TieBlock(program, block.name, block.point);
    }
    for (const SamplerSlot& sampler : samplers) {
        if (glGetUniformLocation(program, sampler.name) >= 0) {
            TieTexture(program, sampler.name, sampler.unit);
        }
    }
}

}  // namespace Lumaspace
