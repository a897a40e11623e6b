#include "data30_art.h"

#include <cstdio>
#include <cstdlib>

#include "board_art.h"
#include "container_writer.h"
#include "font_art.h"
#include "game_palette.h"
#include "hud_art.h"
#include "logo_art.h"
#include "menu_art.h"
#include "messages.h"
#include "screen_art.h"
#include "sounds.h"

namespace resbuild {
namespace {

Bytes mustEncode(const std::optional<Bytes>& encoded, const char* what) {
    if (!encoded) {
        std::fprintf(stderr, "resbuild: %s has a row of more than 256 runs\n", what);
        std::exit(1);
    }
    return *encoded;
}

enum class Kind { Plain, SkipRun, FillRun };

Bytes encode(const Picture& p, Kind kind, const char* what) {
    switch (kind) {
    case Kind::Plain: return encodePlain(p);
    case Kind::SkipRun: return mustEncode(encodeSkipRun(p), what);
    case Kind::FillRun: return mustEncode(encodeFillRun(p), what);
    }
    return {};
}

std::vector<Bytes> encodeAll(const std::vector<Picture>& pictures, Kind kind, const char* what) {
    std::vector<Bytes> out;
    for (const Picture& p : pictures) out.push_back(encode(p, kind, what));
    return out;
}

// The region table comes first; its entries point into the samples after it.
int32_t appendSounds(ContainerWriter& w, const std::vector<std::vector<uint8_t>>& sounds) {
    int32_t table = w.next();
    int32_t at = table + 4 + 4 * static_cast<int32_t>(sounds.size() + 1);
    std::vector<int32_t> bounds;
    Bytes samples;
    for (const auto& s : sounds) {
        bounds.push_back(at + static_cast<int32_t>(samples.size()));
        samples.insert(samples.end(), s.begin(), s.end());
    }
    bounds.push_back(at + static_cast<int32_t>(samples.size()));
    w.appendTable(bounds);
    w.append(samples);
    return table;
}

Bytes zeroTerminated(const std::string& s) {
    Bytes b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

}  // namespace

Data30Art makeData30Art() {
    Data30Art a;
    a.palette = gamePalette();
    for (int c = 0; c < 5; ++c) a.pieces[static_cast<size_t>(c)] = pieceFrames(c);
    a.carrier = carrierPicture();
    a.background = playBackground();
    a.menuButtonAnimation = menuButtonAnimation(a.background);
    for (int b = 0; b < 4; ++b) a.menuButtons[static_cast<size_t>(b)] = menuButtonFrames(b);
    a.soundIndicator = soundIndicatorPictures();
    a.pointer = pointerPicture();
    a.digits = digitPictures();
    a.font = fontGlyphs();
    a.sounds = soundEffects();
    a.scoreMarker = scoreMarkerPictures();
    a.gameOver = gameOverPicture();
    a.speedGauge = speedGaugePictures();
    a.menuBackdrop = menuBackdrop();
    a.menuSlide = menuSlide(a.menuBackdrop, a.menuButtons);
    a.curtain = curtainPictures();
    a.messages = messageList();
    a.scoreFlash = scoreFlash(a.background);
    a.ambient = ambientAnimation(a.background);
    a.title = titlePicture();
    a.titlePalette = titlePalette();
    return a;
}

Bytes encodeData30(const Data30Art& a) {
    ContainerWriter w(36);
    w.setSlot(0, w.append(encodePalette(a.palette)));
    for (int c = 0; c < 5; ++c) {
        std::vector<int32_t> frames;
        for (const Picture& p : a.pieces[static_cast<size_t>(c)]) frames.push_back(w.append(encodePlain(p)));
        w.setSlot(1 + c, w.appendTable(frames));
        w.setSlot(6 + c, w.appendTable(frames));  // a second table over the same frames
    }
    w.setSlot(11, w.append(encodePlain(a.carrier)));
    w.setSlot(12, w.append(a.background.px));
    w.setSlot(13, w.appendItemsAndTable(encodeAll(a.menuButtonAnimation, Kind::SkipRun, "menu-button animation")));
    for (int b = 0; b < 4; ++b)
        w.setSlot(14 + b, w.appendItemsAndTable(encodeAll(a.menuButtons[static_cast<size_t>(b)], Kind::FillRun, "menu button")));
    w.setSlot(18, w.appendItemsAndTable(encodeAll(a.soundIndicator, Kind::Plain, "")));
    w.setSlot(19, w.append(encodePlain(a.pointer)));
    w.setSlot(20, w.appendItemsAndTable(encodeAll(a.digits, Kind::Plain, "")));
    w.setSlot(21, w.appendItemsAndTable(encodeAll(a.font, Kind::Plain, "")));
    w.setSlot(22, appendSounds(w, a.sounds));
    w.setSlot(23, w.append(Bytes(4, 0)));
    w.setSlot(24, w.append(Bytes(4, 0)));
    w.setSlot(25, w.appendItemsAndTable(encodeAll(a.scoreMarker, Kind::Plain, "")));
    w.setSlot(26, w.append(encodePlain(a.gameOver)));
    w.setSlot(27, w.appendItemsAndTable(encodeAll(a.speedGauge, Kind::Plain, "")));
    w.setSlot(28, w.appendItemsAndTable(encodeAll(a.menuSlide, Kind::FillRun, "menu slide")));
    w.setSlot(29, w.append(encode(a.menuBackdrop, Kind::FillRun, "menu backdrop")));
    w.setSlot(30, w.appendItemsAndTable(encodeAll(a.curtain, Kind::FillRun, "curtain")));
    std::vector<Bytes> texts;
    for (const std::string& s : a.messages) texts.push_back(zeroTerminated(s));
    w.setSlot(31, w.appendItemsAndTable(texts));
    w.setSlot(32, w.appendItemsAndTable(encodeAll(a.scoreFlash, Kind::FillRun, "score flash")));
    w.setSlot(33, w.appendItemsAndTable(encodeAll(a.ambient, Kind::FillRun, "ambient animation")));
    w.setSlot(34, w.append(encode(a.title, Kind::FillRun, "title")));
    w.setSlot(35, w.append(encodePalette(a.titlePalette)));
    return w.finish();
}

LogoArt makeLogoArt() { return LogoArt{logoPalette(), logoPictures()}; }

Bytes encodeLogo(const LogoArt& a) {
    ContainerWriter w(2);
    w.setSlot(0, w.append(encodePalette(a.palette)));
    w.setSlot(1, w.appendItemsAndTable(encodeAll(a.pictures, Kind::FillRun, "logo")));
    return w.finish();
}

}  // namespace resbuild
