#include "screens/name_picker.h"

#include <string_view>

#include "input/input_devices.h"
#include "platform/gamepad.h"
#include "video/font_shift.h"

namespace vantor {
namespace {

constexpr uint8_t kBackspace = 8;
constexpr uint8_t kEnter = 13;

// In the game's code page: A-Z, 0-9, a space, then А-Я with Ё after Е.
constexpr std::string_view kOffered =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 "
    "\xC0\xC1\xC2\xC3\xC4\xC5\xA8\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
    "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF";
constexpr int kCount = static_cast<int>(kOffered.size());

// The game palette's text ramp moved onto its gold one: the character on
// offer stands out from those taken.
constexpr uint8_t kGoldShift = 16;

bool controllerLeads() { return inputDevices.inUse == InputKind::Controller; }

}  // namespace

void NamePicker::begin() { inputDevices.padTypesEnter(false); }

void NamePicker::end() { inputDevices.padTypesEnter(true); }

void NamePicker::steer() {
    if (!controllerLeads()) return;
    index_ = (index_ + inputDevices.keyStep(DIK_UP, DIK_DOWN) + kCount) % kCount;
    if (inputDevices.padPressed(platform::PadA)) inputDevices.putChar(static_cast<uint8_t>(kOffered[index_]));
    if (inputDevices.padPressed(platform::PadB)) inputDevices.putChar(kBackspace);
    if (inputDevices.padPressed(platform::PadStart)) inputDevices.putChar(kEnter);
}

void NamePicker::draw(int x, int y) const {
    if (!controllerLeads()) return;
    FontShift gold(kGoldShift);
    DrawnArea area;
    vdp.drawChar(x, y, static_cast<uint8_t>(kOffered[index_]), AlignLeft, area);
}

}  // namespace vantor
