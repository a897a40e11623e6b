// Any bytes as kelvo.res, the intro's resource image: it is refused, or its
// palette and all 43 pictures are there and draw as the intro draws them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/headless/headless_backend.h"
#include "screens/logo_image.h"
#include "video/vdp.h"

using namespace vantor;

// The logo is looked for in the current folder first: a folder of its own.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string dir = (std::filesystem::temp_directory_path() / "vantor-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
    std::filesystem::current_path(dir);
    platform::headless::installFresh();
    if (!vdp.init(true)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen("kelvo.res", "wb");
    if (!file || std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    logoImage = LogoImage{};
    bool usable = logoImage.load();
    if (usable != (logoImage.pictures != nullptr) || usable != (logoImage.palette != nullptr)) std::abort();
    if (!usable) return 0;
    vdp.setPalette(logoImage.palette);
    for (int i = 0; i < LogoImage::kPictures; ++i) vdp.drawFillRunImage(0, 0, logoImage.pictures[i]);
    return 0;
}
