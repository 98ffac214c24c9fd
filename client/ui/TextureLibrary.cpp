#include "client/ui/TextureLibrary.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "Lumagrid/GE.h"

namespace {

std::unique_ptr<TextureLibrary> s_library;

// The folders under the root whose every file is a texture; the root itself contributes only its PNG files.
constexpr std::array<const char*, 5> kSubfolders = {"Abilities/", "DeathBoard/", "GUI/", "Ninjas/",
                                                    "Particles/"};

// The listing of the root folder matches "*.png" the way the original platform's file search did: without
// regard to letter case.
bool HasPngExtension(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".png";
}

}  // namespace

TextureLibrary& TextureLibrary::GetInstance() {
    if (!s_library) {
        s_library = std::make_unique<TextureLibrary>();
    }
    return *s_library;
}

void TextureLibrary::Shutdown() {
    if (s_library) {
        s_library->ReleaseAll();
    }
    s_library.reset();
}

void TextureLibrary::LoadAll() {
    LoadFolder(kRootFolder, true);
    for (const char* subfolder : kSubfolders) {
        LoadFolder(std::string(kRootFolder) + subfolder, false);
    }
}

void TextureLibrary::LoadFolder(const std::string& folder, bool pngOnly) {
    std::error_code error;
    std::filesystem::directory_iterator listing(folder, error);
    if (error) {
        return;
    }
    // Sorted by name so that every run loads in the same order.
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : listing) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) {
            continue;
        }
        std::string name = entry.path().filename().string();
        if (name == "Thumbs.db" || (pngOnly && !HasPngExtension(name))) {
            continue;
        }
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        Load(folder + name);
    }
}

void TextureLibrary::Load(const std::string& path) {
    const Lumaspace::TextureHandle texture = Lumaspace::GE::GetInstance()->Create2DTexture(path);
    auto [slot, inserted] = m_textures.try_emplace(path, texture);
    if (!inserted) {
        if (slot->second) {
            Lumaspace::GE::GetInstance()->ReleaseTexture(slot->second);
        }
        slot->second = texture;
    }
}

Lumaspace::TextureHandle TextureLibrary::GetTexture(const std::string& path) {
    return m_textures.try_emplace(path).first->second;
}

void TextureLibrary::ReleaseAll() {
    for (const auto& [path, texture] : m_textures) {
        if (texture) {
            Lumaspace::GE::GetInstance()->ReleaseTexture(texture);
        }
    }
    m_textures.clear();
}
