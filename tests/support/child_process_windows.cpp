#include "support/child_process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "platform/windows/wide_text.h"

namespace vantor::testing {
namespace {

constexpr char kRoleOption[] = "--vantor-child=";

std::map<std::string, ChildRole>& roles() {
    static std::map<std::string, ChildRole> known;
    return known;
}

std::wstring thisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

bool writeByte(HANDLE pipe, char c) {
    DWORD put = 0;
    return WriteFile(pipe, &c, 1, &put, nullptr) && put == 1;
}

char readByte(HANDLE pipe) {
    char c = 0;
    DWORD got = 0;
    return ReadFile(pipe, &c, 1, &got, nullptr) && got == 1 ? c : char(-1);
}

// A pipe whose one end the child inherits.
bool makePipe(HANDLE& read, HANDLE& write, bool childReads) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherit, 0)) return false;
    return SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0) != 0;
}

}  // namespace

bool addChildRole(const std::string& name, ChildRole role) {
    roles()[name] = std::move(role);
    return true;
}

bool runChildRole(int argc, char** argv, int& exitCode) {
    if (argc < 2 || std::strncmp(argv[1], kRoleOption, sizeof kRoleOption - 1) != 0) return false;
    auto role = roles().find(argv[1] + sizeof kRoleOption - 1);
    exitCode = role == roles().end() ? 127 : role->second(argc > 2 ? argv[2] : "");
    return true;
}

ChildProcess::ChildProcess(const std::string& role, const std::string& argument) {
    HANDLE childIn = nullptr, childOut = nullptr;
    if (!makePipe(childIn, toChild_, true) || !makePipe(fromChild_, childOut, false)) return;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring line = L"\"" + thisProgram() + L"\" " + platform::os::widen(kRoleOption + role) +
                        L" \"" + platform::os::widen(argument) + L"\"";
    PROCESS_INFORMATION started{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &started)) {
        CloseHandle(started.hThread);
        process_ = started.hProcess;
    }
    CloseHandle(childIn);
    CloseHandle(childOut);
}

ChildProcess::~ChildProcess() {
    if (toChild_) CloseHandle(toChild_);
    if (process_) wait();
    if (process_) CloseHandle(process_);
    if (fromChild_) CloseHandle(fromChild_);
}

bool ChildProcess::send(char c) { return writeByte(toChild_, c); }
char ChildProcess::receive() { return readByte(fromChild_); }

void ChildProcess::kill() {
    if (process_) TerminateProcess(process_, 9);
}

DWORD ChildProcess::wait() {
    DWORD code = 0;
    WaitForSingleObject(process_, INFINITE);
    GetExitCodeProcess(process_, &code);
    return code;
}

bool ChildProcess::tellParent(char c) { return writeByte(GetStdHandle(STD_OUTPUT_HANDLE), c); }
char ChildProcess::hearParent() { return readByte(GetStdHandle(STD_INPUT_HANDLE)); }

}  // namespace vantor::testing

// Test programs on Windows start themselves again for a second process.
int main(int argc, char** argv) {
    int code = 0;
    if (vantor::testing::runChildRole(argc, argv, code)) return code;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
