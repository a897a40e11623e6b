#pragma once
#include <cstdint>

namespace vantor::platform {

// The CD audio device of the media interface.
class Cd {
public:
    virtual ~Cd() = default;
    // Opens the CD audio device: its identifier, or 0 when there is none.
    virtual uint32_t open() = 0;
    // Sets the minutes-seconds-frames time format; false on failure.
    virtual bool setTimeFormatMsf() = 0;
    // Stops whatever the drive plays.
    virtual void stop() = 0;
    // Closes the device.
    virtual void close() = 0;
};

}  // namespace vantor::platform
