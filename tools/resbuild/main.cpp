// Makes DATA30.RES and kelvo.res in a folder; with --sheet, a contact sheet
// of every picture and sound instead; with --icon FILE, the page's icon.
#include <cstdio>
#include <cstring>
#include <string>

#include "contact_sheet.h"
#include "data30_art.h"
#include "icon.h"

namespace {

bool write(const std::string& path, const resbuild::Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--icon") == 0) {
        bool ok = resbuild::writeIcon(resbuild::makeData30Art(), argv[2]);
        if (!ok) std::fprintf(stderr, "resbuild: cannot write %s\n", argv[2]);
        return ok ? 0 : 1;
    }
    bool sheet = argc > 1 && std::strcmp(argv[1], "--sheet") == 0;
    std::string dir = argc > 1 + int(sheet) ? argv[1 + int(sheet)] : ".";
    resbuild::Data30Art art = resbuild::makeData30Art();
    resbuild::LogoArt logo = resbuild::makeLogoArt();
    bool ok = sheet ? resbuild::writeContactSheet(art, logo, dir)
                    : write(dir + "/DATA30.RES", resbuild::encodeData30(art)) &&
                          write(dir + "/kelvo.res", resbuild::encodeLogo(logo));
    if (!ok) std::fprintf(stderr, "resbuild: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
