// contentgen: writes the game's levels and models, or checks what was written.
//   contentgen --data <folder> [--preview <folder>]   generate into <folder> (it stands for "../Ombrin/")
//   contentgen --check <folder>                        read the data back and list every rule it breaks
//   contentgen --sheets <data folder> <out folder>     draw the skinned models' clips
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "Generator.h"
#include "check/SelfCheck.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: contentgen --data <folder> [--preview <folder>] | --check <folder> | --sheets "
                 "<data> <out>\n");
    return 2;
}

int Check(const std::filesystem::path& folder) {
    const std::vector<std::string> problems = CheckContent(folder);
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "%s\n", problem.c_str());
    }
    std::printf("contentgen: %zu problems\n", problems.size());
    return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--sheets") == 0) {
        std::string error;
        if (!WriteModelSheets(argv[2], argv[3], error)) {
            std::fprintf(stderr, "contentgen: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    std::filesystem::path data;
    std::filesystem::path preview;
    std::filesystem::path check;
    for (int i = 1; i < argc; ++i) {
        if (i + 1 >= argc) {
            return Usage();
        }
        if (std::strcmp(argv[i], "--data") == 0) {
            data = argv[++i];
        } else if (std::strcmp(argv[i], "--preview") == 0) {
            preview = argv[++i];
        } else if (std::strcmp(argv[i], "--check") == 0) {
            check = argv[++i];
        } else {
            return Usage();
        }
    }
    if (!check.empty() && data.empty() && preview.empty()) {
        return Check(check);
    }
    if (data.empty() || !check.empty()) {
        return Usage();
    }
    const auto start = std::chrono::steady_clock::now();
    GenerationReport report;
    std::string error;
    if (!GenerateContent(data, preview, report, error)) {
        std::fprintf(stderr, "contentgen: %s\n", error.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("contentgen: %d files, %.1f MB, %.2f s\n", report.files,
                static_cast<double>(report.bytes) / (1024.0 * 1024.0), seconds);
    return 0;
}
