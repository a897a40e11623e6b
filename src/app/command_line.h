#pragma once
#include <string>

namespace vantor {

// Applies the raw command line (Windows-1251 bytes): the Q start mode, demo
// playback ('3'), demo recording (the hidden word, nothing after it), and the
// seed of the shared generator (10 in either demo mode, else the tick count).
void applyCommandLine(const std::string& line);

}  // namespace vantor
