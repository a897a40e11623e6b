#include "input/recording.h"

#include <algorithm>

#include "common/little_endian.h"
#include "input/input_devices.h"

namespace vantor {
namespace {

void writeWord(ResourceFile& file, uint32_t word) {
    uint8_t bytes[4];
    writeI32(bytes, static_cast<int32_t>(word));
    file.write(bytes, 4);  // a full disk only shortens the demo
}

bool readWord(ResourceFile& file, uint32_t& word) {
    uint8_t bytes[4];
    if (file.read(bytes, 4) != 4) return false;
    word = readU32(bytes);
    return true;
}

void recordStep(Recorder& r, const MouseState& m) {
    if (m.left)
        writeWord(r.file, kLeftMarker);
    else if (m.right)
        writeWord(r.file, kRightMarker);
    writeWord(r.file, static_cast<uint32_t>(m.x) + static_cast<uint32_t>(m.y) * 65536u);
}

// Replaces the pointer with the next recorded step; false when the file has
// no complete step left (the live buttons are then left alone).
bool playStep(Recorder& r, MouseState& m) {
    uint32_t word = 0;
    if (!readWord(r.file, word)) return false;
    bool left = word == kLeftMarker;
    bool right = word == kRightMarker;
    if ((left || right) && !readWord(r.file, word)) return false;
    if (left) m.left = 1;
    if (right) m.right = 1;
    // A damaged recording must still keep the pointer on the screen.
    m.x = std::min<int32_t>(static_cast<int32_t>(word & 0xFFFF), 639);
    m.y = std::min<int32_t>(static_cast<int32_t>(word >> 16), 479);
    return true;
}

}  // namespace

bool OpenRecording(const std::string& name, bool recording) {
    Recorder& r = inputDevices.recorder;
    r.active = 1;
    r.mode = recording ? 1 : 0;
    return r.file.open(name, recording ? ResourceFile::Mode::Create : ResourceFile::Mode::Read);
}

void CloseRecording() {
    Recorder& r = inputDevices.recorder;
    if (r.mode == 1) r.file.commit();
    r.file.close();
    r.active = 0;
}

void recorderStep(int32_t previousX, int32_t previousY) {
    Recorder& r = inputDevices.recorder;
    MouseState& m = inputDevices.mouse;
    if (!r.active) return;
    if (r.mode == 1) {
        recordStep(r, m);
    } else if (!playStep(r, m)) {
        // Out of demo: the player takes over where the demo left the pointer.
        m.x = previousX;
        m.y = previousY;
        CloseRecording();
        return;
    }
    if (inputDevices.keyState[DIK_F8]) CloseRecording();
}

}  // namespace vantor
