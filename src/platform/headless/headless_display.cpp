#include "platform/headless/headless_display.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "common/png_writer.h"
#include "common/utf8_file.h"
#include "platform/headless/faults.h"
#include "platform/platform.h"

namespace vantor::platform::headless {

bool HeadlessDisplay::open(bool) {
    if (fault("vdp")) return false;
    pitch_ = optionInt("VANTOR_PITCH", 640);
    if (pitch_ < 640 || pitch_ > 8192) pitch_ = 640;
    surface_.assign(static_cast<size_t>(pitch_) * 480, 0);
    lost_ = false;
    paletteAttached_ = false;
    snapshotDir_ = option("VANTOR_SNAPSHOTS");
    std::error_code ignored;  // a folder that cannot be made shows as failed snapshots
    if (!snapshotDir_.empty()) std::filesystem::create_directories(utf8Path(snapshotDir_), ignored);
    std::string at = option("VANTOR_SNAPSHOT_AT");
    snapshotAll_ = at == "all";
    snapshotAt_.clear();
    std::stringstream list(at);
    for (std::string item; std::getline(list, item, ',');) {
        char* end = nullptr;
        unsigned long n = std::strtoul(item.c_str(), &end, 10);
        if (end != item.c_str() && *end == 0 && n > 0) snapshotAt_.insert(static_cast<uint32_t>(n));
    }
    return true;
}

void HeadlessDisplay::scriptAnswers(std::vector<SurfaceResult> answers) {
    scripted_.assign(answers.begin(), answers.end());
}

SurfaceResult HeadlessDisplay::lose() {
    lost_ = true;
    std::memset(surface_.data(), kLostGarbage, surface_.size());
    return SurfaceResult::Lost;
}

// Scripted answers come first; then a lost surface stays lost; then the
// faults: a few busy answers, or one loss, per call until it succeeds.
SurfaceResult HeadlessDisplay::answer() {
    if (!scripted_.empty()) {
        SurfaceResult next = scripted_.front();
        scripted_.pop_front();
        return next == SurfaceResult::Lost ? lose() : next;
    }
    if (lost_ || fault("surface-restore")) return lose();
    if (fault("surface-busy") && busyStreak_ < kBusyAnswers) {
        ++busyStreak_;
        return SurfaceResult::Busy;
    }
    if (fault("surface-lost") && !lostThisCall_) {
        lostThisCall_ = true;
        return lose();
    }
    busyStreak_ = 0;
    lostThisCall_ = false;
    return SurfaceResult::Ok;
}

SurfaceResult HeadlessDisplay::lock(uint8_t*& pixels) {
    ++lockCalls_;
    SurfaceResult result = answer();
    if (result == SurfaceResult::Ok) pixels = surface_.data();
    return result;
}

void HeadlessDisplay::unlock() {
    ++presents_;
    snapshotIfWanted();
}

void HeadlessDisplay::snapshotIfWanted() {
    if (snapshotDir_.empty() || !(snapshotAll_ || snapshotAt_.count(presents_))) return;
    char name[32];
    std::snprintf(name, sizeof name, "/present-%06u.png", static_cast<unsigned>(presents_));
    std::string path = snapshotDir_ + name;
    if (!writeIndexedPng(path, 640, 480, pitch_, surface_.data(), palette_))
        std::fprintf(stderr, "cannot write snapshot %s\n", path.c_str());
}

bool HeadlessDisplay::restore() {
    ++restoreCalls_;
    if (restoreFails_ || fault("surface-restore")) return false;
    lost_ = false;
    return true;
}

SurfaceResult HeadlessDisplay::attachPalette() {
    SurfaceResult result = answer();
    if (result == SurfaceResult::Ok) paletteAttached_ = true;
    return result;
}

void HeadlessDisplay::setEntries(const uint8_t rgb[768]) {
    ++paletteLoads_;
    std::memcpy(palette_, rgb, 768);
}

void HeadlessDisplay::waitVerticalBlank() { ++verticalBlankWaits_; }

void HeadlessDisplay::close() { surface_.clear(); }

}  // namespace vantor::platform::headless
