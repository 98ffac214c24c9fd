#include "pictures/PictureWriter.h"

#include <map>
#include <utility>
#include <vector>

#include "FileOutput.h"
#include "pictures/ContactSheet.h"
#include "pictures/PictureCatalog.h"
#include "pictures/PictureFile.h"
#include "pictures/TextPainter.h"

bool WritePictures(const std::filesystem::path& dataFolder, const std::filesystem::path& previewFolder,
                   GenerationReport& report, std::string& error) {
    if (!Lettering().Ready()) {
        error = "the display font does not load, so no lettering can be drawn";
        return false;
    }
    const std::filesystem::path root = dataFolder / "2DTextures";
    std::map<std::string, std::vector<std::pair<std::string, Image>>> sheets;
    for (const PictureEntry& entry : PictureCatalog(dataFolder)) {
        const std::filesystem::path file = root / entry.path;
        if (!MakeFolder(file.parent_path(), error)) {
            return false;
        }
        Image image = entry.build();
        const std::vector<std::uint8_t> png = EncodePng(image);
        if (png.empty()) {
            error = "cannot encode " + entry.path;
            return false;
        }
        if (!WriteFileBytes(file, png, error)) {
            return false;
        }
        ++report.files;
        report.bytes += png.size();
        if (!previewFolder.empty()) {
            const std::filesystem::path relative(entry.path);
            const std::string folder = relative.has_parent_path() ? relative.parent_path().string() : "Top";
            sheets[folder].emplace_back(relative.filename().string(), std::move(image));
        }
    }
    for (const auto& [folder, pictures] : sheets) {
        if (!WriteFileBytes(previewFolder / ("Pictures_" + folder + ".png"),
                            EncodePng(ContactSheet(pictures)), error)) {
            return false;
        }
    }
    return true;
}
