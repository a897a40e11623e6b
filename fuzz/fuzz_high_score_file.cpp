// Any bytes as HIGH30: the table loads or is refused, never holds more than
// the file can, comes out best first, and draws without leaving its names.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/high_score_view.h"
#include "video/vdp.h"

namespace {

// Run in the build folder: its DATA30.RES gives the font. HIGH30 goes to a
// folder of its own, the installation folder.
std::string setUp() {
    vantor::platform::headless::installFresh();
    if (!vantor::vdp.init(true) || !vantor::loadData30()) {
        std::fprintf(stderr, "run this in the build folder, beside DATA30.RES\n");
        std::abort();
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    setenv("VANTOR_HOME", (pattern + "/").c_str(), 1);
    return pattern + "/HIGH30";
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = setUp();
    using vantor::highScoreTable;
    writeFile(path, data, size);
    int result = highScoreTable.loadForUpdate();
    bool valid = size % 40 == 0 && size <= 600;
    if (result != (valid ? 0 : 1)) std::abort();
    if (highScoreTable.count != (valid ? static_cast<int>(size / 40) : 0)) std::abort();
    for (int i = 0; i < highScoreTable.count; ++i) {
        if (highScoreTable.nameOf(i).size() > 36) std::abort();
        if (i > 0 && highScoreTable.entries[i].score > highScoreTable.entries[i - 1].score) std::abort();
    }
    highScoreTable.qualifies(static_cast<int32_t>(size));
    vantor::drawTable();
    highScoreTable.close();
    return 0;
}
