#include "screens/second_copy.h"

#include <sys/wait.h>
#include <unistd.h>

namespace vantor::testing {
namespace {

char readByte(int fd) {
    char c = 0;
    return ::read(fd, &c, 1) == 1 ? c : char(-1);
}

bool writeByte(int fd, char c) { return ::write(fd, &c, 1) == 1; }

}  // namespace

struct SecondCopy::Process {
    pid_t pid = -1;
    int toChild = -1;
    int fromChild = -1;
};

SecondCopy::SecondCopy(OnRelease what, HighScoreEntry entry) : process_(std::make_unique<Process>()) {
    int down[2], up[2];
    if (::pipe(down) != 0 || ::pipe(up) != 0) return;
    process_->pid = ::fork();
    if (process_->pid == 0) {
        ::close(down[1]);
        ::close(up[0]);
        actAsSecondCopy(what, entry, [&](char c) { writeByte(up[1], c); }, [&] { return readByte(down[0]); });
        _exit(0);
    }
    ::close(down[0]);
    ::close(up[1]);
    process_->toChild = down[1];
    process_->fromChild = up[0];
    loadResult_ = readByte(process_->fromChild);
}

void SecondCopy::release() {
    if (released_ || process_->pid <= 0) return;
    released_ = true;
    writeByte(process_->toChild, 'g');
    readByte(process_->fromChild);
}

SecondCopy::~SecondCopy() {
    release();
    if (process_->pid > 0) ::waitpid(process_->pid, nullptr, 0);
    ::close(process_->toChild);
    ::close(process_->fromChild);
}

}  // namespace vantor::testing
