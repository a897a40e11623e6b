#include "screens/saved_game.h"

#include <algorithm>
#include <cstring>

#include "app/startup.h"
#include "common/little_endian.h"
#include "game/game_snapshot.h"
#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/name_entry.h"
#include "video/vdp.h"

namespace vantor {
namespace {

using Mode = ResourceFile::Mode;

constexpr uint8_t kMagic[4] = {'V', '3', '0', 'G'};
constexpr size_t kHeaderBytes = 12;
constexpr size_t kChecksumBytes = 4;
constexpr size_t kMostFileBytes = 64 * 1024;
constexpr size_t kNameBytes = sizeof(HighScoreEntry::name);
constexpr size_t kFinishedBytes = 4 + kNameBytes;
constexpr int kNotKeptMessage = 22;
constexpr int32_t kNoticeFrames = 200;
constexpr int kNoticeX = 321;  // between the menu button and the speed gauge
constexpr int kNoticeY = 8;

uint32_t checksum(const uint8_t* bytes, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 16777619u;
    return hash;
}

// A game whose board or indicators break the rules is no game to go on with.
bool playable(const std::vector<uint8_t>& snapshot) {
    std::vector<uint8_t> now = takeGameSnapshot();
    if (!restoreGameSnapshot(snapshot.data(), snapshot.size())) return false;
    restoreGameSnapshot(now.data(), now.size());
    return true;
}

bool finishedGameReads(const std::vector<uint8_t>& payload) {
    return payload.size() == kFinishedBytes && readI32(payload.data()) >= 0 &&
           std::memchr(payload.data() + 4, 0, kNameBytes) != nullptr;
}

std::vector<uint8_t> fileBytes(ResourceFile& file) {
    int64_t size = file.size();
    if (size <= 0 || !file.rewind()) return {};
    std::vector<uint8_t> bytes(static_cast<size_t>(std::min<int64_t>(size, kMostFileBytes + 1)));
    bytes.resize(file.read(bytes.data(), static_cast<uint32_t>(bytes.size())));
    return bytes;
}

// What a damaged file held goes beside it, as HIGH30's does.
void keepDamaged(const std::vector<uint8_t>& bytes) {
    ResourceFile copy;
    if (copy.open(installedFilePath("GAME30.damaged"), Mode::Create) &&
        copy.write(bytes.data(), static_cast<uint32_t>(bytes.size())))
        copy.commit();
}

// Where a score enters the table: below every entry at least as good.
int placeFor(int32_t score) {
    HighScoreTable& table = highScoreTable;
    int row = 0;
    while (row < table.count && table.entries[row].score >= score) ++row;
    return row;
}

}  // namespace

std::vector<uint8_t> savedGameFileBytes(uint8_t kind, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> bytes(kHeaderBytes + payload.size());
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    bytes[4] = SavedGame::kVersion;
    bytes[5] = kind;
    writeI32(bytes.data() + 8, static_cast<int32_t>(payload.size()));
    std::copy(payload.begin(), payload.end(), bytes.begin() + kHeaderBytes);
    appendU32(bytes, checksum(bytes.data(), bytes.size()));
    return bytes;
}

bool readSavedGameFile(const std::vector<uint8_t>& bytes, uint8_t& kind, std::vector<uint8_t>& payload) {
    if (bytes.size() < kHeaderBytes + kChecksumBytes || bytes.size() > kMostFileBytes) return false;
    if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 || bytes[4] != SavedGame::kVersion) return false;
    size_t length = readU32(bytes.data() + 8);
    if (length != bytes.size() - kHeaderBytes - kChecksumBytes) return false;
    size_t end = kHeaderBytes + length;
    if (checksum(bytes.data(), end) != readU32(bytes.data() + end)) return false;
    kind = bytes[5];
    payload.assign(bytes.begin() + kHeaderBytes, bytes.begin() + static_cast<ptrdiff_t>(end));
    return (kind == 1 && playable(payload)) || (kind == 2 && finishedGameReads(payload));
}

void SavedGame::open() {
    *this = SavedGame{};
    std::string path = installedFilePath("GAME30");
    if (!file_.open(path, Mode::UpdateOrCreate)) {
        if (file_.lastError() == platform::OpenError::SharingViolation) noticeFrames_ = kNoticeFrames;
        return;
    }
    held_ = true;
    read();
}

void SavedGame::read() {
    std::vector<uint8_t> bytes = fileBytes(file_);
    if (bytes.empty()) {
        // Stored at once, so that storage read afresh by another file keeps it.
        file_.commit();
        return;
    }
    uint8_t kind = Nothing;
    if (readSavedGameFile(bytes, kind, stored_)) {
        kind_ = static_cast<Kind>(kind);
        return;
    }
    stored_.clear();
    keepDamaged(bytes);
    if (file_.truncate()) file_.commit();
}

void SavedGame::close() {
    keepLatest();
    file_.close();
    held_ = false;
}

bool SavedGame::resume() {
    return held_ && kind_ == InPlay && restoreGameSnapshot(stored_.data(), stored_.size());
}

void SavedGame::noteFrame() {
    bool rest = gameAtRest();
    if (rest && !atRest_ && held_) store(InPlay, takeGameSnapshot());
    atRest_ = rest;
}

// Within a rest only its idle motion goes on, so the game as it stands is
// that rest's latest frame; taken only when it is wanted, not every frame.
void SavedGame::keepLatest() {
    if (kind_ != InPlay || !atRest_ || !gameAtRest()) return;
    std::vector<uint8_t> latest = takeGameSnapshot();
    if (latest != stored_) store(InPlay, latest);
}

void SavedGame::finish(int32_t score) {
    std::vector<uint8_t> payload(kFinishedBytes, 0);
    writeI32(payload.data(), score);
    atRest_ = false;
    store(Finished, payload);
}

void SavedGame::noteName(const char* name) {
    if (kind_ != Finished) return;
    std::vector<uint8_t> payload = stored_;
    std::memset(payload.data() + 4, 0, kNameBytes);
    std::memcpy(payload.data() + 4, name, strnlen(name, kNameBytes - 1));
    if (payload != stored_) store(Finished, payload);
}

void SavedGame::discard() {
    atRest_ = false;
    if (!held_ || kind_ == Nothing) return;
    kind_ = Nothing;
    stored_.clear();
    if (file_.truncate()) file_.commit();
}

void SavedGame::store(Kind kind, const std::vector<uint8_t>& payload) {
    if (!held_ || storageFailed_) return;
    std::vector<uint8_t> bytes = savedGameFileBytes(kind, payload);
    // A failed write leaves the rest stored before and the game goes on. It
    // is not tried again this run: in the browser each try can hold the game
    // for seconds while the storage makes up its mind.
    if (file_.truncate() && file_.write(bytes.data(), static_cast<uint32_t>(bytes.size())) && file_.commit()) {
        kind_ = kind;
        stored_ = payload;
    } else {
        storageFailed_ = true;
    }
}

void SavedGame::enterWaitingScore() {
    if (kind_ != Finished) return;
    HighScoreTable& table = highScoreTable;
    int opened = table.loadForUpdate();
    if (opened == 2) return;  // another copy has the table: a later start tries again
    if (opened == 1) table.createAtWriteBack = true;
    int32_t score = readI32(stored_.data());
    if (table.qualifies(score)) {
        int row = placeFor(score);
        if (table.count < kHighScoreEntries) ++table.count;
        std::move_backward(table.entries + row, table.entries + table.count - 1, table.entries + table.count);
        table.entries[row] = HighScoreEntry{{}, score};
        std::memcpy(table.entries[row].name, stored_.data() + 4, kNameBytes);
        if (table.entries[row].name[0] == 0) fillDefaultName(row);
        table.writeBack();
    }
    table.close();
    discard();
}

void SavedGame::drawNotice() {
    if (noticeFrames_ <= 0) return;
    --noticeFrames_;
    DrawnArea area;
    vdp.drawText(kNoticeX, kNoticeY, message(kNotKeptMessage), AlignCentre, area);
}

}  // namespace vantor
