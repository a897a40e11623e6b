#pragma once
#include <string>

namespace vantor {

// Starts recording the mouse into name (created anew) or playing it back.
// Returns whether the file was opened.
bool OpenRecording(const std::string& name, bool recording);

// The last step of every mouse poll: writes the step, or replaces the
// mouse from the playback; F8 ends either.
void recorderStep();

}  // namespace vantor
