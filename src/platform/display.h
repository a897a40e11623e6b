#pragma once
#include <cstdint>

namespace vantor::platform {

enum class SurfaceResult { Ok, Busy, Lost, Failed };

// The screen: one 640 x 480 8-bit primary surface with one 256-entry palette.
// The game copies finished frames into the locked surface; the backend shows
// the surface through the palette when it is unlocked.
class Display {
public:
    virtual ~Display() = default;
    // Takes the screen (full screen or a window); false when it cannot.
    virtual bool open(bool fullScreen) = 0;
    // Bytes between two rows of the primary surface, at least 640.
    virtual int pitch() { return 640; }
    // Locks the primary surface; on Ok, pixels points at row 0.
    virtual SurfaceResult lock(uint8_t*& pixels) = 0;
    // Unlocks it; the backend shows what was written.
    virtual void unlock() = 0;
    // Restores a lost surface; false when it cannot be restored.
    virtual bool restore() { return true; }
    // Attaches the palette to the primary surface.
    virtual SurfaceResult attachPalette() { return SurfaceResult::Ok; }
    // Loads all 256 entries, 8-bit red, green, blue each.
    virtual void setEntries(const uint8_t rgb[768]) = 0;
    // Waits for the start of a vertical blank (or a sixtieth of a second).
    virtual void waitVerticalBlank() = 0;
    // Gives the screen back.
    virtual void close() {}
};

}  // namespace vantor::platform
