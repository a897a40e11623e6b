#pragma once
#include <cstdint>

namespace vantor {

// Holds the CD audio device open for the run and stops it while the game
// is in the background.
class CdAudio {
public:
    bool open();
    void stop();
    void close();

    uint32_t device = 0;
    int32_t isOpen = 0;
};

inline CdAudio cdAudio;

}  // namespace vantor
