#include "resources/resource_image.h"

#include "common/little_endian.h"
#include "resources/resource_file.h"

namespace vantor {

const uint8_t* ResourceImage::slot(int index) const {
    if (index < 0 || index >= slotCount()) return nullptr;
    int64_t offset = slots_[static_cast<size_t>(index)];
    if (offset < 0 || offset >= static_cast<int64_t>(block_.size())) return nullptr;
    return block_.data() + offset;
}

size_t ResourceImage::bytesFrom(const uint8_t* p) const {
    const uint8_t* begin = block_.data();
    const uint8_t* end = begin + block_.size();
    if (p < begin || p >= end) return 0;
    return static_cast<size_t>(end - p);
}

const uint8_t* const* ResourceImage::RelocateTable(int index, int& count) {
    count = 0;
    if (index < 0 || index >= slotCount()) return nullptr;
    if (relocated_.size() < slots_.size()) relocated_.resize(slots_.size(), false);
    const uint8_t* table = slot(index);
    if (!table || relocated_[static_cast<size_t>(index)] || bytesFrom(table) < 4) return nullptr;
    int32_t n = readI32(table);
    int64_t first = slots_[static_cast<size_t>(index)] + 4;
    auto& entries = tables_.emplace_back();
    if (n > 0) {
        if (static_cast<uint64_t>(n) * 4 > bytesFrom(table) - 4) return nullptr;
        entries.reserve(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            int64_t at = first + readI32(table + 4 + 4 * static_cast<size_t>(i));
            if (at < 0 || at >= static_cast<int64_t>(block_.size())) return nullptr;
            entries.push_back(block_.data() + at);
        }
        count = n;
    }
    entries.push_back(nullptr);  // so an empty table still has an address
    relocated_[static_cast<size_t>(index)] = true;
    slots_[static_cast<size_t>(index)] = first;
    return entries.data();
}

namespace {

// The largest image the game agrees to hold in memory.
constexpr int64_t kMostBytes = int64_t{1} << 30;

std::unique_ptr<ResourceImage> failure(std::string* problem, std::string what) {
    if (problem) *problem = std::move(what);
    return nullptr;
}

std::unique_ptr<ResourceImage> fromBlock(int32_t n, std::vector<uint8_t>&& block,
                                         std::string* problem) {
    if (n < 0) return failure(problem, "a negative slot count (" + std::to_string(n) + ")");
    if (static_cast<uint64_t>(n) * 4 > block.size())
        return failure(problem, std::to_string(n) + " slots do not fit in the " +
                                    std::to_string(block.size()) + " bytes after the count");
    auto image = std::make_unique<ResourceImage>();
    image->block_ = std::move(block);
    image->slots_.resize(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        image->slots_[static_cast<size_t>(i)] = readI32(image->block_.data() + 4 * i);
    return image;
}

}  // namespace

std::unique_ptr<ResourceImage> resourceImageFromBytes(const uint8_t* bytes, size_t size,
                                                      std::string* problem) {
    if (size < 4) return failure(problem, "too short (" + std::to_string(size) + " bytes)");
    return fromBlock(readI32(bytes), std::vector<uint8_t>(bytes + 4, bytes + size), problem);
}

std::unique_ptr<ResourceImage> LoadResourceImage(const std::string& name, std::string* problem) {
    ResourceFile file;
    if (!file.open(name, ResourceFile::Mode::Read))
        return failure(problem, file.lastError() == platform::OpenError::NotFound ? "missing" : file.failure());
    int64_t size = file.size();
    if (size < 0) return failure(problem, "its size cannot be told");
    if (size < 4) return failure(problem, "too short (" + std::to_string(size) + " bytes)");
    if (size > kMostBytes) return failure(problem, "too large (" + std::to_string(size) + " bytes)");
    uint8_t count[4];
    std::vector<uint8_t> block(static_cast<size_t>(size - 4));
    bool complete = file.read(count, 4) == 4 &&
                    file.read(block.data(), static_cast<uint32_t>(block.size())) == block.size();
    file.close();
    if (!complete) return failure(problem, "could not be read whole");
    return fromBlock(readI32(count), std::move(block), problem);
}

}  // namespace vantor
