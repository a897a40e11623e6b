#include "platform/win32/win32_audio.h"

#include <cstring>
#include <utility>

namespace vantor::platform::win32 {

Win32Audio::~Win32Audio() { close(); }

bool Win32Audio::create() {
    blockDone_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (blockDone_ && openDevice()) return true;
    close();
    return false;
}

bool Win32Audio::openDevice() {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = 22050;
    format.nAvgBytesPerSec = 22050;
    format.nBlockAlign = 1;
    format.wBitsPerSample = 8;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(blockDone_), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return false;
    }
    for (int i = 0; i < kBlocks; ++i) {
        blocks_[i] = WAVEHDR{};
        blocks_[i].lpData = reinterpret_cast<LPSTR>(samples_[i].data());
        blocks_[i].dwBufferLength = kBlockSamples;
        waveOutPrepareHeader(device_, &blocks_[i], sizeof(WAVEHDR));
    }
    return true;
}

void Win32Audio::closeDevice() {
    if (!device_) return;
    waveOutReset(device_);
    for (WAVEHDR& block : blocks_) waveOutUnprepareHeader(device_, &block, sizeof(WAVEHDR));
    waveOutClose(device_);
    device_ = nullptr;
}

// Called with the mixer locked.
void Win32Audio::queueBlock(WAVEHDR& block) {
    auto* out = reinterpret_cast<uint8_t*>(block.lpData);
    if (source_)
        source_->mix(out, kBlockSamples);
    else
        std::memset(out, 128, kBlockSamples);
    if (waveOutWrite(device_, &block, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) gone_ = lost_ = true;
}

void Win32Audio::start(MixSource& source) {
    if (!device_) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        source_ = &source;
        for (WAVEHDR& block : blocks_) queueBlock(block);
    }
    running_ = true;
    thread_ = std::thread(&Win32Audio::run, this);
}

// Refills each block the device has finished with, as soon as it says so.
void Win32Audio::run() {
    while (running_) {
        WaitForSingleObject(blockDone_, 100);
        std::lock_guard<std::mutex> lock(mutex_);
        if (!device_ || gone_) continue;
        for (WAVEHDR& block : blocks_)
            if (block.dwFlags & WHDR_DONE) queueBlock(block);
    }
}

bool Win32Audio::takeBufferLost() { return std::exchange(lost_, false); }

// Called with the mixer locked, so the thread waits while the device changes.
bool Win32Audio::restoreBuffer() {
    if (!gone_) return true;
    closeDevice();
    if (!openDevice()) return false;
    gone_ = false;
    for (WAVEHDR& block : blocks_) queueBlock(block);
    return !gone_;
}

void Win32Audio::close() {
    running_ = false;
    if (blockDone_) SetEvent(blockDone_);
    if (thread_.joinable()) thread_.join();
    closeDevice();
    source_ = nullptr;
    if (blockDone_) CloseHandle(blockDone_);
    blockDone_ = nullptr;
}

}  // namespace vantor::platform::win32
