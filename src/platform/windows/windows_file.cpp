#include "platform/os_services.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/windows/wide_text.h"

// Every open asks for the sharing the mode allows (read for Read, none
// otherwise), so a second opener, ours or another program's, gets the
// system's sharing violation.
//
// The replacement of an Update file is NAME.new, written while NAME is held.
// A name that is open cannot be renamed onto, so committing closes NAME, and
// then gives NAME.new the name through its own handle, which stays held. An
// opener that slips into that moment finds NAME.new held: it lets go and
// tries again, so the writer's rename goes through. A NAME.new that nobody
// holds was left by a writer that died; the next opener deletes it and the
// old contents stand.
namespace vantor::platform::os {
namespace {

// How often an open is tried again while another copy is putting its
// replacement in place.
constexpr int kOpenAttempts = 64;
// How long a writer waits for such an opener to let go of the old file.
constexpr ULONGLONG kRenameWaitMs = 2000;

std::wstring pendingName(const std::wstring& name) { return name + L".new"; }

uint32_t readAll(HANDLE file, void* buffer, uint32_t n) {
    uint32_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        DWORD got = 0;
        if (!ReadFile(file, out + done, n - done, &got, nullptr) || got == 0) break;
        done += got;
    }
    return done;
}

bool writeAll(HANDLE file, const void* buffer, size_t n) {
    size_t done = 0;
    const auto* in = static_cast<const char*>(buffer);
    while (done < n) {
        DWORD put = 0;
        if (!WriteFile(file, in + done, static_cast<DWORD>(n - done), &put, nullptr) || put == 0)
            return false;
        done += put;
    }
    return true;
}

bool seek(HANDLE file, int64_t to) {
    LARGE_INTEGER at;
    at.QuadPart = to;
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
}

int64_t position(HANDLE file) {
    LARGE_INTEGER zero{}, at{};
    return SetFilePointerEx(file, zero, &at, FILE_CURRENT) ? at.QuadPart : -1;
}

// Copies everything from one file into another, from the start.
bool copyContents(HANDLE from, HANDLE to) {
    if (!seek(from, 0)) return false;
    char chunk[4096];
    for (;;) {
        uint32_t got = readAll(from, chunk, sizeof chunk);
        if (got == 0) return true;
        if (!writeAll(to, chunk, got)) return false;
    }
}

// The system's own words for an error code, without the full stop and line
// break it ends with, so that it reads inside a sentence.
std::string systemMessage(DWORD code) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text ? text : L"", n);
    LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' || words.back() == L' ' ||
                              words.back() == L'.'))
        words.pop_back();
    return words.empty() ? "error " + std::to_string(code) : narrow(words);
}

void deleteAndClose(HANDLE file) {
    FILE_DISPOSITION_INFO dispose{TRUE};
    SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose);
    CloseHandle(file);
}

// The system's own form of a full path, which a rename by handle needs.
std::wstring systemPath(const std::wstring& name) {
    DWORD n = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(name.c_str(), n, full.data(), nullptr);
    full.resize(n);
    if (full.rfind(L"\\\\?\\", 0) == 0) return L"\\??\\" + full.substr(4);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\??\\UNC\\" + full.substr(2);
    return L"\\??\\" + full;
}

// Gives the open file the name, replacing what has it, and waits a little
// for an opener of the old file to let go.
bool renameOver(HANDLE file, const std::wstring& name) {
    std::wstring target = systemPath(name);
    std::vector<char> bytes(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(bytes.data());
    info->ReplaceIfExists = TRUE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::memcpy(info->FileName, target.c_str(), (target.size() + 1) * sizeof(wchar_t));
    ULONGLONG deadline = GetTickCount64() + kRenameWaitMs;
    for (;;) {
        if (SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(bytes.size())))
            return true;
        DWORD why = GetLastError();
        bool held = why == ERROR_SHARING_VIOLATION || why == ERROR_ACCESS_DENIED;
        if (!held || GetTickCount64() >= deadline) return false;
        Sleep(1);
    }
}

class WindowsFile final : public File {
public:
    WindowsFile(HANDLE handle, std::wstring name, bool replaces)
        : handle_(handle), name_(std::move(name)), replaces_(replaces) {}
    ~WindowsFile() override {
        dropReplacement();
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }

    uint32_t read(void* buffer, uint32_t n) override { return readAll(active(), buffer, n); }

    bool write(const void* buffer, uint32_t n) override {
        bool ready = !replaces_ || temp_ != INVALID_HANDLE_VALUE || startReplacement(true);
        if (ready && writeAll(active(), buffer, n)) return true;
        failed_ = true;
        return fail();
    }

    int64_t size() override {
        LARGE_INTEGER bytes{};
        return GetFileSizeEx(active(), &bytes) ? bytes.QuadPart : -1;
    }

    bool rewind() override { return seek(active(), 0); }

    bool truncate() override {
        if (replaces_ && temp_ == INVALID_HANDLE_VALUE) return startReplacement(false) || fail();
        failed_ = false;
        return (seek(active(), 0) && SetEndOfFile(active())) || fail();
    }

    bool commit() override {
        if (failed_) {
            dropReplacement();
            return false;
        }
        if (temp_ == INVALID_HANDLE_VALUE) return FlushFileBuffers(handle_) != 0 || fail();
        if (!FlushFileBuffers(temp_)) {
            fail();
            dropReplacement();
            return false;
        }
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        if (!renameOver(temp_, name_)) {
            fail();
            dropReplacement();
            return false;
        }
        // The replacement is the file now; its sharing keeps others out until close.
        handle_ = temp_;
        temp_ = INVALID_HANDLE_VALUE;
        return true;
    }

    std::string failure() const override { return failure_; }

private:
    HANDLE active() const { return temp_ != INVALID_HANDLE_VALUE ? temp_ : handle_; }

    // Notes why the operation under way failed; always false.
    bool fail() {
        failure_ = systemMessage(GetLastError());
        return false;
    }

    // Starts the new contents beside the original, as a copy of it or empty.
    bool startReplacement(bool keepContents) {
        HANDLE temp = CreateFileW(pendingName(name_).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (temp == INVALID_HANDLE_VALUE) return false;
        if (keepContents) {
            int64_t at = position(handle_);
            if (at < 0 || !copyContents(handle_, temp) || !seek(temp, at)) {
                deleteAndClose(temp);
                return false;
            }
        }
        temp_ = temp;
        failed_ = false;
        return true;
    }

    void dropReplacement() {
        if (temp_ == INVALID_HANDLE_VALUE) return;
        deleteAndClose(temp_);
        temp_ = INVALID_HANDLE_VALUE;
    }

    HANDLE handle_;
    std::wstring name_;
    bool replaces_;
    HANDLE temp_ = INVALID_HANDLE_VALUE;
    bool failed_ = false;
    std::string failure_;
};

OpenError errorFromCode(DWORD code) {
    switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return OpenError::SharingViolation;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return OpenError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return OpenError::AccessDenied;
    default: return OpenError::Other;
    }
}

DWORD disposition(OpenMode mode) {
    switch (mode) {
    case OpenMode::Create: return CREATE_ALWAYS;
    case OpenMode::UpdateOrCreate: return OPEN_ALWAYS;
    default: return OPEN_EXISTING;
    }
}

// Windows refuses to write a read-only file even for an administrator;
// wine, run as the superuser, lets the open through.
bool readOnly(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(file, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
}

enum class Pending { None, Held };

// Whether another copy is putting a replacement in place right now; a
// replacement left by a writer that died is deleted on the way.
Pending pendingReplacement(const std::wstring& name) {
    HANDLE temp = CreateFileW(pendingName(name).c_str(), GENERIC_READ | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (temp != INVALID_HANDLE_VALUE) {
        CloseHandle(temp);
        return Pending::None;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION ? Pending::Held : Pending::None;
}

}  // namespace

std::unique_ptr<File> openFile(const std::string& name, OpenMode mode, OpenError& error) {
    std::wstring wide = widen(name);
    bool reading = mode == OpenMode::Read;
    bool replaces = mode == OpenMode::Update || mode == OpenMode::UpdateOrCreate;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        HANDLE file = CreateFileW(wide.c_str(), reading ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                                  reading ? FILE_SHARE_READ : 0, nullptr, disposition(mode),
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            error = errorFromCode(GetLastError());
            return nullptr;
        }
        if (!reading && readOnly(file)) {
            CloseHandle(file);
            error = OpenError::AccessDenied;
            return nullptr;
        }
        if (replaces && pendingReplacement(wide) == Pending::Held) {
            CloseHandle(file);
            Sleep(1);
            continue;
        }
        error = OpenError::None;
        return std::make_unique<WindowsFile>(file, wide, replaces);
    }
    // Another copy keeps putting its replacement in place: it is busy with the file.
    error = OpenError::SharingViolation;
    return nullptr;
}

}  // namespace vantor::platform::os
