#include "pictures/PictureCatalog.h"

PictureList PictureCatalog(const std::filesystem::path& dataFolder) {
    PictureList list;
    AddMenuPictures(list);
    AddHudPictures(list, dataFolder);
    AddIconPictures(list);
    AddParticlePictures(list);
    return list;
}
