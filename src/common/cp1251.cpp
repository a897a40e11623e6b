#include "common/cp1251.h"

namespace vantor {
namespace {

// 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr char32_t kHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t decodeUtf8(std::string_view text, size_t& i) {
    auto lead = static_cast<uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead >= 0xF8) return 0xFFFD;
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (static_cast<uint8_t>(text[i++]) & 0x3F);
    }
    return cp;
}

char32_t cp1251ToUnicode(uint8_t byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHigh[byte - 0x80];
}

bool unicodeToCp1251(char32_t cp, uint8_t& byte) {
    if (cp < 0x80) {
        byte = static_cast<uint8_t>(cp);
        return true;
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        byte = static_cast<uint8_t>(0xC0 + (cp - 0x0410));
        return true;
    }
    for (int k = 0; k < 64; ++k) {
        if (kHigh[k] == cp && cp != 0) {
            byte = static_cast<uint8_t>(0x80 + k);
            return true;
        }
    }
    return false;
}

std::string utf8ToCp1251(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        uint8_t byte = '?';
        if (!unicodeToCp1251(decodeUtf8(utf8, i), byte)) byte = '?';
        out += static_cast<char>(byte);
    }
    return out;
}

std::string cp1251ToUtf8(std::string_view text) {
    std::string out;
    for (char c : text) {
        char32_t cp = cp1251ToUnicode(static_cast<uint8_t>(c));
        appendUtf8(out, cp == 0 && c != 0 ? U'?' : cp);
    }
    return out;
}

}  // namespace vantor
