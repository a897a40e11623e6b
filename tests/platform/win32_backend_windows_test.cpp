// The win32 backend with a real window (under wine it needs an X display):
// window messages become the game's, keys and buttons read as the game
// expects, and the palette's colours reach the screen.
#include "platform/win32/win32_backend.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor {
namespace {

using platform::Message;
using platform::Msg;
namespace win32 = platform::win32;

constexpr LPARAM kExtended = 1 << 24;

LPARAM keyParam(int scan, LPARAM flags = 0) { return 1 | (LPARAM(scan) << 16) | flags; }

class Win32BackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(backend.system().createWindow("TIDEWELL"));
        window = backend.context().window;
        ASSERT_TRUE(backend.display().open(false));
    }
    std::vector<Msg> messages() {
        std::vector<Msg> taken;
        while (backend.system().peekMessage()) taken.push_back(backend.system().getMessage());
        return taken;
    }
    void send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageW(window, message, wParam, lParam); }
    uint8_t key(uint8_t code) {
        uint8_t keys[256] = {};
        EXPECT_EQ(backend.input().keyboardState(keys), platform::DeviceResult::Ok);
        return keys[code];
    }

    win32::Win32Backend backend;
    HWND window = nullptr;
};

TEST_F(Win32BackendTest, WindowMessagesBecomeTheGamesOwn) {
    wchar_t text[32] = {};
    GetClassNameW(window, text, 32);
    EXPECT_STREQ(text, L"VESK_MORANT");
    GetWindowTextW(window, text, 32);
    EXPECT_STREQ(text, L"TIDEWELL");
    messages();
    send(WM_CHAR, L'Ж', 0);
    send(WM_CHAR, 0x263A, 0);  // not in the game's code page: dropped
    send(WM_KEYDOWN, VK_RETURN, keyParam(0x1C));
    send(WM_SYSCOMMAND, SC_CLOSE, 0);
    send(WM_CLOSE, 0, 0);
    std::vector<Msg> got = messages();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_TRUE(got[0].message == Message::Char && got[0].wParam == 0xC6);
    EXPECT_TRUE(got[1].message == Message::KeyDown && got[1].wParam == platform::kVkReturn);
    EXPECT_TRUE(got[2].message == Message::SysCommand && got[2].wParam == platform::kScClose);
    EXPECT_EQ(got[3].message, Message::Close);
    EXPECT_TRUE(IsWindow(window));  // closing is the game's decision
    backend.system().destroyWindow();
    got = messages();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back().message, Message::Destroy);
}

TEST_F(Win32BackendTest, KeysByScanCodeButtonsByPlaceAndTapsWithinAFrameReadOnce) {
    send(WM_ACTIVATEAPP, FALSE, 0);
    uint8_t keys[256];
    EXPECT_EQ(backend.input().keyboardState(keys), platform::DeviceResult::NotAcquired);
    send(WM_ACTIVATEAPP, TRUE, 0);
    send(WM_KEYDOWN, VK_RIGHT, keyParam(0x4D, kExtended));
    send(WM_KEYDOWN, VK_ADD, keyParam(0x4E));
    EXPECT_EQ(key(platform::DIK_RIGHT), 0x80);
    EXPECT_EQ(key(platform::DIK_ADD), 0x80);
    send(WM_KEYUP, VK_RIGHT, keyParam(0x4D, kExtended));
    EXPECT_EQ(key(platform::DIK_RIGHT), 0);
    send(WM_KEYDOWN, VK_ESCAPE, keyParam(0x01));
    send(WM_KEYUP, VK_ESCAPE, keyParam(0x01));
    EXPECT_EQ(key(platform::DIK_ESCAPE), 0x80);
    EXPECT_EQ(key(platform::DIK_ESCAPE), 0);

    send(WM_MOUSEMOVE, 0, MAKELPARAM(100, 200));
    send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(120, 210));
    send(WM_RBUTTONUP, 0, MAKELPARAM(120, 210));
    platform::MouseReading reading;
    ASSERT_EQ(backend.input().mouseState(reading), platform::DeviceResult::Ok);
    EXPECT_TRUE(reading.absolute);
    EXPECT_EQ(reading.x, 120);
    EXPECT_EQ(reading.y, 210);
    EXPECT_EQ(reading.buttons[1], 0x80);
    backend.input().mouseState(reading);
    EXPECT_EQ(reading.buttons[1], 0);
}

TEST_F(Win32BackendTest, PresentShowsThePaletteColoursAndAltEnterSwitchesToFullScreen) {
    uint8_t rgb[768] = {};
    rgb[7 * 3] = 16;
    rgb[7 * 3 + 1] = 200;
    rgb[7 * 3 + 2] = 48;
    backend.display().setEntries(rgb);
    uint8_t* pixels = nullptr;
    ASSERT_EQ(backend.display().lock(pixels), platform::SurfaceResult::Ok);
    std::fill(pixels, pixels + 640 * 480, 7);
    backend.display().unlock();
    HDC screen = GetDC(window);
    EXPECT_EQ(GetPixel(screen, 320, 240), RGB(16, 200, 48));
    ReleaseDC(window, screen);

    send(WM_SYSKEYDOWN, VK_RETURN, keyParam(0x1C, 1 << 29));
    EXPECT_TRUE(backend.display().fullScreen());
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN));
    send(WM_SYSKEYDOWN, VK_RETURN, keyParam(0x1C, 1 << 29));
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
}

// Resized or maximised, the window fills with the picture (the largest 4:3
// part, centred on black) and the pointer follows it.
TEST_F(Win32BackendTest, AResizedOrMaximisedWindowFillsAndThePointerFollowsThePicture) {
    uint8_t rgb[768] = {};
    rgb[7 * 3] = 200;
    backend.display().setEntries(rgb);
    uint8_t* pixels = nullptr;
    ASSERT_EQ(backend.display().lock(pixels), platform::SurfaceResult::Ok);
    std::fill(pixels, pixels + 640 * 480, 7);
    send(WM_ACTIVATEAPP, TRUE, 0);
    for (bool maximised : {false, true}) {
        if (maximised) {
            ShowWindow(window, SW_MAXIMIZE);
        } else {
            RECT frame{0, 0, 1000, 600};
            AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
            SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER);
        }
        backend.display().unlock();
        RECT client{};
        GetClientRect(window, &client);
        platform::PictureRect want = platform::fitPicture(client.right, client.bottom, platform::Scaling::Fill);
        EXPECT_TRUE(backend.context().viewport == want) << client.right << "x" << client.bottom;
        EXPECT_GT(want.w, 640) << client.right << "x" << client.bottom;
        HDC screen = GetDC(window);
        EXPECT_EQ(GetPixel(screen, want.x + 2, want.y + 2), RGB(200, 0, 0));
        EXPECT_EQ(GetPixel(screen, want.x + want.w - 2, want.y + want.h - 2), RGB(200, 0, 0));
        if (want.x > 0) {
            EXPECT_EQ(GetPixel(screen, want.x - 1, want.y + 2), RGB(0, 0, 0));
        }
        ReleaseDC(window, screen);
        // The client pixel over the centre of picture pixel (417, 229), once the
        // moves the window's own motion made under the pointer are taken.
        platform::MouseReading reading;
        backend.input().mouseState(reading);
        int x = want.x + int((417 + 0.5) * want.w / 640), y = want.y + int((229 + 0.5) * want.h / 480);
        send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        ASSERT_EQ(backend.input().mouseState(reading), platform::DeviceResult::Ok);
        EXPECT_EQ(reading.x, 417);
        EXPECT_EQ(reading.y, 229);
    }
}

}  // namespace
}  // namespace vantor
