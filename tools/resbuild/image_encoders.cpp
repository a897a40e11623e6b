#include "image_encoders.h"

#include <algorithm>

namespace resbuild {
namespace {

void putHeader(Bytes& b, const Picture& p) {
    put16(b, p.x);
    put16(b, p.y);
    put16(b, p.w);
    put16(b, p.h);
}

// One row's runs; `runs` counts control bytes written.
struct RowWriter {
    Bytes data;
    int runs = 0;

    void skip(int n) {
        for (; n > 0; n -= 128, ++runs) data.push_back(static_cast<uint8_t>(std::min(n, 128) - 1));
    }
    void copy(const uint8_t* src, int n, int longest, uint8_t tag) {
        for (; n > 0; ++runs) {
            int part = std::min(n, longest);
            data.push_back(static_cast<uint8_t>(tag | (part - 1)));
            data.insert(data.end(), src, src + part);
            src += part;
            n -= part;
        }
    }
    void fill(uint8_t value, int n) {
        for (; n > 0; n -= 64, ++runs) {
            data.push_back(static_cast<uint8_t>(0xC0 | (std::min(n, 64) - 1)));
            data.push_back(value);
        }
    }
};

// Repeats shorter than this are cheaper inside a copy run.
constexpr int kShortestFill = 3;

RowWriter encodeRow(const uint8_t* row, int width, bool fillRun, bool useFills) {
    RowWriter out;
    int longestCopy = fillRun ? 64 : 128;
    uint8_t copyTag = 0x80;
    int c = 0;
    while (c < width) {
        int start = c;
        if (row[c] == 0) {
            while (c < width && row[c] == 0) ++c;
            out.skip(c - start);
            continue;
        }
        // An opaque span: literal bytes until a long enough repeat begins.
        int literal = c;
        while (c < width && row[c] != 0) {
            int same = 1;
            while (c + same < width && row[c + same] == row[c]) ++same;
            if (useFills && same >= kShortestFill) {
                out.copy(row + literal, c - literal, longestCopy, copyTag);
                out.fill(row[c], same);
                c += same;
                literal = c;
            } else {
                c += same;
            }
        }
        out.copy(row + literal, c - literal, longestCopy, copyTag);
    }
    return out;
}

std::optional<Bytes> encodeRuns(const Picture& p, bool fillRun) {
    Bytes b;
    putHeader(b, p);
    for (int r = 0; r < p.h; ++r) {
        const uint8_t* row = p.px.data() + static_cast<size_t>(r) * p.w;
        RowWriter w = encodeRow(row, p.w, fillRun, fillRun);
        if (w.runs > 256 && fillRun) w = encodeRow(row, p.w, true, false);
        if (w.runs > 256) return std::nullopt;
        b.push_back(static_cast<uint8_t>(w.runs & 0xFF));
        b.insert(b.end(), w.data.begin(), w.data.end());
    }
    return b;
}

}  // namespace

Bytes encodePlain(const Picture& p) {
    Bytes b;
    putHeader(b, p);
    b.insert(b.end(), p.px.begin(), p.px.end());
    return b;
}

std::optional<Bytes> encodeSkipRun(const Picture& p) { return encodeRuns(p, false); }

std::optional<Bytes> encodeFillRun(const Picture& p) { return encodeRuns(p, true); }

Bytes encodePalette(const std::vector<Rgb>& entries) {
    Bytes b(768, 0);
    for (size_t i = 0; i < entries.size() && i < 256; ++i) {
        b[3 * i] = std::min<uint8_t>(entries[i].r, 63);
        b[3 * i + 1] = std::min<uint8_t>(entries[i].g, 63);
        b[3 * i + 2] = std::min<uint8_t>(entries[i].b, 63);
    }
    return b;
}

}  // namespace resbuild
