#include "pictures/PictureCatalog.h"

PictureList PictureCatalog(const std::filesystem::path& dataFolder) {
    PictureList list;
    AddMenuPictures(list);
    AddLobbyPictures(list);
    AddHudPictures(list, dataFolder);
    AddIconPictures(list);
    AddParticlePictures(list);
    return list;
}
