#include "screens/high_score_view.h"

#include <string>

#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

constexpr int kEmptyTableMessage = 7;
constexpr int kInUseMessage = 2;
constexpr int kInUseSecondLine = 3;
// A name grows while it is narrower than this, so it ends at most a glyph past x = 619.
constexpr int kTableNameWidth = 457;

void drawCentred(int y, const char* text) {
    DrawnArea area;
    vdp.drawText(kScreenWidth / 2, y, text, AlignCentre, area);
}

std::string fittingName(const std::string& name) {
    std::string shown;
    for (char c : name) {
        if (!nameHasRoom(shown.c_str())) break;
        shown += c;
    }
    return shown;
}

void drawRows(int n) {
    for (int i = 0; i < n; ++i) drawTableRow(i, tableRowY(i));
}

// Another copy of the game holds the file: say so and try again every frame.
// False when the program is to end meanwhile.
bool waitWhileInUse(int& result) {
    vdp.restoreScreen(savedScreen);
    drawCentred(240, message(kInUseMessage));
    drawCentred(260, message(kInUseSecondLine));
    vdp.present();
    result = highScoreTable.loadForUpdate();
    while (result == 2) {
        if (!runFrame()) return false;
        result = highScoreTable.loadForUpdate();
    }
    vdp.restoreScreen(savedScreen);
    return true;
}

}  // namespace

bool nameHasRoom(const char* name) { return vdp.textWidth(name) < kTableNameWidth; }

void drawTableRow(int i, int y) {
    DrawnArea area;
    vdp.drawText(kTableNameX, y, fittingName(highScoreTable.nameOf(i)).c_str(), AlignLeft, area);
    vdp.drawNumber(kTableScoreRightX, y, highScoreTable.entries[i].score, AlignRight, area);
}

void drawTable() {
    if (highScoreTable.count == 0) {
        drawCentred(240, message(kEmptyTableMessage));
        return;
    }
    drawRows(highScoreTable.count);
}

void revealTable() {
    if (highScoreTable.count == 0) {
        drawTable();
        return;
    }
    if (!runFrame()) return;
    for (int n = 1;; ++n) {
        vdp.restoreScreen(savedScreen);
        drawRows(n);
        vdp.present();
        if (n == highScoreTable.count) return;
        if (!runFrame()) return;
    }
}

void openTable(bool keepOpen) {
    int result = highScoreTable.loadForUpdate();
    if (result == 1) {
        highScoreTable.createFile();
    } else if (result == 2) {
        if (!waitWhileInUse(result)) return;
        // Emptied meanwhile: the table starts empty and the entry made now
        // creates the file when it is written back.
        highScoreTable.createAtWriteBack = keepOpen && result == 1;
    }
    if (!keepOpen) highScoreTable.close();
}

}  // namespace vantor
