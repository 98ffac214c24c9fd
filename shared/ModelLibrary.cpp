#include "shared/ModelLibrary.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "shared/ConsoleLog.h"

namespace {

// The names of the regular files in folder, sorted so that every run loads them in the same order.
bool ListModelFiles(const std::string& folder, std::vector<std::string>& names, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code code;
    fs::directory_iterator entry(folder, code);
    for (; !code && entry != fs::directory_iterator(); entry.increment(code)) {
        std::error_code ignored;
        if (entry->is_regular_file(ignored)) {
            names.push_back(entry->path().filename().string());
        }
    }
    if (code) {
        error = code.message();
        return false;
    }
    std::sort(names.begin(), names.end());
    return true;
}

}  // namespace

ModelLibrary& ModelLibrary::GetInstance() {
    static ModelLibrary library;
    return library;
}

ModelLibrary::ModelLibrary() : m_prototype(std::make_unique<BaseModel>()) {}

bool ModelLibrary::LoadFolder(const BaseModel& prototype, const std::string& folder) {
    m_prototype = prototype.CreateEmpty();
    std::vector<std::string> names;
    std::string error;
    if (!ListModelFiles(folder, names, error)) {
        LogProblem("Model folder not listed: %s: %s\n", folder.c_str(), error.c_str());
        return false;
    }
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (const std::string& name : names) {
        std::string key = prefix + name;
        if (m_models.contains(key)) {
            continue;
        }
        // Each file gets a model of its own, moved into the map: no two entries share anything.
        std::unique_ptr<BaseModel> model = prototype.CreateEmpty();
        model->LoadModel(key);
        m_models.emplace(std::move(key), std::move(model));
    }
    return true;
}

BaseModel& ModelLibrary::Get(const std::string& path) {
    auto found = m_models.find(path);
    if (found == m_models.end()) {
        found = m_models.emplace(path, m_prototype->CreateEmpty()).first;
    }
    return *found->second;
}
