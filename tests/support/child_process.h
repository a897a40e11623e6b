#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace vantor::testing {

// Work a test program does when it is started again as another process, for
// the tests that need a second copy of the game: "--vantor-child=NAME ARGUMENT".
using ChildRole = std::function<int(const std::string& argument)>;

// Makes a role known; returns true, so that a file can add one as it starts.
bool addChildRole(const std::string& name, ChildRole role);

// Plays the role the command line names; false when it names none.
bool runChildRole(int argc, char** argv, int& exitCode);

// This test program started again in a role, its standard input and output
// joined to us by pipes.
class ChildProcess {
public:
    ChildProcess(const std::string& role, const std::string& argument);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    bool send(char c);
    // The next byte it wrote, or -1 once it has ended.
    char receive();
    // Ends it at once, wherever it is.
    void kill();
    // Waits for its end; its exit code.
    DWORD wait();

    // The child's side of the pipes.
    static bool tellParent(char c);
    static char hearParent();

private:
    HANDLE process_ = nullptr;
    HANDLE toChild_ = nullptr;
    HANDLE fromChild_ = nullptr;
};

}  // namespace vantor::testing
