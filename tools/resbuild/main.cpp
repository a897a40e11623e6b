// Placeholder: writes a structurally complete DATA30.RES and kelvo.res with
// plain shapes, until the real art arrives.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(uint32_t(v) >> (8 * i)));
}
void put16(Bytes& b, int v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

Bytes plain(int w, int h, uint8_t colour, int xo = 0, int yo = 0) {
    Bytes b;
    put16(b, xo); put16(b, yo); put16(b, w); put16(b, h);
    b.insert(b.end(), static_cast<size_t>(w * h), colour);
    return b;
}

Bytes fillRun(int x, int y, int w, int h, uint8_t colour) {
    Bytes b;
    put16(b, x); put16(b, y); put16(b, w); put16(b, h);
    for (int r = 0; r < h; ++r) {
        int runs = (w + 63) / 64;
        b.push_back(static_cast<uint8_t>(runs));
        for (int left = w; left > 0; left -= 64) {
            int n = left < 64 ? left : 64;
            b.push_back(static_cast<uint8_t>(0xC0 | (n - 1)));
            b.push_back(colour);
        }
    }
    return b;
}

Bytes skipRun(int x, int y, int w, int h) {
    Bytes b;
    put16(b, x); put16(b, y); put16(b, w); put16(b, h);
    for (int r = 0; r < h; ++r) {
        int runs = (w + 127) / 128;
        b.push_back(static_cast<uint8_t>(runs));
        for (int left = w; left > 0; left -= 128) b.push_back(static_cast<uint8_t>((left < 128 ? left : 128) - 1));
    }
    return b;
}

Bytes table(const std::vector<Bytes>& items) {
    Bytes b;
    put32(b, static_cast<int32_t>(items.size()));
    int32_t at = static_cast<int32_t>(4 * items.size());
    for (const auto& item : items) {
        put32(b, at);
        at += static_cast<int32_t>(item.size());
    }
    for (const auto& item : items) b.insert(b.end(), item.begin(), item.end());
    return b;
}

Bytes palette() {
    Bytes b;
    for (int i = 0; i < 256; ++i) {
        b.push_back(static_cast<uint8_t>((i * 7) & 63));
        b.push_back(static_cast<uint8_t>((i * 3) & 63));
        b.push_back(static_cast<uint8_t>(i & 63));
    }
    return b;
}

Bytes container(const std::vector<Bytes>& slots) {
    Bytes image;
    int32_t at = static_cast<int32_t>(4 * slots.size());
    for (const auto& s : slots) {
        put32(image, at);
        at += static_cast<int32_t>(s.size());
    }
    for (const auto& s : slots) image.insert(image.end(), s.begin(), s.end());
    Bytes file;
    put32(file, static_cast<int32_t>(slots.size()));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

std::vector<Bytes> repeat(int n, const Bytes& item) { return std::vector<Bytes>(static_cast<size_t>(n), item); }

bool write(const std::string& path, const Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : ".";
    std::vector<Bytes> slots(36);
    slots[0] = palette();
    for (int c = 0; c < 10; ++c) slots[1 + c] = table(repeat(13, plain(26, 26, uint8_t(40 + c), -13, -13)));
    slots[11] = plain(30, 30, 200, -15, -15);
    slots[12] = Bytes(640 * 480, 3);
    slots[13] = table(repeat(7, skipRun(10, 39, 124, 93)));
    for (int b = 0; b < 4; ++b) slots[14 + b] = table(repeat(12, fillRun(244, 47 + 100 * b, 147, 77, uint8_t(60 + b))));
    slots[18] = table(repeat(2, plain(20, 20, 90)));
    slots[19] = plain(8, 8, 255);
    slots[20] = table(repeat(10, plain(10, 16, 250)));
    slots[21] = table(repeat(256, plain(8, 14, 250)));
    Bytes sounds;
    put32(sounds, 15);
    for (int k = 0; k < 15; ++k) put32(sounds, 60 + k * 100);
    sounds.insert(sounds.end(), 1500, 128);
    slots[22] = sounds;
    slots[23] = Bytes(4, 0);
    slots[24] = Bytes(4, 0);
    slots[25] = table(repeat(12, plain(16, 16, 120, 0, -8)));
    slots[26] = plain(200, 60, 130, -100, -30);
    slots[27] = table(repeat(2, plain(40, 10, 140)));
    slots[28] = table(repeat(50, fillRun(200, 20, 240, 440, 70)));
    slots[29] = fillRun(200, 20, 240, 440, 71);
    slots[30] = table(repeat(12, fillRun(0, 0, 640, 480, 80)));
    Bytes texts;
    std::vector<Bytes> strings;
    for (const char* s : {"PLAYER", "", "SCORE TABLE IN USE", "PLEASE WAIT", "", "", "", "NO SCORES YET"})
        strings.emplace_back(s, s + std::string(s).size() + 1);
    slots[31] = table(strings);
    slots[32] = table(repeat(8, fillRun(480, 60, 64, 30, 150)));
    slots[33] = table(repeat(30, fillRun(560, 400, 40, 40, 160)));
    slots[34] = fillRun(0, 0, 640, 480, 170);
    slots[35] = palette();
    std::vector<Bytes> logo(2);
    logo[0] = palette();
    logo[1] = table(repeat(43, fillRun(0, 0, 640, 480, 20)));
    bool ok = write(dir + "/DATA30.RES", container(slots)) && write(dir + "/kelvo.res", container(logo));
    if (!ok) std::fprintf(stderr, "resbuild: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
