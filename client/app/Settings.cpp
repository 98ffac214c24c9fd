#include "client/app/Settings.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <system_error>

namespace {

std::unique_ptr<Settings> s_settings;

// Longer lines are not settings this client wrote (names and addresses are at most 15 characters).
constexpr std::size_t kLongestLine = 255;
// Ten lines of the longest kind, with room for a carriage return on each.
constexpr std::size_t kLargestFile = 10 * (kLongestLine + 2);

constexpr int kLineCount = 10;

void Report(const std::string& problem) {
    std::fprintf(stderr, "Settings: %s\n", problem.c_str());
}

// A name or an address: printable UTF-8 text of a sensible length.
bool IsUsableText(std::string_view line) {
    if (line.size() > kLongestLine) {
        return false;
    }
    std::size_t i = 0;
    while (i < line.size()) {
        const auto lead = static_cast<unsigned char>(line[i]);
        std::size_t followers = 0;
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) {
                return false;
            }
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            followers = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            followers = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            followers = 3;
        } else {
            return false;
        }
        if (i + followers >= line.size() && followers > 0) {
            return false;
        }
        for (std::size_t k = 1; k <= followers; ++k) {
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += 1 + followers;
    }
    return true;
}

// A decimal integer, optionally signed and surrounded by spaces; non-zero means on.
bool ParseSwitch(std::string_view line, bool& value) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    const std::size_t last = line.find_last_not_of(" \t");
    line = line.substr(first, last - first + 1);
    if (!line.empty() && line.front() == '+') {
        line.remove_prefix(1);
    }
    long long number = 0;
    const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (error != std::errc() || rest != line.data() + line.size()) {
        return false;
    }
    value = number != 0;
    return true;
}

}  // namespace

Settings& Settings::GetInstance() {
    if (!s_settings) {
        s_settings = std::make_unique<Settings>();
    }
    return *s_settings;
}

void Settings::Shutdown() {
    s_settings.reset();
}

std::string Settings::RandomName() {
    std::mt19937 generator(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, kRandomNames.size() - 1);
    return kRandomNames[pick(generator)];
}

void Settings::SetDefaults() {
    name = RandomName();
    ip.clear();
    vsync = false;
    fullscreen = false;
    mute = false;
    ssao = true;
    depthOfField = true;
    camera = false;
    smartCastToggle = true;
    smartCast = false;
}

void Settings::Load(const std::filesystem::path& file) {
    m_problems.clear();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        SetDefaults();
        std::filesystem::create_directories(file.parent_path(), error);
        if (error) {
            m_problems.push_back("the folder " + file.parent_path().string() +
                                 " cannot be created: " + error.message() + ".");
        }
    } else {
        std::ifstream stream(file, std::ios::binary);
        std::string text(kLargestFile + 1, '\0');
        stream.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(stream.gcount()));
        if (!stream.is_open() || stream.bad()) {
            SetDefaults();
            m_problems.push_back(file.string() + " cannot be read; the defaults are used.");
        } else {
            if (text.size() > kLargestFile) {
                m_problems.push_back(file.string() +
                                     " is longer than a settings file can be; only its first " +
                                     std::to_string(kLargestFile) + " bytes are read.");
                text.resize(kLargestFile);
            }
            Parse(text, m_problems);
        }
    }
    for (const std::string& problem : m_problems) {
        Report(problem);
    }
}

void Settings::Parse(std::string_view text, std::vector<std::string>& problems) {
    SetDefaults();
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < kLineCount) {
        std::size_t end = text.find('\n');
        const bool ended = end != std::string_view::npos;
        std::string_view line = text.substr(0, ended ? end : text.size());
        text.remove_prefix(ended ? end + 1 : text.size());
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
    }
    if (lines.size() < kLineCount) {
        problems.push_back("the settings file has " + std::to_string(lines.size()) +
                           " of its ten lines; the missing settings take their defaults.");
    }

    struct TextField {
        const char* label;
        std::string* value;
    };
    const TextField texts[] = {{"name", &name}, {"ip", &ip}};
    for (std::size_t i = 0; i < 2 && i < lines.size(); ++i) {
        if (IsUsableText(lines[i])) {
            *texts[i].value = std::string(lines[i]);
        } else {
            problems.push_back("line " + std::to_string(i + 1) + " (" + texts[i].label +
                               ") is too long, not UTF-8 text, or holds control characters; the default is "
                               "used.");
        }
    }

    struct Switch {
        const char* label;
        bool* value;
    };
    const Switch switches[] = {{"fullscreen", &fullscreen},
                               {"vsync", &vsync},
                               {"mute", &mute},
                               {"ssao", &ssao},
                               {"depthOfField", &depthOfField},
                               {"camera", &camera},
                               {"smartCastToggle", &smartCastToggle},
                               {"smartCast", &smartCast}};
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const Switch& item = switches[i - 2];
        if (!ParseSwitch(lines[i], *item.value)) {
            problems.push_back("line " + std::to_string(i + 1) + " (" + item.label + ") is not a number; " +
                               (*item.value ? "on" : "off") + ", the default, is used.");
        }
    }
}

std::string Settings::Format() const {
    std::string text = name + "\n" + ip + "\n";
    for (bool value : {fullscreen, vsync, mute, ssao, depthOfField, camera, smartCastToggle, smartCast}) {
        text += value ? "1\n" : "0\n";
    }
    return text;
}

bool Settings::Save(const std::filesystem::path& file) const {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::filesystem::path temporary = file;
    temporary += ".new";
    const std::string text = Format();
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        stream.write(text.data(), static_cast<std::streamsize>(text.size()));
        stream.flush();
        if (!stream) {
            stream.close();
            std::filesystem::remove(temporary, error);
            Report("the settings cannot be written to " + file.string() + "; this run's settings are lost.");
            return false;
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        Report("the settings cannot be written to " + file.string() + " (" + error.message() +
               "); this run's settings are lost.");
        return false;
    }
    return true;
}
