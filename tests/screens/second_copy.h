#pragma once
#include <functional>
#include <memory>

#include "screens/high_score_table.h"

namespace vantor::testing {

// What the second copy does when it lets go, besides closing HIGH30: store
// one more entry (the table sorted, then written back) or remove the file.
enum class OnRelease { Close, StoreEntry, RemoveFile };

// Another copy of the game, in a process of its own: it opens HIGH30 for an
// update and holds it until told to let go.
class SecondCopy {
public:
    explicit SecondCopy(OnRelease what = OnRelease::Close, HighScoreEntry entry = {});
    ~SecondCopy();
    SecondCopy(const SecondCopy&) = delete;
    SecondCopy& operator=(const SecondCopy&) = delete;

    // What the child's loadForUpdate answered.
    int loadResult() const { return loadResult_; }
    // Tells the child to let go and returns once it has.
    void release();

private:
    struct Process;  // the child and the pipes to it, as the system has them
    std::unique_ptr<Process> process_;
    int loadResult_ = -1;
    bool released_ = false;
};

// The child's side: loads the table and says the result, lets go as told
// once it hears from the parent, and says so.
void actAsSecondCopy(OnRelease what, const HighScoreEntry& entry, const std::function<void(char)>& say,
                     const std::function<char()>& hear);

}  // namespace vantor::testing
