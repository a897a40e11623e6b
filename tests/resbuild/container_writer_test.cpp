#include "container_writer.h"

#include <gtest/gtest.h>

#include "common/little_endian.h"
#include "resources/resource_image.h"

namespace resbuild {
namespace {

TEST(ContainerWriterTest, SlotsAndTableEntriesLeadToTheirItems) {
    ContainerWriter w(3);
    w.setSlot(0, w.append({1, 2, 3}));
    w.setSlot(1, w.appendItemsAndTable({{10}, {20, 21}, {30}}));
    // A table whose entries point back at items written before it.
    int32_t shared = w.append({99});
    w.setSlot(2, w.appendTable({shared, shared}));
    Bytes file = w.finish();
    EXPECT_EQ(vantor::readI32(file.data()), 3);

    auto image = vantor::resourceImageFromBytes(file.data(), file.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->slot(0)[2], 3);
    int count = 0;
    auto items = image->RelocateTable(1, count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(items[0][0], 10);
    EXPECT_EQ(items[1][1], 21);
    EXPECT_EQ(items[2][0], 30);
    auto again = image->RelocateTable(2, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(again[0], again[1]);
    EXPECT_EQ(again[0][0], 99);
}

}  // namespace
}  // namespace resbuild
