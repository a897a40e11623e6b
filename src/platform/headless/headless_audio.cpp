#include "platform/headless/headless_audio.h"

#include <cstdio>

#include "platform/headless/faults.h"
#include "platform/platform.h"

namespace vantor::platform::headless {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

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

bool writeWav(const std::string& path, const std::vector<uint8_t>& samples) {
    auto size = static_cast<uint32_t>(samples.size());
    std::vector<uint8_t> file;
    putTag(file, "RIFF");
    put32(file, 36 + size);
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    put32(file, 16);
    put16(file, 1);  // PCM
    put16(file, 1);  // mono
    put32(file, HeadlessAudio::kRate);
    put32(file, HeadlessAudio::kRate);  // bytes per second
    put16(file, 1);                     // block alignment
    put16(file, 8);                     // bits per sample
    putTag(file, "data");
    put32(file, size);
    file.insert(file.end(), samples.begin(), samples.end());
    if (size % 2) file.push_back(0);  // chunks are padded to even length
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && ok;
}

}  // namespace vantor::platform::headless
