#include "platform/headless/headless_audio.h"

#include "platform/headless/faults.h"

namespace vantor::platform::headless {

HeadlessAudio::HeadlessAudio(World& world) : world_(world) {}

bool HeadlessAudio::create() { return !fault("sound"); }
void HeadlessAudio::start(MixSource& source) { source_ = &source; }
bool HeadlessAudio::createBuffer() { return !fault("sound-buffer"); }
bool HeadlessAudio::lockBuffer() { return !fault("sound-lock"); }
bool HeadlessAudio::restoreBuffer() { return !fault("sound-restore"); }
bool HeadlessAudio::takeBufferLost() { return false; }
void HeadlessAudio::close() { source_ = nullptr; }

}  // namespace vantor::platform::headless
