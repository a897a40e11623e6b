#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <mutex>
#include <thread>

#include "platform/audio.h"

namespace vantor::platform::win32 {

// The game's mix through waveOut, 22,050 Hz 8-bit mono, pulled on a thread
// of its own into a ring of short blocks. No device: the game stays silent.
// A device that goes away loses the channel buffers; restoring opens it again.
class Win32Audio final : public Audio {
public:
    static constexpr int kBlocks = 4;
    // 10 ms each, so at most 40 ms of sound wait in the device.
    static constexpr uint32_t kBlockSamples = 220;

    ~Win32Audio() override;

    bool create() override;
    void start(MixSource& source) override;
    void lockMixer() override { mutex_.lock(); }
    void unlockMixer() override { mutex_.unlock(); }
    bool restoreBuffer() override;
    bool takeBufferLost() override;
    void close() override;

private:
    bool openDevice();
    void closeDevice();
    void queueBlock(WAVEHDR& block);
    void run();

    HWAVEOUT device_ = nullptr;
    HANDLE blockDone_ = nullptr;
    std::array<std::array<uint8_t, kBlockSamples>, kBlocks> samples_{};
    std::array<WAVEHDR, kBlocks> blocks_{};
    MixSource* source_ = nullptr;
    std::mutex mutex_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    bool gone_ = false;  // the device refused a block and is not back yet
    bool lost_ = false;  // its loss is still to be told to the game
};

}  // namespace vantor::platform::win32
