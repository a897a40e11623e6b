// Makes DATA30.RES, kelvo.res and the Windows program icon vantor.ico in a
// folder; with --sheet, a contact sheet of every picture and sound instead;
// with --icons, the desktop icons (vantor-SIZE.png, vantor-maskable-SIZE.png)
// and the sdl window's (vantor-window.rgba).
#include <cstdio>
#include <string>

#include "common/png_writer.h"
#include "common/utf8_file.h"
#include "contact_sheet.h"
#include "data30_art.h"
#include "desktop_icon.h"
#include "icon_file.h"

namespace {

bool write(const std::string& path, const resbuild::Bytes& bytes) {
    return vantor::writeWholeFile(path, bytes.data(), bytes.size());
}

bool writeIcons(const resbuild::Data30Art& art, const std::string& dir) {
    bool ok = true;
    for (int size : resbuild::kIconSizes) {
        std::string path = dir + "/vantor-" + std::to_string(size) + ".png";
        ok = vantor::writeRgbaPng(path, size, size, resbuild::desktopIcon(art, size).data()) && ok;
    }
    int size = resbuild::kMaskableIconSize;
    std::string path = dir + "/vantor-maskable-" + std::to_string(size) + ".png";
    auto maskable = resbuild::desktopIcon(art, size, resbuild::IconShape::Maskable);
    ok = vantor::writeRgbaPng(path, size, size, maskable.data()) && ok;
    std::vector<uint8_t> window = resbuild::desktopIcon(art, resbuild::kWindowIconSize);
    return write(dir + "/vantor-window.rgba", window) && ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 && argv[1][0] == '-' ? argv[1] : "";
    int folderArg = mode.empty() ? 1 : 2;
    std::string dir = argc > folderArg ? argv[folderArg] : ".";
    resbuild::Data30Art art = resbuild::makeData30Art();
    if (!mode.empty() && mode != "--icons" && mode != "--sheet") {
        std::fprintf(stderr, "usage: resbuild [--sheet|--icons] [FOLDER]\n");
        return 1;
    }
    bool ok = false;
    if (mode == "--icons") {
        ok = writeIcons(art, dir);
    } else if (mode == "--sheet") {
        ok = resbuild::writeContactSheet(art, resbuild::makeLogoArt(), dir);
    } else {
        ok = write(dir + "/DATA30.RES", resbuild::encodeData30(art)) &&
             write(dir + "/kelvo.res", resbuild::encodeLogo(resbuild::makeLogoArt())) &&
             write(dir + "/vantor.ico", resbuild::encodeIcon(resbuild::makeIconImages(art)));
    }
    if (!ok) std::fprintf(stderr, "resbuild: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
