// Files the client's tests make: a scratch run layout to work in, pictures, and plain files.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ombrin::test {

using Rgba = std::array<std::uint8_t, 4>;

// A fresh run layout under the system's temporary folder: root/bin, the working directory while the object
// lives (so that "../Ombrin/" reaches root/Ombrin), and root/Ombrin. Everything is removed at the end.
class ScratchRunLayout {
public:
    explicit ScratchRunLayout(const std::string& name);
    ~ScratchRunLayout();
    ScratchRunLayout(const ScratchRunLayout&) = delete;
    ScratchRunLayout& operator=(const ScratchRunLayout&) = delete;

    const std::filesystem::path& Root() const { return m_root; }
    std::filesystem::path Bin() const { return m_root / "bin"; }
    std::filesystem::path Data() const { return m_root / "Ombrin"; }

private:
    std::filesystem::path m_root;
    std::filesystem::path m_previousDirectory;
};

// A width x height RGBA PNG whose pixel (x, y), row 0 at the top, is paint(x, y). Creates the folders.
bool WritePng(const std::filesystem::path& path, int width, int height,
              const std::function<Rgba(int x, int y)>& paint);

// Writes bytes as they are, creating the folders.
bool WriteFile(const std::filesystem::path& path, std::string_view bytes);
// The whole file, or "" when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

}  // namespace ombrin::test
