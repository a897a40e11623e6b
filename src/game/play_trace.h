#pragma once
#include <cstdint>
#include <fstream>
#include <string>

namespace vantor {

// One line per playFrame call, appended to the file VANTOR_TRACE names, so that
// two runs of the same recording can be compared frame by frame.
class PlayTrace {
public:
    ~PlayTrace() { close(); }
    // Appends to path from now on and counts calls from 0 again.
    bool open(const std::string& path);
    void close();
    // Notes the input as a playFrame call finds it (opens VANTOR_TRACE on first use).
    void beginFrame();
    // Writes the line of the call that is returning; menuResult is kNoMenu when no menu ran.
    void endFrame(int menuResult);
    bool active() const { return file_.is_open(); }
    // playFrame calls since the trace was opened.
    uint64_t calls() const { return calls_; }

    static constexpr int kNoMenu = -1000;
    // What each word of a line holds, in the order endFrame writes them, for
    // readers outside the program (vantor --describe hands them out). "cells"
    // is two characters a cell: its state in hex, then its colour.
    static constexpr const char* kFields[] = {
        "frame", "x", "y", "left", "right", "keys", "menu", "phase", "busyCount", "score",
        "removalScore", "pieces", "selected", "clickState", "stepDivider", "carrierX", "carrierY",
        "rng", "cells"};

private:
    std::ofstream file_;
    bool checkedEnvironment_ = false;
    uint64_t calls_ = 0;
    int32_t mouseX_ = 0;
    int32_t mouseY_ = 0;
    int left_ = 0;
    int right_ = 0;
    unsigned keys_ = 0;
};

inline PlayTrace playTrace;

}  // namespace vantor
