#include "screens/high_score_table.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "app/startup.h"
#include "common/little_endian.h"
#include "common/utf8_file.h"

namespace vantor {
namespace {

using Mode = ResourceFile::Mode;

constexpr int kFileBytes = kHighScoreEntries * kHighScoreRecordBytes;
constexpr int kNameBytes = sizeof(HighScoreEntry::name);

bool validSize(int64_t size) {
    return size >= 0 && size % kHighScoreRecordBytes == 0 && size <= kFileBytes;
}

void decode(const uint8_t* record, HighScoreEntry& entry) {
    std::memcpy(entry.name, record, kNameBytes);
    entry.score = readI32(record + kNameBytes);
}

void encode(const HighScoreEntry& entry, uint8_t* record) {
    std::memcpy(record, entry.name, kNameBytes);
    writeI32(record + kNameBytes, entry.score);
}

// The player's data folder may not exist yet on a fresh account.
void makeFolderOf(const std::string& path) {
    std::filesystem::path folder = utf8Path(path).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
}

// Scores that silently vanish are worse than a word about them; one line per
// place is enough, and the game goes on.
void reportUnwritable(const std::string& path) {
    static std::string reported;
    if (reported == path) return;
    reported = path;
    std::fprintf(stderr, "vantor: cannot write %s: scores are not kept\n", path.c_str());
}

}  // namespace

int HighScoreTable::loadForUpdate() {
    file.close();
    path_ = installedFilePath("HIGH30");
    if (!file.open(path_, Mode::Update)) {
        if (file.lastError() == platform::OpenError::SharingViolation) return 2;
        reset();
        return 1;
    }
    int64_t size = file.size();
    if (!validSize(size)) {
        reset();
        file.close();
        return 1;
    }
    count = static_cast<int32_t>(size / kHighScoreRecordBytes);
    uint8_t bytes[kFileBytes] = {};
    file.read(bytes, static_cast<uint32_t>(size));
    for (int i = 0; i < count; ++i) decode(bytes + i * kHighScoreRecordBytes, entries[i]);
    file.rewind();
    sortDescending();
    return 0;
}

bool HighScoreTable::createFile() {
    file.close();
    path_ = installedFilePath("HIGH30");
    makeFolderOf(path_);
    if (!file.open(path_, Mode::UpdateOrCreate)) {
        if (file.lastError() != platform::OpenError::SharingViolation) reportUnwritable(path_);
        return false;
    }
    int64_t size = file.size();
    if (size == 0) return true;
    // Another copy may have stored a good table since this one found the file
    // unusable; that table is worth more than an empty one.
    bool unusable = !validSize(size);
    if (unusable && file.truncate() && file.commit()) return true;
    file.close();
    return false;
}

void HighScoreTable::writeBack() {
    if (!file.isOpen() && createAtWriteBack) createFile();
    createAtWriteBack = false;
    if (!file.isOpen()) return;
    uint8_t bytes[kFileBytes];
    for (int i = 0; i < count; ++i) encode(entries[i], bytes + i * kHighScoreRecordBytes);
    // The file then holds exactly this table, even one shorter than what was loaded.
    bool written = file.truncate() &&
                   file.write(bytes, static_cast<uint32_t>(count * kHighScoreRecordBytes));
    if (!written || !file.commit()) reportUnwritable(path_);
    file.close();
}

void HighScoreTable::close() {
    file.close();
    createAtWriteBack = false;
}

bool HighScoreTable::qualifies(int32_t score) const {
    return count < kHighScoreEntries || score > entries[count - 1].score;
}

void HighScoreTable::sortDescending() {
    for (int i = 0; i < count - 1; ++i) {
        int best = i;
        for (int k = i + 1; k < count; ++k)
            if (entries[k].score > entries[best].score) best = k;
        std::swap(entries[i], entries[best]);
    }
}

void HighScoreTable::reset() {
    count = 0;
    for (HighScoreEntry& entry : entries) entry = HighScoreEntry{};
}

std::string HighScoreTable::nameOf(int i) const {
    return std::string(entries[i].name, strnlen(entries[i].name, kNameBytes));
}

}  // namespace vantor
