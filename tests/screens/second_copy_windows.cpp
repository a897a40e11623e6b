#include "screens/second_copy.h"

#include <sstream>

#include "platform/headless/headless_backend.h"
#include "support/child_process.h"

namespace vantor::testing {
namespace {

constexpr char kRole[] = "second-copy";

// "WHAT SCORE NAME", the name last as it may hold blanks.
std::string describe(OnRelease what, const HighScoreEntry& entry) {
    return std::to_string(static_cast<int>(what)) + " " + std::to_string(entry.score) + " " + entry.name;
}

int playRole(const std::string& argument) {
    std::istringstream words(argument);
    int what = 0;
    HighScoreEntry entry;
    words >> what >> entry.score;
    std::string name;
    std::getline(words >> std::ws, name);
    name.copy(entry.name, sizeof entry.name - 1);
    platform::headless::installFresh();
    actAsSecondCopy(static_cast<OnRelease>(what), entry, &ChildProcess::tellParent, &ChildProcess::hearParent);
    return 0;
}

const bool kRoleAdded = addChildRole(kRole, &playRole);

}  // namespace

struct SecondCopy::Process {
    ChildProcess child;
};

SecondCopy::SecondCopy(OnRelease what, HighScoreEntry entry)
    : process_(new Process{ChildProcess(kRole, describe(what, entry))}) {
    loadResult_ = process_->child.receive();
}

void SecondCopy::release() {
    if (released_ || !process_->child.started()) return;
    released_ = true;
    process_->child.send('g');
    process_->child.receive();
}

SecondCopy::~SecondCopy() { release(); }

}  // namespace vantor::testing
