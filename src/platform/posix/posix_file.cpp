#include "platform/os_services.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::platform::os {
namespace {

// How often an open is tried again when the name was moved to a new file
// between opening and locking (a writer replacing it).
constexpr int kOpenAttempts = 64;

uint32_t readAll(int fd, void* buffer, uint32_t n) {
    uint32_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        ssize_t got = ::read(fd, out + done, n - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<uint32_t>(got);
    }
    return done;
}

bool writeAll(int fd, const void* buffer, size_t n) {
    size_t done = 0;
    const auto* in = static_cast<const char*>(buffer);
    while (done < n) {
        ssize_t put = ::write(fd, in + done, n - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

// Copies everything from one file into another, from the start.
bool copyContents(int from, int to) {
    char chunk[4096];
    for (off_t at = 0;;) {
        ssize_t got = ::pread(from, chunk, sizeof chunk, at);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!writeAll(to, chunk, static_cast<size_t>(got))) return false;
        at += got;
    }
}

std::string folderOf(const std::string& name) {
    size_t slash = name.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
}

// A folder without any write permission bit takes no new names, even from
// the superuser, as a read-only file takes no writes.
bool folderRefusesNames(const std::string& name) {
    struct stat st {};
    return ::stat(folderOf(name).c_str(), &st) == 0 && (st.st_mode & 0222) == 0;
}

// A replacement is NAME. and six characters; one that nobody holds locked
// was left by a writer that died before renaming it. Only the holder of
// NAME calls this, so no live writer can be between making and locking one.
void removeLeftovers(const std::string& name) {
    std::string folder = folderOf(name);
    size_t slash = name.rfind('/');
    std::string prefix = (slash == std::string::npos ? name : name.substr(slash + 1)) + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        std::string leaf = entry->d_name;
        if (leaf.size() != prefix.size() + 6 || leaf.compare(0, prefix.size(), prefix) != 0) continue;
        std::string path = folder + "/" + leaf;
        int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

// A rename is durable only once the folder that holds the name is synced.
bool syncFolderOf(const std::string& name) {
    int fd = ::open(folderOf(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string name, bool replaces)
        : fd_(fd), name_(std::move(name)), replaces_(replaces) {}
    ~PosixFile() override {
        dropReplacement();
        ::close(fd_);
    }

    uint32_t read(void* buffer, uint32_t n) override { return readAll(active(), buffer, n); }

    bool write(const void* buffer, uint32_t n) override {
        bool ready = !replaces_ || temp_ >= 0 || startReplacement(true);
        if (ready && writeAll(active(), buffer, n)) return true;
        failed_ = true;
        return fail();
    }

    // Told by seeking, not by fstat: the browser's and node's file systems
    // answer fstat by the name a file was opened under, which a commit's
    // rename took away from the replacement now held.
    int64_t size() override {
        off_t here = ::lseek(active(), 0, SEEK_CUR);
        off_t end = here < 0 ? -1 : ::lseek(active(), 0, SEEK_END);
        if (end < 0 || ::lseek(active(), here, SEEK_SET) != here) return -1;
        return static_cast<int64_t>(end);
    }

    bool rewind() override { return ::lseek(active(), 0, SEEK_SET) == 0; }

    bool truncate() override {
        if (replaces_ && temp_ < 0) return startReplacement(false) || fail();
        failed_ = false;
        return (::ftruncate(active(), 0) == 0 && ::lseek(active(), 0, SEEK_SET) == 0) || fail();
    }

    bool commit() override {
        if (failed_) {
            dropReplacement();
            return false;
        }
        if (temp_ < 0) return ::fsync(fd_) == 0 || fail();
        if (::fsync(temp_) != 0 || ::rename(tempName_.c_str(), name_.c_str()) != 0) {
            fail();
            dropReplacement();
            return false;
        }
        bool durable = syncFolderOf(name_) || fail();
        // The replacement is the file now; its lock keeps others out until close.
        ::close(fd_);
        fd_ = temp_;
        temp_ = -1;
        tempName_.clear();
        return durable;
    }

    std::string failure() const override { return failure_; }

private:
    int active() const { return temp_ >= 0 ? temp_ : fd_; }

    // Notes why the operation under way failed; always false.
    bool fail() {
        failure_ = std::strerror(errno);
        return false;
    }

    // Starts the new contents beside the original, as a copy of it or empty.
    bool startReplacement(bool keepContents) {
        if (folderRefusesNames(name_)) {
            errno = EACCES;
            return false;
        }
        removeLeftovers(name_);
        std::string pattern = name_ + ".XXXXXX";
        int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) return false;
        // The name is ours while we hold the file: its mode is the held file's (see size).
        struct stat st {};
        bool ok = ::stat(name_.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) == 0 &&
                  ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (ok && keepContents) {
            off_t position = ::lseek(fd_, 0, SEEK_CUR);
            ok = position >= 0 && copyContents(fd_, fd) && ::lseek(fd, position, SEEK_SET) == position;
        }
        if (!ok) {
            int why = errno;
            ::unlink(pattern.c_str());
            ::close(fd);
            errno = why;
            return false;
        }
        temp_ = fd;
        tempName_ = pattern;
        failed_ = false;
        return true;
    }

    void dropReplacement() {
        if (temp_ < 0) return;
        ::unlink(tempName_.c_str());
        ::close(temp_);
        temp_ = -1;
        tempName_.clear();
    }

    int fd_;
    std::string name_;
    bool replaces_;
    int temp_ = -1;
    std::string tempName_;
    bool failed_ = false;
    std::string failure_;
};

OpenError errorFromErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR: return OpenError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return OpenError::AccessDenied;
    default: return OpenError::Other;
    }
}

int openFlags(OpenMode mode) {
    int flags = O_CLOEXEC | (mode == OpenMode::Read ? O_RDONLY : O_RDWR);
    if (mode == OpenMode::Create || mode == OpenMode::UpdateOrCreate) flags |= O_CREAT;
    return flags;
}

enum class Settled { Ready, Retry, Refused };

// Takes the lock the mode asks for. Retry when the name no longer leads to
// the file that was opened: a writer put a replacement in place meanwhile,
// and a lock on the old file would guard nothing.
Settled settle(int fd, const std::string& name, OpenMode mode, OpenError& error) {
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || S_ISDIR(opened.st_mode)) {
        error = OpenError::AccessDenied;
        return Settled::Refused;
    }
    if (mode != OpenMode::Read && (opened.st_mode & 0222) == 0) {
        error = OpenError::AccessDenied;
        return Settled::Refused;
    }
    int lock = (mode == OpenMode::Read ? LOCK_SH : LOCK_EX) | LOCK_NB;
    if (::flock(fd, lock) != 0) {
        error = errno == EWOULDBLOCK ? OpenError::SharingViolation : OpenError::Other;
        return Settled::Refused;
    }
    struct stat named {};
    if (::stat(name.c_str(), &named) != 0 || named.st_dev != opened.st_dev ||
        named.st_ino != opened.st_ino)
        return Settled::Retry;
    return Settled::Ready;
}

}  // namespace

// Every open takes a lock on the file (shared for Read, exclusive otherwise).
// A file without any write permission bit counts as read-only, even for the
// superuser. The replacement is a copy beside the original, renamed over it.
std::unique_ptr<File> openFile(const std::string& name, OpenMode mode, OpenError& error) {
    bool creates = (openFlags(mode) & O_CREAT) != 0;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (creates && ::access(name.c_str(), F_OK) != 0 && folderRefusesNames(name)) {
            error = OpenError::AccessDenied;
            return nullptr;
        }
        int fd = ::open(name.c_str(), openFlags(mode), 0644);
        if (fd < 0) {
            error = errorFromErrno(errno);
            return nullptr;
        }
        Settled settled = settle(fd, name, mode, error);
        if (settled == Settled::Retry) {
            ::close(fd);
            continue;
        }
        if (settled == Settled::Refused) {
            ::close(fd);
            return nullptr;
        }
        // Emptied only once the lock is ours, so a holder's file is never touched.
        if (mode == OpenMode::Create && ::ftruncate(fd, 0) != 0) {
            ::close(fd);
            error = OpenError::Other;
            return nullptr;
        }
        error = OpenError::None;
        bool replaces = mode == OpenMode::Update || mode == OpenMode::UpdateOrCreate;
        return std::make_unique<PosixFile>(fd, name, replaces);
    }
    // The name keeps moving under us: somebody is busy with it.
    error = OpenError::SharingViolation;
    return nullptr;
}

}  // namespace vantor::platform::os
