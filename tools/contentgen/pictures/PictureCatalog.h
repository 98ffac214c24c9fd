// Every picture the game loads from "../Ombrin/2DTextures/", by its path under that folder, with the
// function that draws it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "pictures/Image.h"

struct PictureEntry {
    std::string path;  // "GUI/cursor.png"
    std::function<Image()> build;
};
using PictureList = std::vector<PictureEntry>;

// dataFolder holds the levels already written (the minimap is drawn from the default level).
PictureList PictureCatalog(const std::filesystem::path& dataFolder);

// The groups, one file each.
void AddMenuPictures(PictureList& list);
void AddLobbyPictures(PictureList& list);
void AddHudPictures(PictureList& list, const std::filesystem::path& dataFolder);
void AddIconPictures(PictureList& list);
void AddParticlePictures(PictureList& list);
