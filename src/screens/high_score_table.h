#pragma once
#include <cstdint>
#include <string>

#include "resources/resource_file.h"

namespace vantor {

// One result as the file holds it: a zero-ended name and the score.
struct HighScoreEntry {
    char name[36] = {};
    int32_t score = -1;
};

constexpr int kHighScoreEntries = 15;
constexpr int kHighScoreRecordBytes = 40;

// The 15 best results and the file HIGH30 they live in. The file is held
// exclusively from loadForUpdate (or createFile) until writeBack or close,
// so copies of the game sharing an installation never interleave updates.
class HighScoreTable {
public:
    // 0: loaded and held; 1: missing or unwritable, the table is empty or
    // holds what a read-only file holds; 2: another program holds the file,
    // nothing changed. A damaged file (a size that is no multiple of 40, or
    // too large) loads its whole records and is held.
    int loadForUpdate();
    // Holds an emptied HIGH30 (created when missing); false when the file
    // cannot be had, or when it meanwhile holds a table of another copy.
    bool createFile();
    // Stores the table in the held file and lets go of it. A damaged file
    // is first kept as HIGH30.damaged. A table that cannot be stored is
    // said in a message box; the game goes on.
    void writeBack();
    // Lets go of the file without writing.
    void close();

    bool qualifies(int32_t score) const;
    // Best first; of equal scores, the selection order decides.
    void sortDescending();
    void reset();

    // Entry i's name, up to its zero byte or the end of its field.
    std::string nameOf(int i) const;

    ResourceFile file;
    HighScoreEntry entries[kHighScoreEntries];
    int32_t count = 0;
    // The file was still unusable after another copy let go of it: the
    // write-back creates it.
    bool createAtWriteBack = false;

private:
    bool readEntries(ResourceFile& from);
    void loadReadOnly();
    bool store();
    bool keepDamaged();
    void tellNotStored() const;

    std::string path_;     // of the file last opened
    bool damaged_ = false;  // the held file did not read cleanly
    std::string failure_;  // why the file could not be written, in words
};

inline HighScoreTable highScoreTable;

}  // namespace vantor
