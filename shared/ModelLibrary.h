// Every model of the models folder, keyed by path ("../Ombrin/Models/" + file name). Filled once at start-up;
// afterwards models are only looked up. Models live until the library is cleared, and a reference returned by
// Get stays valid until then.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>

#include "shared/BaseModel.h"
#include "shared/DataPaths.h"

class ModelLibrary {
public:
    static constexpr const char* kModelFolder = ::kModelFolder;

    // The program's library, created on first use.
    static ModelLibrary& GetInstance();

    ModelLibrary();

    // Loads every regular file of folder, in name order, each into a fresh model made by
    // prototype.CreateEmpty(), and stores it under folder + file name unless that key is present already.
    // A file that does not load is stored as an empty model (the model says why on standard error). Returns
    // false, with a message on standard error, when the folder cannot be listed. Later calls of Get insert
    // empty models of the prototype's class.
    bool LoadFolder(const BaseModel& prototype, const std::string& folder = kModelFolder);

    // The model stored under exactly this path. An unknown path gets an empty model (nothing to draw, nothing
    // to collide with), which is stored under it and returned.
    BaseModel& Get(const std::string& path);

    bool Contains(const std::string& path) const { return m_models.contains(path); }
    std::size_t Size() const { return m_models.size(); }
    void Clear() { m_models.clear(); }

private:
    std::unordered_map<std::string, std::unique_ptr<BaseModel>> m_models;
    std::unique_ptr<BaseModel> m_prototype;  // makes the empty models of Get
};
