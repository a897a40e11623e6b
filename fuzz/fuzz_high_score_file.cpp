// Any bytes as HIGH30: the table holds the file's whole records (15 at
// most), best first, and draws without leaving its names; written back, the
// file holds exactly that table, and a damaged one (of a size that is no
// multiple of 40, or too large) is first kept byte for byte as HIGH30.damaged.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_files.h"
#include "screens/high_score_table.h"
#include "screens/high_score_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = vantor::fuzz::gameWithFreshHome() + "HIGH30";
    using vantor::highScoreTable;
    using vantor::fuzz::readFile;
    vantor::fuzz::writeFile(path, data, size);
    const std::string damagedPath = path + ".damaged";
    std::remove(damagedPath.c_str());
    if (highScoreTable.loadForUpdate() != 0) std::abort();
    size_t whole = std::min<size_t>(size / 40, 15);
    if (highScoreTable.count != static_cast<int>(whole)) std::abort();
    for (int i = 0; i < highScoreTable.count; ++i) {
        if (highScoreTable.nameOf(i).size() > 36) std::abort();
        if (i > 0 && highScoreTable.entries[i].score > highScoreTable.entries[i - 1].score) std::abort();
    }
    highScoreTable.qualifies(static_cast<int32_t>(size));
    vantor::drawTable();

    std::vector<uint8_t> table;
    for (int i = 0; i < highScoreTable.count; ++i) {
        const auto* record = reinterpret_cast<const uint8_t*>(highScoreTable.entries[i].name);
        table.insert(table.end(), record, record + 36);
        int32_t score = highScoreTable.entries[i].score;
        for (int shift = 0; shift < 32; shift += 8) table.push_back(static_cast<uint8_t>(score >> shift));
    }
    highScoreTable.writeBack();
    if (!std::filesystem::exists(path) || readFile(path) != table) std::abort();
    bool damaged = size % 40 != 0 || size > 600;
    if (std::filesystem::exists(damagedPath) != damaged) std::abort();
    if (damaged && readFile(damagedPath) != std::vector<uint8_t>(data, data + size)) std::abort();
    return 0;
}
