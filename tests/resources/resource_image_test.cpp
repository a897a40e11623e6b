#include "resources/resource_image.h"

#include <fstream>
#include <gtest/gtest.h>

#include "common/little_endian.h"
#include "resources/data30.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, int32_t v) {
    b.resize(b.size() + 4);
    writeI32(b.data() + b.size() - 4, v);
}

// A file of N slots followed by the given words.
Bytes file(std::initializer_list<int32_t> slots, std::initializer_list<int32_t> words = {}) {
    Bytes b;
    put32(b, static_cast<int32_t>(slots.size()));
    for (int32_t s : slots) put32(b, s);
    for (int32_t w : words) put32(b, w);
    return b;
}

std::unique_ptr<ResourceImage> load(const Bytes& bytes) {
    return resourceImageFromBytes(bytes.data(), bytes.size());
}

TEST(ResourceImageTest, SlotsBecomePositionsInTheImage) {
    auto image = load(file({0, 8}, {0x11223344}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->slotCount(), 2);
    EXPECT_EQ(image->slot(0), image->data());  // a slot of 0 is the header itself
    EXPECT_EQ(readI32(image->slot(1)), 0x11223344);
    EXPECT_EQ(image->slot(2), nullptr);
}

TEST(ResourceImageTest, RefusesFilesTooShortForTheirSlots) {
    EXPECT_FALSE(load(Bytes{1, 0, 0}));
    Bytes oneSlotMissing = file({0, 0});
    oneSlotMissing.resize(oneSlotMissing.size() - 1);
    EXPECT_FALSE(load(oneSlotMissing));
    EXPECT_TRUE(load(file({})));  // no slots at all is still an image
    Bytes negative;
    put32(negative, -1);
    EXPECT_FALSE(load(negative));
}

TEST(ResourceImageTest, SlotsOutsideTheImageGiveNothing) {
    auto image = load(file({100, -4}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->slot(0), nullptr);
    EXPECT_EQ(image->slot(1), nullptr);
}

TEST(ResourceImageTest, TableEntriesCountFromTheFirstEntry) {
    // Slot 0 -> table at image offset 4: count 2, entries 0 and 8.
    auto image = load(file({4}, {2, 0, 8, 0x55}));
    ASSERT_TRUE(image);
    int count = 0;
    Table entries = image->RelocateTable(0, count);
    ASSERT_TRUE(entries);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(entries[0], image->data() + 8);  // the first entry itself
    EXPECT_EQ(readI32(entries[1]), 0x55);
    EXPECT_EQ(image->slot(0), image->data() + 8);  // the slot moved past the count
}

TEST(ResourceImageTest, EmptyTablesOnlyMoveTheirSlot) {
    auto image = load(file({8, 8}, {0, 7}));
    ASSERT_TRUE(image);
    int count = -1;
    Table entries = image->RelocateTable(0, count);
    ASSERT_TRUE(entries);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(image->slot(0), image->data() + 12);
    EXPECT_EQ(image->slot(1), image->data() + 8);  // the other slot stays
    EXPECT_EQ(readI32(image->data() + 8), 0);      // nothing in the image changed
    EXPECT_EQ(readI32(image->data() + 12), 7);
}

TEST(ResourceImageTest, RefusesDamagedTablesAndASecondRelocation) {
    // Entry pointing past the end; a count larger than the image; a table at the very end.
    auto image = load(file({12, 12, 16}, {1, 4000}));
    ASSERT_TRUE(image);
    int count = 0;
    EXPECT_FALSE(image->RelocateTable(0, count));
    auto huge = load(file({4}, {0x7FFFFFFF}));
    EXPECT_FALSE(huge->RelocateTable(0, count));
    auto tail = load(file({4}));
    EXPECT_FALSE(tail->RelocateTable(0, count));

    auto fine = load(file({4}, {1, 0}));
    EXPECT_TRUE(fine->RelocateTable(0, count));
    EXPECT_FALSE(fine->RelocateTable(0, count));
}

TEST(ResourceImageTest, LoadsFromAFileAndFailsOnAMissingOne) {
    testing::ScopedTempDir dir;
    platform::headless::installFresh();
    Bytes bytes = file({0, 8}, {42});
    std::ofstream("IMAGE.RES", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    auto image = LoadResourceImage("IMAGE.RES");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), bytes.size() - 4);
    EXPECT_EQ(readI32(image->slot(1)), 42);
    EXPECT_FALSE(LoadResourceImage("MISSING.RES"));
    std::ofstream("SHORT.RES", std::ios::binary).write("\1\0", 2);
    EXPECT_FALSE(LoadResourceImage("SHORT.RES"));
}

}  // namespace
}  // namespace vantor
