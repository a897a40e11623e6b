#include "screens/high_score_table.h"

#include <cstring>
#include <utility>

#include "app/startup.h"
#include "common/little_endian.h"

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

}  // namespace

int HighScoreTable::loadForUpdate() {
    file.close();
    if (!file.open(installedFilePath("HIGH30"), Mode::Update)) {
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
    if (!file.open(installedFilePath("HIGH30"), Mode::UpdateOrCreate)) return false;
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
    if (written) file.commit();
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
