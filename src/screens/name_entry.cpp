#include "screens/name_entry.h"

#include <cstring>
#include <string>

#include "common/cp1251.h"
#include "platform/platform.h"
#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/high_score_view.h"
#include "screens/input_hint.h"
#include "screens/name_picker.h"
#include "screens/saved_game.h"
#include "screens/screen_frame.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

constexpr int kMaxNameLength = 32;
constexpr int kBlinkFrames = 4;
constexpr uint8_t kCursorGlyph = 1;
constexpr uint8_t kBackspace = 8;
constexpr uint8_t kEnter = 13;
constexpr int kOwnerBytes = 32;
constexpr int kDefaultNameLength = 35;
constexpr int kDefaultNameMessage = 0;
constexpr int kHintY = 440;

struct NameEditor {
    char text[256] = {};
    int length = 0;

    // True when the character ends the entry.
    bool handle(uint8_t c) {
        if (c == kEnter) return true;
        if (c == kBackspace) {
            if (length > 0) text[--length] = 0;
        } else if (c >= 32 && length < kMaxNameLength && nameHasRoom(text)) {
            text[length++] = static_cast<char>(c);
        }
        return false;
    }
};

void showName(const NameEditor& editor, HighScoreEntry& entry) {
    std::memcpy(entry.name, editor.text, sizeof entry.name);
}

}  // namespace

void enterName(int row) {
    HighScoreEntry& entry = highScoreTable.entries[row];
    NameEditor editor;
    editor.length = static_cast<int>(strnlen(entry.name, sizeof entry.name));
    std::memcpy(editor.text, entry.name, static_cast<size_t>(editor.length));
    bool cursor = false;
    int blink = kBlinkFrames;
    NamePicker picker;
    picker.begin();
    inputDevices.setCapture(true);
    inputDevices.emptyRing();
    platform::input().typingName(true);
    for (bool finished = false; !finished;) {
        vdp.restoreScreen(savedScreen);
        showName(editor, entry);
        savedGame.noteName(entry.name);
        drawTable();
        drawHint(HintPlace::NameEntry, kHintY);
        int next = kTableNameX + vdp.textWidth(editor.text);
        picker.draw(next, tableRowY(row));
        if (cursor) {
            DrawnArea area;
            vdp.drawChar(next, tableRowY(row), kCursorGlyph, AlignLeft, area);
        }
        if (--blink == 0) {
            blink = kBlinkFrames;
            cursor = !cursor;
        }
        // Ending here keeps the name as far as it was typed.
        if (!runFrame()) return;
        picker.steer();
        finished = editor.handle(inputDevices.takeChar());
        vdp.present();
    }
    platform::input().typingName(false);
    picker.end();
    inputDevices.setCapture(false);
    inputDevices.emptyRing();
    if (entry.name[0] == 0) fillDefaultName(row);
    vdp.restoreScreen(savedScreen);
    drawTable();
}

void fillDefaultName(int row) {
    HighScoreEntry& entry = highScoreTable.entries[row];
    // This platform counts as the NT family of the system.
    const char* key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    std::string owner;
    if (platform::system().queryRegistry(key, "RegisteredOwner", owner)) {
        std::string name = utf8ToCp1251(owner);
        if (name.size() < kOwnerBytes) {
            std::memset(entry.name, 0, sizeof entry.name);
            std::memcpy(entry.name, name.data(), name.size());
            return;
        }
    }
    std::memset(entry.name, 0, sizeof entry.name);
    std::strncpy(entry.name, message(kDefaultNameMessage), kDefaultNameLength);
}

}  // namespace vantor
