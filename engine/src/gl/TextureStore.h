// The textures handles name: client textures (from files or pixels) and the engine's own targets the client
// may sample. Handle 0 and unknown handles resolve to a 1 x 1 texture of transparent black, which is what
// sampling "no texture" gives, so a missing picture draws nothing instead of a black box.
#pragma once

#include <epoxy/gl.h>

#include <cstdint>

#include "HandleTable.h"
#include "Lumagrid/Handles.h"

namespace Lumaspace {

class TextureStore {
public:
    bool Initialize();
    // Deletes the client's textures and the empty texture; the engine's targets are deleted by their owners.
    void Shutdown();

    // An RGBA8 texture, rows top first; with mipmaps the whole chain is generated, without them it has one
    // level.
    TextureHandle Create(int width, int height, const std::uint8_t* rgba, bool mipmaps);
    TextureHandle RegisterEngineTexture(GLuint texture);
    // False for handles this store does not know and for the engine's own textures.
    bool Release(TextureHandle texture);
    GLuint Resolve(TextureHandle texture) const;

private:
    struct Entry {
        GLuint name = 0;
        bool engineOwned = false;
    };

    HandleTable<Entry> m_textures;
    GLuint m_empty = 0;
};

}  // namespace Lumaspace
