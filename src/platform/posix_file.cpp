#include "platform/posix_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::platform {
namespace {

class PosixFile final : public File {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }

    uint32_t read(void* buffer, uint32_t n) override {
        uint32_t done = 0;
        auto* out = static_cast<char*>(buffer);
        while (done < n) {
            ssize_t got = ::read(fd_, out + done, n - done);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
            done += static_cast<uint32_t>(got);
        }
        return done;
    }

    bool write(const void* buffer, uint32_t n) override {
        uint32_t done = 0;
        const auto* in = static_cast<const char*>(buffer);
        while (done < n) {
            ssize_t put = ::write(fd_, in + done, n - done);
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return false;
            done += static_cast<uint32_t>(put);
        }
        return true;
    }

    int64_t size() override {
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
    }

    bool rewind() override { return ::lseek(fd_, 0, SEEK_SET) == 0; }
    bool commit() override { return ::fsync(fd_) == 0; }

private:
    int fd_;
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

}  // namespace

std::unique_ptr<File> openPosixFile(const std::string& name, OpenMode mode, OpenError& error) {
    int flags = O_CLOEXEC | (mode == OpenMode::Read ? O_RDONLY : O_RDWR);
    if (mode == OpenMode::Create) flags |= O_CREAT;
    int fd = ::open(name.c_str(), flags, 0644);
    if (fd < 0) {
        error = errorFromErrno(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        error = OpenError::AccessDenied;
        return nullptr;
    }
    int lock = (mode == OpenMode::Read ? LOCK_SH : LOCK_EX) | LOCK_NB;
    if (::flock(fd, lock) != 0) {
        ::close(fd);
        error = OpenError::SharingViolation;
        return nullptr;
    }
    // Emptied only once the lock is ours, so a holder's file is never touched.
    if (mode == OpenMode::Create && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        error = OpenError::Other;
        return nullptr;
    }
    error = OpenError::None;
    return std::make_unique<PosixFile>(fd);
}

}  // namespace vantor::platform
