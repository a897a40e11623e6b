#include "support/headless_fixture.h"

#include <filesystem>
#include <unistd.h>

namespace vantor::testing {

ScopedTempDir::ScopedTempDir() {
    previous_ = std::filesystem::current_path().string();
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-test-XXXXXX").string();
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
