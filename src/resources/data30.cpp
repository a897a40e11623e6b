#include "resources/data30.h"

#include <cstring>

#include "common/little_endian.h"
#include "game/wave_sizes.h"
#include "resources/data_file.h"
#include "resources/picture_checks.h"
#include "screens/ambient_animation.h"
#include "video/font.h"
#include "video/vdp.h"

namespace vantor {
namespace {

enum class Kind { Palette, ScreenCopy, Plain, SkipRun, FillRun, Strings, Sound, Any };

constexpr int kPaletteBytes = 768;
constexpr int kScreenBytes = 640 * 480;

bool itemFits(const ResourceImage& image, const uint8_t* item, Kind kind) {
    size_t avail = image.bytesFrom(item);
    switch (kind) {
    case Kind::Palette: return avail >= kPaletteBytes;
    case Kind::ScreenCopy: return avail >= kScreenBytes;
    case Kind::Plain: return plainImageFits(item, avail);
    case Kind::SkipRun: return runImageFits(item, avail, false);
    case Kind::FillRun: return runImageFits(item, avail, true);
    case Kind::Strings: return avail > 0 && std::memchr(item, 0, avail) != nullptr;
    case Kind::Sound:
    case Kind::Any: return true;
    }
    return false;
}

// Relocates a table and checks that it has at least minCount entries of the kind.
Table table(ResourceImage& image, int slot, Kind kind, int minCount, bool& ok) {
    int count = 0;
    Table entries = image.RelocateTable(slot, count);
    if (!entries || count < minCount) {
        ok = false;
        return nullptr;
    }
    for (int i = 0; i < minCount; ++i)
        if (!itemFits(image, entries[i], kind)) ok = false;
    return ok ? entries : nullptr;
}

const uint8_t* single(const ResourceImage& image, int slot, Kind kind, bool& ok) {
    const uint8_t* item = image.slot(slot);
    if (!item || !itemFits(image, item, kind)) ok = false;
    return item;
}

// Regions 0..13 are played: their boundaries must not run backwards.
bool soundRegionsInOrder(Table regions) {
    for (int k = 0; k < 14; ++k)
        if (regions[k + 1] < regions[k]) return false;
    return true;
}

bool collect(ResourceImage& image, GameResources& out) {
    bool ok = image.slotCount() >= 36;
    if (!ok) return false;
    out.gamePalette = single(image, 0, Kind::Palette, ok);
    for (int c = 0; c < 5; ++c) out.pieces[c] = table(image, 1 + c, Kind::Plain, 13, ok);
    for (int s = 6; s <= 10; ++s) table(image, s, Kind::Any, 0, ok);
    out.carrier = single(image, 11, Kind::Plain, ok);
    out.background = single(image, 12, Kind::ScreenCopy, ok);
    out.menuButtonAnimation = table(image, 13, Kind::SkipRun, 7, ok);
    for (int b = 0; b < 4; ++b) out.menuButtons[b] = table(image, 14 + b, Kind::FillRun, 12, ok);
    out.soundIndicator = table(image, 18, Kind::Plain, 2, ok);
    out.pointer = single(image, 19, Kind::Plain, ok);
    out.digits = table(image, 20, Kind::Plain, 10, ok);
    out.font = table(image, 21, Kind::Plain, 256, ok);
    out.soundRegions = table(image, 22, Kind::Sound, 15, ok);
    out.scoreMarker = table(image, 25, Kind::Plain, 12, ok);
    out.gameOver = single(image, 26, Kind::Plain, ok);
    out.speedGauge = table(image, 27, Kind::Plain, 2, ok);
    out.menuSlide = table(image, 28, Kind::FillRun, 50, ok);
    out.menuBackdrop = single(image, 29, Kind::FillRun, ok);
    out.curtain = table(image, 30, Kind::FillRun, 12, ok);
    out.messages = table(image, 31, Kind::Strings, 8, ok);
    out.scoreFlash = table(image, 32, Kind::FillRun, 8, ok);
    out.ambient = table(image, 33, Kind::FillRun, 30, ok);
    out.title = single(image, 34, Kind::FillRun, ok);
    out.titlePalette = single(image, 35, Kind::Palette, ok);
    return ok && soundRegionsInOrder(out.soundRegions);
}

}  // namespace

bool setUpData30(std::unique_ptr<ResourceImage> image) {
    if (!image) return false;
    GameResources loaded;
    if (!collect(*image, loaded)) return false;
    loaded.image = std::move(image);
    res = std::move(loaded);
    vdp.selectFont(makeFont(res.font, 0, &Vdp::drawImageShifted, 1));
    registerAmbientAnimation(res.ambient, 30);
    waveSizes = WaveSizes{10, 4, 3};
    return true;
}

bool loadData30() { return setUpData30(LoadResourceImage(findDataFile("DATA30.RES"))); }

void releaseData30() { res = GameResources{}; }

}  // namespace vantor
