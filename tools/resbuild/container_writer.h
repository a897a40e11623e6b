#pragma once
#include <vector>

#include "bytes.h"

namespace resbuild {

// Lays out a resource image: a slot count, then the image block starting with
// one 4-byte slot per item. Offsets are counted from the block's start.
class ContainerWriter {
public:
    explicit ContainerWriter(int slotCount);

    // Where the next appended bytes will start.
    int32_t next() const { return static_cast<int32_t>(block_.size()); }
    int32_t append(const Bytes& bytes);
    // A table whose entries point at the given block offsets.
    int32_t appendTable(const std::vector<int32_t>& itemOffsets);
    // The items, then a table of them.
    int32_t appendItemsAndTable(const std::vector<Bytes>& items);

    void setSlot(int slot, int32_t offset);
    // The whole file: slot count and block.
    Bytes finish() const;

private:
    int slotCount_;
    Bytes block_;
};

}  // namespace resbuild
