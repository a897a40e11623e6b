#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "resources/resource_image.h"

namespace vantor {

// An array of entry pointers of a relocated table.
using Table = const uint8_t* const*;

// Where every part of the game finds its pictures, palettes, sounds and texts
// in the loaded DATA30.RES.
struct GameResources {
    std::unique_ptr<ResourceImage> image;
    const uint8_t* gamePalette = nullptr;      // 0: 768 bytes
    Table pieces[5] = {};                       // 1..5: 13 plain images per colour
    const uint8_t* carrier = nullptr;           // 11: plain image
    const uint8_t* background = nullptr;        // 12: 640 x 480 screen copy
    Table menuButtonAnimation = nullptr;        // 13: 7 skip-run images
    Table menuButtons[4] = {};                  // 14..17: 12 fill-run images each
    Table soundIndicator = nullptr;             // 18: 2 plain images
    const uint8_t* pointer = nullptr;           // 19: plain image
    Table digits = nullptr;                     // 20: 10 plain images
    Table font = nullptr;                       // 21: 256 plain images
    Table soundRegions = nullptr;               // 22: at least 15 boundaries
    Table scoreMarker = nullptr;                // 25: 12 plain images
    const uint8_t* gameOver = nullptr;          // 26: plain image
    Table speedGauge = nullptr;                 // 27: scale, marker (plain)
    Table menuSlide = nullptr;                  // 28: 50 fill-run images
    const uint8_t* menuBackdrop = nullptr;      // 29: fill-run image
    Table curtain = nullptr;                    // 30: 12 fill-run images
    Table messages = nullptr;                   // 31: zero-terminated strings
    Table scoreFlash = nullptr;                 // 32: 8 fill-run images
    Table ambient = nullptr;                    // 33: 30 fill-run images
    const uint8_t* title = nullptr;             // 34: fill-run image
    const uint8_t* titlePalette = nullptr;      // 35: 768 bytes
};

inline GameResources res;

// A message of slot 31 as text.
inline const char* message(int index) { return reinterpret_cast<const char*>(res.messages[index]); }

// Loads DATA30.RES, checks every slot the game uses, makes the tables usable
// and hands the font, ambient animation and wave sizes to their owners.
// False when the file is missing or damaged; problem then names the file and
// what was wrong.
bool loadData30(std::string* problem = nullptr);

// The same checks and set-up for an image already loaded (tests, fuzzer);
// problem, when given, receives what was wrong.
bool setUpData30(std::unique_ptr<ResourceImage> image, std::string* problem = nullptr);

// Frees the image; every pointer into it is dead afterwards.
void releaseData30();

}  // namespace vantor
