#pragma once
#include <cstdint>
#include <string>

namespace vantor {

// Process-wide values fixed at start-up.
struct StartupState {
    bool qStartMode = false;
    bool demo = false;  // a demo is recorded or played back: no game is kept
    char exitCommand[15] = "TIDEWELL.EXE P";
    std::string installPath = ".\\";  // UTF-8
};

inline StartupState startup;

// Milliseconds a frame lasts; the speed control moves it within 5..80.
inline int32_t frameDelay = 35;

// The hidden recording word, in Windows-1251.
inline constexpr char kRecordingWord[] = "\xC6\xC0\xC2\xCE\xD0\xCE\xCD\xCE\xCA";

// The whole program after the platform's entry: start-up, the game flow,
// shutdown and the exit command. commandLine is raw Windows-1251 bytes.
// Returns the process exit code.
int runProgram(const std::string& commandLine);

// Fills startup.installPath from the registry (".\" when it has none or
// its value is longer than 260 characters).
void ReadInstallPath();

// HIGH30's path: the install path, read afresh, with a Windows ".\" prefix
// made local and a missing trailing separator added.
std::string installedFilePath(const char* name);

}  // namespace vantor
