#pragma once
#include <array>
#include <string>
#include <vector>

#include "bytes.h"
#include "image_encoders.h"
#include "picture.h"

namespace resbuild {

// Everything DATA30.RES holds, before encoding.
struct Data30Art {
    std::vector<Rgb> palette;
    std::array<std::vector<Picture>, 5> pieces;
    Picture carrier;
    Picture background;
    std::vector<Picture> menuButtonAnimation;
    std::array<std::vector<Picture>, 4> menuButtons;
    std::vector<Picture> soundIndicator;
    Picture pointer;
    std::vector<Picture> digits;
    std::vector<Picture> font;
    std::vector<std::vector<uint8_t>> sounds;
    std::vector<Picture> scoreMarker;
    Picture gameOver;
    std::vector<Picture> speedGauge;
    std::vector<Picture> menuSlide;
    Picture menuBackdrop;
    std::vector<Picture> curtain;
    std::vector<std::string> messages;
    std::vector<Picture> scoreFlash;
    std::vector<Picture> ambient;
    Picture title;
    std::vector<Rgb> titlePalette;
};

Data30Art makeData30Art();
Bytes encodeData30(const Data30Art& art);

// kelvo.res: the maker's logo.
struct LogoArt {
    std::vector<Rgb> palette;
    std::vector<Picture> pictures;
};

LogoArt makeLogoArt();
Bytes encodeLogo(const LogoArt& art);

}  // namespace resbuild
