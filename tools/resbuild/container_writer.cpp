#include "container_writer.h"

namespace resbuild {

ContainerWriter::ContainerWriter(int slotCount) : slotCount_(slotCount), block_(4 * static_cast<size_t>(slotCount), 0) {}

int32_t ContainerWriter::append(const Bytes& bytes) {
    int32_t at = next();
    block_.insert(block_.end(), bytes.begin(), bytes.end());
    return at;
}

int32_t ContainerWriter::appendTable(const std::vector<int32_t>& itemOffsets) {
    int32_t at = next();
    int32_t firstEntry = at + 4;
    Bytes t;
    put32(t, static_cast<int32_t>(itemOffsets.size()));
    for (int32_t item : itemOffsets) put32(t, item - firstEntry);
    append(t);
    return at;
}

int32_t ContainerWriter::appendItemsAndTable(const std::vector<Bytes>& items) {
    std::vector<int32_t> offsets;
    offsets.reserve(items.size());
    for (const Bytes& item : items) offsets.push_back(append(item));
    return appendTable(offsets);
}

void ContainerWriter::setSlot(int slot, int32_t offset) {
    auto u = static_cast<uint32_t>(offset);
    for (int i = 0; i < 4; ++i) block_[4 * static_cast<size_t>(slot) + i] = static_cast<uint8_t>(u >> (8 * i));
}

Bytes ContainerWriter::finish() const {
    Bytes file;
    put32(file, slotCount_);
    file.insert(file.end(), block_.begin(), block_.end());
    return file;
}

}  // namespace resbuild
