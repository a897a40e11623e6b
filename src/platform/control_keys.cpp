#include "platform/control_keys.h"

#include "platform/input.h"

namespace vantor::platform {

std::vector<Msg> controlKeyMessages(uint8_t code) {
    switch (code) {
    case DIK_RETURN:
    case DIK_NUMPADENTER: return {{Message::KeyDown, kVkReturn}, {Message::Char, 13}};
    case DIK_BACK: return {{Message::Char, 8}};
    case DIK_TAB: return {{Message::Char, 9}};
    case DIK_ESCAPE: return {{Message::Char, 27}};
    default: return {};
    }
}

bool isFullScreenSwitch(uint8_t code, bool altHeld) {
    return altHeld && (code == DIK_RETURN || code == DIK_NUMPADENTER);
}

}  // namespace vantor::platform
