#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/system.h"

namespace vantor {

// One open file of the game, in one of the three modes.
class ResourceFile {
public:
    using Mode = platform::OpenMode;

    // True when a handle was obtained; lastError tells why not.
    bool open(const std::string& name, Mode mode);
    // The number of bytes actually read.
    uint32_t read(void* buffer, uint32_t n);
    // True when all n bytes were written.
    bool write(const void* buffer, uint32_t n);
    int64_t size();
    bool rewind();
    bool commit();
    bool truncate();
    void close();
    bool isOpen() const { return file_ != nullptr; }
    platform::OpenError lastError() const { return error_; }
    // Why the last open, write, truncate or commit failed, in words.
    std::string failure() const;

private:
    std::unique_ptr<platform::File> file_;
    platform::OpenError error_ = platform::OpenError::None;
    Mode mode_ = Mode::Read;
};

}  // namespace vantor
