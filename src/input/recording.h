#pragma once
#include <cstdint>
#include <string>

namespace vantor {

// Button markers of a recorded step; a position word (x + y * 65536) can
// never equal either.
inline constexpr uint32_t kLeftMarker = 0xFFFF;
inline constexpr uint32_t kRightMarker = 0xFEFE;

// Starts recording the mouse into name (created anew) or playing it back.
// Returns whether the file was opened.
bool OpenRecording(const std::string& name, bool recording);

// Ends the recording or playback and closes its file.
void CloseRecording();

// The last step of every mouse poll: writes the step, or replaces the
// mouse from the playback; F8 ends either. previousX/Y is where the pointer
// was before this poll, kept when a playback runs out.
void recorderStep(int32_t previousX, int32_t previousY);

}  // namespace vantor
