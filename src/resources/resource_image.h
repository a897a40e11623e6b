#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace vantor {

// A loaded resource image: the file's bytes after the slot count, its slots
// turned into positions in the block, and the tables made usable.
// Every position is checked against the block, so nothing the file says can
// make the game read outside it.
class ResourceImage {
public:
    const uint8_t* data() const { return block_.data(); }
    size_t size() const { return block_.size(); }
    int slotCount() const { return static_cast<int>(slots_.size()); }

    // The data a slot points at, or nullptr when the slot is missing or outside the block.
    const uint8_t* slot(int index) const;
    // Bytes from p to the end of the block (0 for a pointer outside it).
    size_t bytesFrom(const uint8_t* p) const;

    // Turns the table a slot points at into an array of entry pointers and moves
    // the slot past the count. nullptr when the table or any entry lies outside
    // the block, or it was relocated already. count receives the entry count.
    const uint8_t* const* RelocateTable(int index, int& count);

    std::vector<uint8_t> block_;
    std::vector<int64_t> slots_;

private:
    std::deque<std::vector<const uint8_t*>> tables_;
    std::vector<bool> relocated_;
};

// Reads a resource image whole; nullptr when the file cannot be opened, is
// shorter than 4 bytes, or its slots do not fit in it, and then problem (when
// given) says which, for a player to read.
std::unique_ptr<ResourceImage> LoadResourceImage(const std::string& name,
                                                 std::string* problem = nullptr);

// The same from bytes already in memory (the fuzzer and tests use it).
std::unique_ptr<ResourceImage> resourceImageFromBytes(const uint8_t* bytes, size_t size,
                                                      std::string* problem = nullptr);

}  // namespace vantor
