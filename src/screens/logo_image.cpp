#include "screens/logo_image.h"

#include "resources/data_file.h"
#include "resources/picture_checks.h"

namespace vantor {
namespace {

constexpr size_t kPaletteBytes = 768;

Table checkedPictures(ResourceImage& image) {
    int count = 0;
    Table pictures = image.RelocateTable(1, count);
    if (!pictures || count < LogoImage::kPictures) return nullptr;
    for (int i = 0; i < LogoImage::kPictures; ++i)
        if (!runImageFits(pictures[i], image.bytesFrom(pictures[i]), true)) return nullptr;
    return pictures;
}

}  // namespace

bool LogoImage::load() {
    if (attempted) return pictures != nullptr;
    attempted = true;
    image = LoadResourceImage(findDataFile("kelvo.res"));
    if (image && image->slotCount() >= 2) {
        palette = image->slot(0);
        if (palette && image->bytesFrom(palette) >= kPaletteBytes) pictures = checkedPictures(*image);
    }
    if (!pictures) {
        image.reset();
        palette = nullptr;
    }
    return pictures != nullptr;
}

}  // namespace vantor
