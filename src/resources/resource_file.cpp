#include "resources/resource_file.h"

#include "platform/platform.h"

namespace vantor {

bool ResourceFile::open(const std::string& name, Mode mode) {
    mode_ = mode;
    file_ = platform::system().openFile(name, mode, error_);
    return file_ != nullptr;
}

uint32_t ResourceFile::read(void* buffer, uint32_t n) { return file_ ? file_->read(buffer, n) : 0; }
bool ResourceFile::write(const void* buffer, uint32_t n) { return file_ && file_->write(buffer, n); }
int64_t ResourceFile::size() { return file_ ? file_->size() : -1; }
bool ResourceFile::rewind() { return file_ && file_->rewind(); }
bool ResourceFile::commit() { return file_ && file_->commit(); }
bool ResourceFile::truncate() { return file_ && file_->truncate(); }
void ResourceFile::close() { file_.reset(); }

std::string ResourceFile::failure() const {
    using platform::OpenError;
    if (file_) return file_->failure();
    switch (error_) {
    case OpenError::NotFound: return "no such file or folder";
    case OpenError::AccessDenied:
        return mode_ == Mode::Read ? "it may not be read" : "it or its folder is read-only";
    case OpenError::SharingViolation: return "another program holds it";
    case OpenError::Other: return "it cannot be opened";
    case OpenError::None: break;
    }
    return {};
}

}  // namespace vantor
