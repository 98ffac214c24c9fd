// The instance buffers of the instanced pipelines: one world matrix (64 bytes) per instance, kept in the
// order the client added them, each with the instance count it was created for and the number of matrices
// last written (what an instanced draw draws: past them the buffer is undefined after a rewrite).
#pragma once

#include <epoxy/gl.h>

#include <span>
#include <vector>

#include <glm/mat4x4.hpp>

namespace Lumaspace {

class InstanceBuffers {
public:
    // Makes entry [index] (one past the last, or a released one) a buffer of count matrices starting with
    // the given ones (the rest zero). A failed creation still keeps an entry without a buffer, so later
    // indices keep naming the client's groups.
    bool Add(int index, int count, std::span<const glm::mat4> matrices);
    // Rewrites buffer [index] from its first matrix; the caller has checked index and size.
    bool Update(std::span<const glm::mat4> matrices, int index);
    // Deletes buffer [index] and leaves its entry empty (no buffer, nothing written) for a later Add.
    bool Release(int index);
    void Shutdown();

    GLuint Buffer(int index) const;
    int Count(int index) const;
    // The matrices written by the last Add or Update of buffer [index]; 0 for unknown indices and for a
    // buffer whose last rewrite failed.
    int WrittenCount(int index) const;

private:
    struct Entry {
        GLuint buffer = 0;
        int count = 0;
        int written = 0;
    };
    std::vector<Entry> m_entries;
};

}  // namespace Lumaspace
