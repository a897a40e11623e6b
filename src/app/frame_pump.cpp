#include "app/frame_pump.h"

#include "audio/cd_audio.h"
#include "input/input_devices.h"
#include "platform/platform.h"
#include "screens/saved_game.h"

namespace vantor {

using platform::Message;

namespace {

// What the system does with the messages the game leaves to it.
int defaultHandling(const platform::Msg& message) {
    bool closing = message.message == Message::Close ||
                   (message.message == Message::SysCommand && message.wParam == platform::kScClose);
    if (closing) platform::system().destroyWindow();
    return 0;
}

void dispatch(const platform::Msg& message) { WindowProc(message); }

}  // namespace

int WindowProc(const platform::Msg& message) {
    switch (message.message) {
    case Message::Create: pump.quitRequested = false; return 0;
    case Message::Destroy: platform::system().postQuit(0); return 0;
    case Message::Paint: return 0;
    case Message::ActivateApp:
        pump.appActive = message.wParam;
        pump.lastFrameTick = platform::system().ticks();
        return 0;
    case Message::SetCursor: return 1;
    case Message::KeyDown:
        if (message.wParam == platform::kVkReturn) platform::system().setSystemCursorPos(0, 0);
        return 0;
    case Message::Char: inputDevices.putChar(static_cast<uint8_t>(message.wParam)); return 0;
    case Message::SysCommand:
        if (message.wParam == platform::kScClose) pump.quitRequested = true;
        return defaultHandling(message);
    default: return defaultHandling(message);
    }
}

void dispatchSentMessages() {
    platform::System& sys = platform::system();
    while (sys.peekMessage()) {
        platform::Msg message = sys.getMessage();
        if (message.message == Message::Quit) {
            sys.postQuit(message.wParam);  // left for the pump, which ends on it
            return;
        }
        WindowProc(message);
    }
}

int PumpFrame(uint32_t delayMs) {
    platform::System& sys = platform::system();
    if (pump.quitRequested) return 0;
    for (;;) {
        if (pump.appActive != 0) {
            uint32_t now = 0;
            for (;;) {
                if (sys.peekMessage()) {
                    pump.lastMessage = sys.getMessage();
                    if (pump.lastMessage.message == Message::Quit) {
                        pump.quitRequested = true;
                        return 0;
                    }
                    dispatch(pump.lastMessage);
                }
                now = sys.ticks();
                uint32_t elapsed = now - pump.lastFrameTick;
                if (elapsed >= delayMs) break;
                if (!sys.peekMessage()) sys.idle(delayMs - elapsed);
            }
            pump.lastFrameTick = now;
            sys.frameDone();
            if (pump.appActive != 0) return 1;
        } else {
            // A program in the background may never be brought back.
            savedGame.keepLatest();
            cdAudio.stop();
            pump.lastMessage = sys.getMessage();
            if (pump.lastMessage.message == Message::Quit) {
                pump.quitRequested = true;
                return 0;
            }
            dispatch(pump.lastMessage);
        }
        if (pump.quitRequested) return 0;
    }
}

}  // namespace vantor
