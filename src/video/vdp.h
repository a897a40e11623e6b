#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "video/drawn_area.h"
#include "video/font.h"

namespace vantor {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kScreenCopyBytes = kScreenWidth * kScreenHeight;

// One display palette entry: 8-bit components and how the system may share it.
struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
};
constexpr uint8_t PC_EXPLICIT = 2;
constexpr uint8_t PC_NOCOLLAPSE = 4;

// The display device: the frame buffer every screen draws into, the palette,
// and the one copy per frame to the screen.
class Vdp {
public:
    // Takes the screen and makes an all-zero frame buffer; false when it cannot.
    bool init(bool fullScreen);
    void shutdown();
    // Loads a 768-byte palette of 6-bit components.
    void setPalette(const uint8_t* palette);
    // Copies the frame buffer to the screen.
    void present();
    void clear(uint8_t colour);
    // 640 x 480 packed rows out of and into the frame buffer.
    void saveScreen(uint8_t* dest) const;
    void restoreScreen(const uint8_t* src);

    // Pictures (x, y is the reference point; the image's offsets apply).
    DrawnArea drawImage(int x, int y, const uint8_t* image);
    DrawnArea drawImageShifted(int x, int y, const uint8_t* image, uint8_t colourOffset);
    DrawnArea drawSkipRunImage(int x, int y, const uint8_t* image);
    DrawnArea drawFillRunImage(int x, int y, const uint8_t* image);
    DrawnArea fillRect(int x, int y, int width, int height, uint8_t colour);

    // Text in the current font.
    Font selectFont(const Font& font);
    int32_t glyphWidth(uint8_t c) const;
    int32_t textWidth(const char* s) const;
    int32_t drawGlyph(int x, int y, uint8_t c, DrawnArea& area);
    int32_t drawText(int x, int y, const char* s, int32_t align, DrawnArea& area);
    int32_t drawChar(int x, int y, uint8_t c, int32_t align, DrawnArea& area);
    int32_t drawNumber(int x, int y, int32_t value, int32_t align, DrawnArea& area);

    uint8_t* frameBuffer() { return frame_.data(); }
    const uint8_t* frameBuffer() const { return frame_.data(); }
    int pitch() const { return pitch_; }
    // The entries the last setPalette loaded.
    const PaletteEntry* paletteEntries() const { return entries_; }
    // The pixel at column x, row y of the frame buffer.
    uint8_t pixel(int x, int y) const { return frame_[static_cast<size_t>(y) * pitch_ + x]; }

private:
    std::vector<uint8_t> frame_;
    int pitch_ = kScreenWidth;
    bool paletteCreated_ = false;
    PaletteEntry entries_[256] = {};
    Font font_;
};

inline Vdp vdp;

}  // namespace vantor
