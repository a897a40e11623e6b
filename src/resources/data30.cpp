#include "resources/data30.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "common/little_endian.h"
#include "common/utf8_file.h"
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

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Palette: return "palette";
    case Kind::ScreenCopy: return "screen picture";
    case Kind::Strings: return "text";
    case Kind::Sound:
    case Kind::Any: return "data";
    default: return "picture";
    }
}

// The first thing found wrong with the image, in words a player can pass on.
struct Findings {
    std::string first;
    bool ok() const { return first.empty(); }
    void note(int slot, const std::string& what) {
        if (first.empty()) first = "slot " + std::to_string(slot) + ": " + what;
    }
};

// Relocates a table and checks that it has at least minCount entries of the kind.
Table table(ResourceImage& image, int slot, Kind kind, int minCount, Findings& found) {
    int count = 0;
    Table entries = image.RelocateTable(slot, count);
    if (!entries) {
        found.note(slot, "the table lies outside the file");
        return nullptr;
    }
    if (count < minCount) {
        found.note(slot, std::to_string(count) + " entries, fewer than the " + std::to_string(minCount) +
                             " the game reads");
        return nullptr;
    }
    for (int i = 0; i < minCount; ++i)
        if (!itemFits(image, entries[i], kind)) {
            found.note(slot, "entry " + std::to_string(i) + " is a damaged " + kindName(kind));
            return nullptr;
        }
    return entries;
}

const uint8_t* single(const ResourceImage& image, int slot, Kind kind, Findings& found) {
    const uint8_t* item = image.slot(slot);
    if (!item)
        found.note(slot, "points outside the file");
    else if (!itemFits(image, item, kind))
        found.note(slot, std::string("a damaged ") + kindName(kind));
    return item;
}

// Regions 0..13 are played: their boundaries must not run backwards.
void checkSoundRegions(Table regions, Findings& found) {
    for (int k = 0; regions && k < 14; ++k)
        if (regions[k + 1] < regions[k]) {
            found.note(22, "sound region " + std::to_string(k) + " ends before it starts");
            return;
        }
}

Findings collect(ResourceImage& image, GameResources& out) {
    Findings found;
    if (image.slotCount() < 36) {
        found.first = std::to_string(image.slotCount()) + " slots, fewer than the 36 the game reads";
        return found;
    }
    out.gamePalette = single(image, 0, Kind::Palette, found);
    for (int c = 0; c < 5; ++c) out.pieces[c] = table(image, 1 + c, Kind::Plain, 13, found);
    for (int s = 6; s <= 10; ++s) table(image, s, Kind::Any, 0, found);
    out.carrier = single(image, 11, Kind::Plain, found);
    out.background = single(image, 12, Kind::ScreenCopy, found);
    out.menuButtonAnimation = table(image, 13, Kind::SkipRun, 7, found);
    for (int b = 0; b < 4; ++b) out.menuButtons[b] = table(image, 14 + b, Kind::FillRun, 12, found);
    out.soundIndicator = table(image, 18, Kind::Plain, 2, found);
    out.pointer = single(image, 19, Kind::Plain, found);
    out.digits = table(image, 20, Kind::Plain, 10, found);
    out.font = table(image, 21, Kind::Plain, 256, found);
    out.soundRegions = table(image, 22, Kind::Sound, 15, found);
    out.scoreMarker = table(image, 25, Kind::Plain, 12, found);
    out.gameOver = single(image, 26, Kind::Plain, found);
    out.speedGauge = table(image, 27, Kind::Plain, 2, found);
    out.menuSlide = table(image, 28, Kind::FillRun, 50, found);
    out.menuBackdrop = single(image, 29, Kind::FillRun, found);
    out.curtain = table(image, 30, Kind::FillRun, 12, found);
    out.messages = table(image, 31, Kind::Strings, 23, found);
    out.scoreFlash = table(image, 32, Kind::FillRun, 8, found);
    out.ambient = table(image, 33, Kind::FillRun, 30, found);
    out.title = single(image, 34, Kind::FillRun, found);
    out.titlePalette = single(image, 35, Kind::Palette, found);
    checkSoundRegions(out.soundRegions, found);
    return found;
}

// The file and what was wrong with it; a file found nowhere names the
// folders it was looked for in.
std::string describeProblem(const std::string& path, const std::string& why) {
    std::error_code ignored;
    if (why != "missing") return utf8Text(std::filesystem::absolute(utf8Path(path), ignored)) + ": " + why;
    std::vector<std::string> folders = dataFileFolders();
    std::string text = path + ": missing from ";
    for (size_t i = 0; i < folders.size(); ++i)
        text += (i == 0 ? "" : i + 1 == folders.size() ? " and " : ", ") + folders[i];
    return text;
}

}  // namespace

bool setUpData30(std::unique_ptr<ResourceImage> image, std::string* problem) {
    if (!image) return false;
    GameResources loaded;
    Findings found = collect(*image, loaded);
    if (!found.ok()) {
        if (problem) *problem = found.first;
        return false;
    }
    loaded.image = std::move(image);
    res = std::move(loaded);
    vdp.selectFont(makeFont(res.font, 0, &Vdp::drawImageShifted, 1));
    registerAmbientAnimation(res.ambient, 30);
    waveSizes = WaveSizes{10, 4, 3};
    return true;
}

bool loadData30(std::string* problem) {
    std::string path = findDataFile("DATA30.RES");
    std::string why;
    if (setUpData30(LoadResourceImage(path, &why), &why)) return true;
    if (problem) *problem = describeProblem(path, why);
    return false;
}

void releaseData30() { res = GameResources{}; }

}  // namespace vantor
