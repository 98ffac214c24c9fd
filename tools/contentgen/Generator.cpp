#include "Generator.h"

#include "FileOutput.h"
#include "MediaOutput.h"
#include "levels/LevelWriter.h"
#include "levels/Levels.h"
#include "models/ModelCatalog.h"
#include "pictures/PictureWriter.h"
#include "preview/LevelPreview.h"
#include "preview/ModelSheet.h"
#include "shared/ModelWriter.h"

namespace {

bool WriteModels(const std::filesystem::path& folder, GenerationReport& report, std::string& error) {
    for (const ModelEntry& entry : ModelCatalog()) {
        std::vector<std::uint8_t> bytes;
        std::string reason;
        if (!WriteModelFile(entry.build(), bytes, reason)) {
            error = entry.fileName + ": " + reason;
            return false;
        }
        if (!WriteFileBytes(folder / entry.fileName, bytes, error)) {
            return false;
        }
        ++report.files;
        report.bytes += bytes.size();
    }
    return true;
}

bool WriteLevels(const std::filesystem::path& folder, GenerationReport& report, std::string& error) {
    for (const LevelEntry& entry : LevelCatalog()) {
        std::string text;
        std::string reason;
        if (!WriteLevelText(entry.build(), text, reason)) {
            error = entry.fileName + ": " + reason;
            return false;
        }
        if (!WriteFileText(folder / entry.fileName, text, error)) {
            return false;
        }
        ++report.files;
        report.bytes += text.size();
    }
    return true;
}

}  // namespace

bool GenerateContent(const std::filesystem::path& dataFolder, const std::filesystem::path& previewFolder,
                     GenerationReport& report, std::string& error) {
    report = GenerationReport{};
    const std::filesystem::path models = dataFolder / "Models";
    const std::filesystem::path levels = dataFolder / "Levels";
    const std::filesystem::path settings = dataFolder / "Settings";
    if (!MakeFolder(models, error) || !MakeFolder(levels, error) || !MakeFolder(settings, error)) {
        return false;
    }
    if (!WriteModels(models, report, error) || !WriteLevels(levels, report, error)) {
        return false;
    }
    const std::string list = LevelListText();
    if (!WriteFileText(settings / "ServerLevels.cfg", list, error)) {
        return false;
    }
    ++report.files;
    report.bytes += list.size();

    if (!previewFolder.empty() && !MakeFolder(previewFolder, error)) {
        return false;
    }
    // The minimap is drawn from the level files written above.
    if (!WritePictures(dataFolder, previewFolder, report, error) || !WriteSounds(dataFolder, report, error) ||
        !WriteFont(dataFolder, report, error) || !WriteGrassMask(dataFolder, report, error)) {
        return false;
    }
    if (previewFolder.empty()) {
        return true;
    }
    for (const LevelEntry& entry : LevelCatalog()) {
        const std::string stem = std::filesystem::path(entry.fileName).stem().string();
        if (!WriteLevelPreview(dataFolder, levels / entry.fileName, previewFolder / (stem + ".png"), error)) {
            return false;
        }
    }
    return true;
}

bool WriteModelSheets(const std::filesystem::path& dataFolder, const std::filesystem::path& sheetFolder,
                      std::string& error) {
    if (!MakeFolder(sheetFolder, error)) {
        return false;
    }
    for (const char* model : {"Ninja1Shape", "Ninja2Shape", "Ninja3Shape", "BigBirdShape"}) {
        if (!WriteModelSheet(dataFolder / "Models" / (std::string(model) + ".ZMD"),
                             sheetFolder / (std::string(model) + ".png"), error)) {
            return false;
        }
    }
    return true;
}
