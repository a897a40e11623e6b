#include "platform/headless/headless_audio.h"

#include <cstdio>

#include "common/wav_writer.h"
#include "platform/headless/faults.h"
#include "platform/platform.h"

namespace vantor::platform::headless {

HeadlessAudio::HeadlessAudio(World& world) : world_(world) {}

bool HeadlessAudio::create() { return !fault("sound"); }

void HeadlessAudio::start(MixSource& source) {
    source_ = &source;
    lastClock_ = world_.clock;
    elapsedMs_ = 0;
    mixed_.clear();
}

void HeadlessAudio::lockMixer() { catchUp(); }

bool HeadlessAudio::createBuffer() { return !fault("sound-buffer"); }
bool HeadlessAudio::lockBuffer() { return !fault("sound-lock"); }
bool HeadlessAudio::restoreBuffer() { return !fault("sound-restore"); }

bool HeadlessAudio::takeBufferLost() {
    bool lost = lostPending_ || fault("sound-lost");
    lostPending_ = false;
    return lost;
}

void HeadlessAudio::close() {
    if (!source_) return;
    catchUp();
    std::string path = option("VANTOR_WAV");
    if (!path.empty() && !writeWav(path, mixed_)) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    source_ = nullptr;
}

const std::vector<uint8_t>& HeadlessAudio::samples() {
    catchUp();
    return mixed_;
}

void HeadlessAudio::catchUp() {
    if (!source_) return;
    elapsedMs_ += world_.clock - lastClock_;  // wraps like the tick count
    lastClock_ = world_.clock;
    // From the total elapsed time, so rounding never adds up.
    size_t due = static_cast<size_t>(elapsedMs_ * kRate / 1000);
    size_t done = mixed_.size();
    if (due <= done) return;
    mixed_.resize(due);
    source_->mix(mixed_.data() + done, static_cast<uint32_t>(due - done));
}

}  // namespace vantor::platform::headless
