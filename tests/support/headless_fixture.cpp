#include "support/headless_fixture.h"

#include <filesystem>
#include <unistd.h>

namespace vantor::testing {

ScopedTempDir::ScopedTempDir(const std::string& base) {
    previous_ = std::filesystem::current_path().string();
    std::filesystem::path parent = base;
    if (base.empty() || !std::filesystem::is_directory(parent))
        parent = std::filesystem::temp_directory_path();
    std::string pattern = (parent / "vantor-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : previous_;
    std::filesystem::current_path(path_);
}

ScopedTempDir::~ScopedTempDir() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    if (path_ != previous_) std::filesystem::remove_all(path_, ignored);
}

bool copyFromBuild(const std::string& name) {
    std::error_code error;
    std::filesystem::copy_file(std::string(VANTOR_BUILD_DIR) + "/" + name, name,
                               std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

}  // namespace vantor::testing
