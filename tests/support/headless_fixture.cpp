#include "support/headless_fixture.h"

#include <filesystem>
#include <random>

namespace vantor::testing {

ScopedTempDir::ScopedTempDir(const std::string& base) {
    previous_ = std::filesystem::current_path().string();
    std::filesystem::path parent = base;
    if (base.empty() || !std::filesystem::is_directory(parent))
        parent = std::filesystem::temp_directory_path();
    path_ = previous_;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = parent / ("vantor-test-" + std::to_string(random()));
        std::error_code taken;
        if (std::filesystem::create_directory(candidate, taken)) {
            path_ = candidate.string();
            break;
        }
    }
    std::filesystem::current_path(path_);
}

ScopedTempDir::~ScopedTempDir() {
    std::filesystem::current_path(previous_);
    if (path_ == previous_) return;
    // Windows removes no read-only file, and tests make some.
    std::error_code ignored;
    for (const auto& item : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(item.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

bool copyFromBuild(const std::string& name) {
    std::error_code error;
    std::filesystem::copy_file(std::string(VANTOR_BUILD_DIR) + "/" + name, name,
                               std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

}  // namespace vantor::testing
