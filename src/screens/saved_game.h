#pragma once
#include <cstdint>
#include <vector>

#include "resources/resource_file.h"

namespace vantor {

// The game in play kept in GAME30 beside HIGH30, so that a run that ends
// before the game does (a closed window, a killed process, a page put away)
// goes on with it at the next start. A finished game's score waits there
// too until it is in the table. One running copy holds the file for the
// whole run; a second copy plays games that are not kept.
class SavedGame {
public:
    static constexpr uint8_t kVersion = 1;

    // Takes GAME30 for this run and reads what it holds. A file that cannot
    // be read as a saved game is kept as GAME30.damaged and forgotten.
    void open();
    // Keeps the latest rest and lets go of the file.
    void close();

    // Puts the interrupted game into play; false when none waits.
    bool resume();
    // After every play frame: the first frame of each rest is made durable
    // at once.
    void noteFrame();
    // Makes the rest the game stands at durable now (the program is asked to
    // end or goes into the background); nothing while a move is under way.
    void keepLatest();
    // The game ended with this score, which waits here for the table.
    void finish(int32_t score);
    // The name typed so far for the waiting score (the table's name field).
    void noteName(const char* name);
    // Nothing waits any more: a new game began, or the score is in the table.
    void discard();
    // A score left waiting by an earlier run goes into the table, as an
    // empty name would be, or with the name typed so far.
    void enterWaitingScore();

    // While this copy's first game plays: the line saying it is not kept.
    void drawNotice();

private:
    enum Kind : uint8_t { Nothing = 0, InPlay = 1, Finished = 2 };

    void read();
    void store(Kind kind, const std::vector<uint8_t>& payload);

    ResourceFile file_;
    bool held_ = false;
    Kind kind_ = Nothing;
    std::vector<uint8_t> stored_;  // the payload GAME30 holds
    bool atRest_ = false;  // the last play frame was a rest
    bool storageFailed_ = false;
    int32_t noticeFrames_ = 0;
};

inline SavedGame savedGame;

// GAME30's bytes: a header with the format's version and the kind (1: a
// game in play, 2: a finished game's score and name), the payload, a checksum.
std::vector<uint8_t> savedGameFileBytes(uint8_t kind, const std::vector<uint8_t>& payload);
// Whether bytes are a saved game this build can use, and what they hold.
bool readSavedGameFile(const std::vector<uint8_t>& bytes, uint8_t& kind, std::vector<uint8_t>& payload);

}  // namespace vantor
