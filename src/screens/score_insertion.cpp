#include "screens/score_insertion.h"

#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/high_score_view.h"
#include "screens/name_entry.h"
#include "screens/saved_game.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

constexpr int kPauseFrames = 48;
constexpr int kMarkerX = 172;
constexpr int kMarkerImages = 12;
constexpr int kFramesPerMarkerImage = 2;
constexpr int kCyclesBeforeRising = 2;
constexpr int kCyclesAfterRising = 3;
constexpr int kFramesPerRowRisen = 2;

// The marker beside the new entry: each image for two frames, 12 images a cycle.
struct ScoreMarker {
    int image = 0;
    int halfStep = 0;
    int cycles = 0;
    int row = 0;

    void advance() {
        if (++halfStep < kFramesPerMarkerImage) return;
        halfStep = 0;
        if (++image < kMarkerImages) return;
        image = 0;
        ++cycles;
    }

    // One animated frame; false when the program is to end.
    bool animate() {
        vdp.restoreScreen(savedScreen);
        if (!runFrame()) return false;
        advance();
        vdp.drawImage(kMarkerX, tableRowY(row), res.scoreMarker[image]);
        drawTable();
        vdp.present();
        return true;
    }

    bool animateCycles(int n) {
        cycles = 0;
        while (cycles < n)
            if (!animate()) return false;
        return true;
    }
};

bool pause(int frames) {
    for (int i = 0; i < frames; ++i)
        if (!runFrame()) return false;
    return true;
}

enum class Rising { Stayed, Rose, Ended };

// The new entry passes every entry above it with a strictly lower score: one
// row after the first frame, then one every two frames.
Rising rise(ScoreMarker& marker, int32_t score) {
    HighScoreEntry* entries = highScoreTable.entries;
    Rising outcome = Rising::Stayed;
    for (int countdown = 1; marker.row > 0 && entries[marker.row - 1].score < score;) {
        if (!marker.animate()) return Rising::Ended;
        if (--countdown > 0) continue;
        countdown = kFramesPerRowRisen;
        entries[marker.row] = entries[marker.row - 1];
        entries[marker.row - 1] = HighScoreEntry{{}, score};
        --marker.row;
        outcome = Rising::Rose;
    }
    return outcome;
}

}  // namespace

void insertScore(int32_t score) {
    HighScoreTable& table = highScoreTable;
    if (!table.qualifies(score)) {
        drawTable();
        table.close();
        savedGame.discard();
        return;
    }
    vdp.restoreScreen(savedScreen);
    drawTable();
    vdp.present();
    if (!pause(kPauseFrames)) return;
    if (table.count < kHighScoreEntries) ++table.count;
    ScoreMarker marker;
    marker.row = table.count - 1;
    table.entries[marker.row] = HighScoreEntry{{}, score};
    if (!marker.animateCycles(kCyclesBeforeRising)) return;
    Rising rising = rise(marker, score);
    if (rising == Rising::Ended) return;
    if (rising == Rising::Rose && !marker.animateCycles(kCyclesAfterRising)) return;
    enterName(marker.row);
    table.writeBack();
    savedGame.discard();
}

}  // namespace vantor
