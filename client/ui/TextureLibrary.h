// Every picture of the client's 2D texture folders, loaded once at start-up and looked up by the exact path
// it was loaded under ("../Ombrin/2DTextures/GUI/cursor.png"). The library owns the engine textures and
// releases them in Shutdown, which must run while the engine is still up.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

#include "Lumagrid/Handles.h"
#include "shared/DataPaths.h"

class TextureLibrary {
public:
    static constexpr const char* kRootFolder = kTextureFolder;

    // The program's library, created on first use.
    static TextureLibrary& GetInstance();
    // Releases every texture and frees the library; the next GetInstance makes an empty one.
    static void Shutdown();

    // Loads, in this order, the PNG files of the root folder and every file of its Abilities/, DeathBoard/,
    // GUI/, Ninjas/ and Particles/ folders, each folder in name order, skipping "Thumbs.db". A missing folder
    // is skipped; a file the engine cannot read is stored with the empty handle.
    void LoadAll();
    // GE::Create2DTexture(path), stored under path; a texture stored there before is released.
    void Load(const std::string& path);
    // The texture stored under exactly this path. A path never loaded gives the empty handle, and is
    // remembered with it.
    Lumaspace::TextureHandle GetTexture(const std::string& path);

    bool Contains(const std::string& path) const { return m_textures.contains(path); }
    std::size_t Size() const { return m_textures.size(); }

private:
    void LoadFolder(const std::string& folder, bool pngOnly);
    void ReleaseAll();

    std::unordered_map<std::string, Lumaspace::TextureHandle> m_textures;
};
