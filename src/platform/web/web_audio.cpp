#include "platform/web/web_audio.h"

#include "platform/web/web_page.h"

namespace vantor::platform::web {

bool WebAudio::create() { return vantor_sound_open() != 0; }

void WebAudio::start(MixSource& source) {
    source_ = &source;
    vantor_sound_run(1);
}

void WebAudio::unlockMixer() {
    locked_ = false;
    vantor_sound_mark();
}

const uint8_t* WebAudio::pull(uint32_t n) {
    if (!source_ || locked_) return nullptr;
    pulled_.resize(n);
    source_->mix(pulled_.data(), n);
    return pulled_.data();
}

void WebAudio::close() {
    if (source_) vantor_sound_run(0);
    source_ = nullptr;
}

}  // namespace vantor::platform::web
