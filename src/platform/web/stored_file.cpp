#include "platform/web/stored_file.h"

#include <cstdio>
#include <set>
#include <string>

#include "platform/os_services.h"
#include "platform/web/web_page.h"

namespace vantor::platform::web {
namespace {

class StoredFile final : public File {
public:
    StoredFile(std::unique_ptr<File> file, int lock) : file_(std::move(file)), lock_(lock) {}
    ~StoredFile() override {
        file_.reset();
        if (lock_ > 0) vantor_storage_unlock(lock_);
    }

    uint32_t read(void* buffer, uint32_t n) override { return file_->read(buffer, n); }
    bool write(const void* buffer, uint32_t n) override { return file_->write(buffer, n); }
    int64_t size() override { return file_->size(); }
    bool rewind() override { return file_->rewind(); }
    bool truncate() override { return file_->truncate(); }
    // Stored before the lock goes, so the next tab to take it reads this.
    bool commit() override {
        if (!file_->commit()) return false;
        if (vantor_storage_sync(0)) return true;
        failure_ = std::string("the browser did not store it (") + vantor_storage_failure() + ")";
        return false;
    }
    std::string failure() const override { return failure_.empty() ? file_->failure() : failure_; }

private:
    std::unique_ptr<File> file_;
    int lock_;
    std::string failure_;
};

// Said once for each time another tab is found holding a file, not at
// every retry: the names said and not yet had since.
std::set<std::string> toldHeld;

}  // namespace

std::unique_ptr<File> openStoredFile(const std::string& name, OpenMode mode, OpenError& error) {
    int lock = vantor_storage_lock(name.c_str(), mode == OpenMode::Read ? 0 : 1);
    if (lock == 0) {
        if (toldHeld.insert(name).second) std::fprintf(stderr, "%s is held by another tab\n", name.c_str());
        error = OpenError::SharingViolation;
        return nullptr;
    }
    toldHeld.erase(name);
    // Without storage the copy in memory still serves this tab.
    vantor_storage_sync(1);
    std::unique_ptr<File> file = os::openFile(name, mode, error);
    if (!file) {
        if (lock > 0) vantor_storage_unlock(lock);
        return nullptr;
    }
    return std::make_unique<StoredFile>(std::move(file), lock);
}

}  // namespace vantor::platform::web
