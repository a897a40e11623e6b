#include "screens/high_score_table.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

#include "app/startup.h"
#include "common/little_endian.h"
#include "common/utf8_file.h"
#include "platform/platform.h"

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

}  // namespace

int HighScoreTable::loadForUpdate() {
    file.close();
    damaged_ = false;
    path_ = installedFilePath("HIGH30");
    if (!file.open(path_, Mode::Update)) {
        if (file.lastError() == platform::OpenError::SharingViolation) return 2;
        failure_ = file.failure();
        reset();
        if (file.lastError() == platform::OpenError::AccessDenied) loadReadOnly();
        return 1;
    }
    if (!readEntries(file)) {
        reset();
        file.close();
        return 1;
    }
    file.rewind();
    return 0;
}

// Every whole record, best first; a file of another size is damaged, not
// worthless.
bool HighScoreTable::readEntries(ResourceFile& from) {
    int64_t size = from.size();
    if (size < 0) return false;
    damaged_ = !validSize(size);
    count = static_cast<int32_t>(std::min<int64_t>(size / kHighScoreRecordBytes, kHighScoreEntries));
    uint8_t bytes[kFileBytes] = {};
    from.read(bytes, static_cast<uint32_t>(count * kHighScoreRecordBytes));
    for (int i = 0; i < count; ++i) decode(bytes + i * kHighScoreRecordBytes, entries[i]);
    sortDescending();
    return true;
}

// A table that can be read but not written is still worth showing.
void HighScoreTable::loadReadOnly() {
    ResourceFile reader;
    if (reader.open(path_, Mode::Read) && !readEntries(reader)) reset();
}

bool HighScoreTable::createFile() {
    file.close();
    path_ = installedFilePath("HIGH30");
    makeFolderOf(path_);
    if (!file.open(path_, Mode::UpdateOrCreate)) {
        failure_ = file.failure();
        return false;
    }
    int64_t size = file.size();
    if (size == 0) return true;
    // Another copy may have stored a good table since this one found the file
    // unusable; that table is worth more than an empty one.
    damaged_ = !validSize(size);
    if (!damaged_) {
        failure_ = "another copy of the game stored its table meanwhile";
    } else if (keepDamaged()) {
        if (file.truncate() && file.commit()) return true;
        failure_ = file.failure();
    }
    file.close();
    return false;
}

void HighScoreTable::writeBack() {
    if (!file.isOpen() && createAtWriteBack) createFile();
    createAtWriteBack = false;
    if (!file.isOpen() || !store()) tellNotStored();
    file.close();
}

// The file then holds exactly this table, even one shorter than what was loaded.
bool HighScoreTable::store() {
    if (damaged_ && !keepDamaged()) return false;
    uint8_t bytes[kFileBytes];
    for (int i = 0; i < count; ++i) encode(entries[i], bytes + i * kHighScoreRecordBytes);
    if (file.truncate() && file.write(bytes, static_cast<uint32_t>(count * kHighScoreRecordBytes)) &&
        file.commit())
        return true;
    failure_ = file.failure();
    return false;
}

// What a damaged file held goes beside it before anything is written over it.
bool HighScoreTable::keepDamaged() {
    std::string name = path_ + ".damaged";
    ResourceFile copy;
    bool kept = copy.open(name, Mode::Create) && file.rewind();
    uint8_t chunk[4096];
    for (uint32_t n = 0; kept && (n = file.read(chunk, sizeof chunk)) > 0;) kept = copy.write(chunk, n);
    kept = kept && copy.commit() && file.rewind();
    if (!kept) failure_ = "the damaged file cannot be kept as " + name + ": " + copy.failure();
    damaged_ = !kept;
    return kept;
}

// The player would otherwise believe the score is kept.
void HighScoreTable::tellNotStored() const {
    std::string why = failure_.empty() ? "it cannot be written" : failure_;
    std::string text = "Can't store the score in " + path_ + ": " + why + ".";
    platform::system().messageBox("ERROR!", text.c_str());
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
