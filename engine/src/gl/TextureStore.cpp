#include "gl/TextureStore.h"

#include "gl/GLObjects.h"

namespace Lumaspace {

bool TextureStore::Initialize() {
    const std::uint8_t transparent[4] = {0, 0, 0, 0};
    const TextureHandle empty = Create(1, 1, transparent, false);
    if (!empty) {
        return false;
    }
    m_empty = Resolve(empty);
    // The empty texture is kept out of the table so that no handle names it.
    m_textures.Remove(empty.id);
    return true;
}

void TextureStore::Shutdown() {
    m_textures.ForEach([](std::uint32_t, const Entry& entry) {
        if (!entry.engineOwned) {
            glDeleteTextures(1, &entry.name);
        }
    });
    m_textures.Clear();
    if (m_empty != 0) {
        glDeleteTextures(1, &m_empty);
        m_empty = 0;
    }
}

TextureHandle TextureStore::Create(int width, int height, const std::uint8_t* rgba, bool mipmaps) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (width < 1 || height < 1 || width > largest || height > largest) {
        return {};
    }
    DrainGLErrors();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    if (mipmaps) {
        glGenerateMipmap(GL_TEXTURE_2D);
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    if (!DrainGLErrors()) {
        glDeleteTextures(1, &texture);
        return {};
    }
    return TextureHandle{m_textures.Add(Entry{texture, false})};
}

TextureHandle TextureStore::RegisterEngineTexture(GLuint texture) {
    return texture == 0 ? TextureHandle{} : TextureHandle{m_textures.Add(Entry{texture, true})};
}

bool TextureStore::Release(TextureHandle texture) {
    const Entry* entry = m_textures.Find(texture.id);
    if (entry == nullptr || entry->engineOwned) {
        return false;
    }
    glDeleteTextures(1, &entry->name);
    m_textures.Remove(texture.id);
    return true;
}

GLuint TextureStore::Resolve(TextureHandle texture) const {
    const Entry* entry = m_textures.Find(texture.id);
    return entry != nullptr ? entry->name : m_empty;
}

}  // namespace Lumaspace
