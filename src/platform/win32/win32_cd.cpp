#include "platform/win32/win32_cd.h"

#include <mmsystem.h>

namespace vantor::platform::win32 {

uint32_t Win32Cd::open() {
    MCI_OPEN_PARMSW open{};
    // The device type as a number, not a name.
    open.lpstrDeviceType = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(MCI_DEVTYPE_CD_AUDIO));
    if (mciSendCommandW(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID, reinterpret_cast<DWORD_PTR>(&open)) != 0)
        return 0;
    device_ = open.wDeviceID;
    return device_;
}

bool Win32Cd::setTimeFormatMsf() {
    MCI_SET_PARMS set{};
    set.dwTimeFormat = MCI_FORMAT_MSF;
    return device_ &&
           mciSendCommandW(device_, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set)) == 0;
}

void Win32Cd::stop() {
    if (device_) mciSendCommandW(device_, MCI_STOP, 0, 0);
}

void Win32Cd::close() {
    if (device_) mciSendCommandW(device_, MCI_CLOSE, 0, 0);
    device_ = 0;
}

}  // namespace vantor::platform::win32
