#pragma once
// Files for the fuzz targets: each input is written where the game reads it,
// in a folder of the target's own.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor::fuzz {

// A new empty folder under the system's temporary one, ending in '/'.
inline std::string freshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
}

// The headless machine with the game's resources (run in the build folder,
// beside DATA30.RES), and a fresh folder as the installation folder, where
// HIGH30 and GAME30 go. Returns that folder.
inline std::string gameWithFreshHome() {
    platform::headless::installFresh();
    if (!vdp.init(true) || !loadData30()) {
        std::fprintf(stderr, "run this in the build folder, beside DATA30.RES\n");
        std::abort();
    }
    std::string folder = freshFolder();
    setenv("VANTOR_HOME", folder.c_str(), 1);
    return folder;
}

inline void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

// The file's bytes; none when it is missing.
inline std::vector<uint8_t> readFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
    return bytes;
}

}  // namespace vantor::fuzz
