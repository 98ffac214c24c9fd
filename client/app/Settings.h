// The client's persistent configuration: the player's name, the last server address and eight switches. Read
// once at start-up, changed by the menu, written back when the program exits.
//
// The file is ten lines, each ended by a newline: name, ip, then fullscreen, vsync, mute, ssao, depthOfField,
// camera, smartCastToggle and smartCast as decimal 0 or 1 (note fullscreen before vsync). The file is player
// input: a line that is not what it should be leaves its setting at the default and says so on standard
// error.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class Settings {
public:
    static constexpr const char* kFile = "../Ombrin/Settings/Settings.cfg";
    // The names a player without one is given.
    static constexpr std::array<const char*, 15> kRandomNames = {
        "Akira",  "Kei",   "Mikoto", "Jun",   "Ryou",   "Sora",   "Yuki",  "Mitsuki",
        "Minato", "Hachi", "Tamahi", "Sakae", "Hiromu", "Hikari", "Itsuki"};

    // The program's settings (both strings empty and every switch off until Load), created on first use.
    static Settings& GetInstance();
    // Frees the settings; the next GetInstance makes fresh ones.
    static void Shutdown();

    // Reads the file. A missing file gives the defaults and creates its folder (the file itself is written
    // by Save); an unreadable or damaged one gives the defaults for what cannot be used, each problem
    // reported on standard error and kept in Problems().
    void Load(const std::filesystem::path& file = kFile);
    // Writes the ten lines to a temporary file beside it and then puts that in place, so a failed write never
    // leaves a truncated file. False, with the reason on standard error, when the file cannot be written.
    bool Save(const std::filesystem::path& file = kFile) const;
    // The defaults: a random name from kRandomNames, no address, ssao, depthOfField and smartCastToggle on.
    void SetDefaults();
    // One of kRandomNames, from a generator seeded with the current time.
    static std::string RandomName();

    // The ten lines as Save writes them.
    std::string Format() const;
    // Takes the settings from a file's text; what is missing or unusable keeps its default. Problems are
    // appended to problems as sentences.
    void Parse(std::string_view text, std::vector<std::string>& problems);

    const std::vector<std::string>& Problems() const { return m_problems; }

    std::string name;
    std::string ip;
    bool vsync = false;
    bool fullscreen = false;
    bool mute = false;
    bool ssao = false;
    bool depthOfField = false;
    bool camera = false;
    bool smartCastToggle = false;
    bool smartCast = false;

private:
    std::vector<std::string> m_problems;
};
