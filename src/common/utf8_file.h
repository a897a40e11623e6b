#pragma once
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vantor {

// File names are UTF-8 throughout the game. The standard library reads a
// narrow string in the ANSI code page on Windows, which cannot name every
// folder, so names cross to it through these.
inline std::filesystem::path utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8Text(const std::filesystem::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Makes the file hold exactly these bytes; false when any of it failed.
inline bool writeWholeFile(const std::string& path, const void* bytes, size_t size) {
    std::ofstream out(utf8Path(path), std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    out.close();
    return !out.fail();
}

}  // namespace vantor
