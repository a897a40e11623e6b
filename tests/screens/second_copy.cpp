#include "screens/second_copy.h"

#include <filesystem>

namespace vantor::testing {

void actAsSecondCopy(OnRelease what, const HighScoreEntry& entry, const std::function<void(char)>& say,
                     const std::function<char()>& hear) {
    say(static_cast<char>(highScoreTable.loadForUpdate()));
    hear();
    if (what == OnRelease::StoreEntry) {
        highScoreTable.entries[highScoreTable.count++] = entry;
        highScoreTable.sortDescending();
        highScoreTable.writeBack();
    }
    highScoreTable.close();
    std::error_code ignored;
    if (what == OnRelease::RemoveFile) std::filesystem::remove("HIGH30", ignored);
    say('r');
}

}  // namespace vantor::testing
