#include "MediaOutput.h"

#include "FileOutput.h"
#include "font/DisplayFont.h"
#include "grass/GrassMask.h"
#include "sounds/SoundCatalog.h"
#include "sounds/WavFile.h"

namespace {

bool Write(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
           GenerationReport& report, std::string& error) {
    if (!MakeFolder(file.parent_path(), error) || !WriteFileBytes(file, bytes, error)) {
        return false;
    }
    ++report.files;
    report.bytes += bytes.size();
    return true;
}

}  // namespace

bool WriteSounds(const std::filesystem::path& dataFolder, GenerationReport& report, std::string& error) {
    for (const SoundEntry& entry : SoundCatalog()) {
        if (!Write(dataFolder / "Sound" / entry.file, EncodeWav(entry.build(), entry.channels), report,
                   error)) {
            return false;
        }
    }
    return true;
}

bool WriteFont(const std::filesystem::path& dataFolder, GenerationReport& report, std::string& error) {
    return Write(dataFolder / "Fonts" / "RagingRedLotusBB.ttf", DisplayFontFile(), report, error);
}

bool WriteGrassMask(const std::filesystem::path& dataFolder, GenerationReport& report, std::string& error) {
    const LevelFootprint footprint = ReadLevelFootprint(dataFolder, "NightTimeArena.ZMDL");
    if (footprint.shapes.empty()) {
        error = "the default level has nothing on its floor, so the grass mask cannot be drawn";
        return false;
    }
    return Write(dataFolder / "GrassMap" / "grassMask.raw", GrassMask(footprint), report, error);
}
