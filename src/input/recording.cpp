// Minimal recorder; recording and playback arrive with the input work.
#include "input/recording.h"

#include "input/input_devices.h"

namespace vantor {

bool OpenRecording(const std::string& name, bool recording) {
    Recorder& r = inputDevices.recorder;
    r.active = 1;
    r.mode = recording ? 1 : 0;
    return r.file.open(name, recording ? ResourceFile::Mode::Create : ResourceFile::Mode::Read);
}

void recorderStep() {}

}  // namespace vantor
