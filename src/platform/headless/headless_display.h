#pragma once
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/display.h"

namespace vantor::platform::headless {

// A primary surface in memory that keeps what was last shown, writes PNG
// snapshots of chosen presents and plays busy, lost and unrestorable
// surfaces on request.
class HeadlessDisplay final : public Display {
public:

    bool open(bool fullScreen) override;
    int pitch() override { return pitch_; }
    SurfaceResult lock(uint8_t*& pixels) override;
    void unlock() override;
    bool restore() override;
    SurfaceResult attachPalette() override;
    void setEntries(const uint8_t rgb[768]) override;
    void waitVerticalBlank() override;
    void close() override;

    // The shown surface (pitch bytes a row) and palette (8-bit components).
    const std::vector<uint8_t>& surface() const { return surface_; }
    const uint8_t* palette() const { return palette_; }
    uint32_t presents() const { return presents_; }

    // The next lock and attachPalette calls answer these, in order, before
    // anything else. A Lost answer loses the surface: its pixels turn to
    // garbage and it stays lost until restored.
    void scriptAnswers(std::vector<SurfaceResult> answers);
    void setRestoreFails(bool fails) { restoreFails_ = fails; }

    uint32_t lockCalls() const { return lockCalls_; }
    uint32_t restoreCalls() const { return restoreCalls_; }
    uint32_t verticalBlankWaits() const { return verticalBlankWaits_; }
    uint32_t paletteLoads() const { return paletteLoads_; }
    bool paletteAttached() const { return paletteAttached_; }
    bool lost() const { return lost_; }

    // Fills a lost surface so that a frame shown without a full copy shows.
    static constexpr uint8_t kLostGarbage = 0xEE;
    // Busy answers per call under the "surface-busy" fault.
    static constexpr int kBusyAnswers = 3;

private:
    SurfaceResult answer();
    SurfaceResult lose();
    void snapshotIfWanted();

    std::vector<uint8_t> surface_;
    uint8_t palette_[768] = {};
    int pitch_ = 640;
    uint32_t presents_ = 0;

    std::deque<SurfaceResult> scripted_;
    bool restoreFails_ = false;
    bool lost_ = false;
    int busyStreak_ = 0;
    bool lostThisCall_ = false;
    uint32_t lockCalls_ = 0;
    uint32_t restoreCalls_ = 0;
    uint32_t verticalBlankWaits_ = 0;
    uint32_t paletteLoads_ = 0;
    bool paletteAttached_ = false;

    std::string snapshotDir_;
    bool snapshotAll_ = false;
    std::set<uint32_t> snapshotAt_;
};

}  // namespace vantor::platform::headless
