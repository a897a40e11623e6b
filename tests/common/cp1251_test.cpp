#include "common/cp1251.h"

#include <gtest/gtest.h>

#include "app/startup.h"
#include "common/random.h"

namespace vantor {
namespace {

TEST(Cp1251Test, RoundTripsEveryAssignedByte) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98) continue;  // the one byte the code page leaves unassigned
        std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1251Test, TheRecordingWordComesFromItsRussianSpelling) {
    EXPECT_EQ(utf8ToCp1251("ЖАВОРОНОК"), kRecordingWord);
    EXPECT_EQ(utf8ToCp1251("Ёё№€"), "\xA8\xB8\xB9\x88");
}

TEST(Cp1251Test, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("日本"), "??");
    EXPECT_EQ(utf8ToCp1251("a\xC3"), "a?");         // cut short
    EXPECT_EQ(utf8ToCp1251("\x80z"), "?z");         // a stray continuation byte
    EXPECT_EQ(utf8ToCp1251("\xF0\x9F\x98\x80"), "?");  // outside the code page
}

TEST(RandomTest, FirstDrawsFromSeedTen) {
    Random r;
    r.seed(10);
    // state = state * 214013 + 2531011; the draw is bits 16..30.
    EXPECT_EQ(r.next(), 71);
    EXPECT_EQ(r.state, 10u * 214013u + 2531011u);
    EXPECT_EQ(r.next(), 16899);
    r.seed(10);
    EXPECT_EQ(r.below(13), 71 * 13 / 32768);
    EXPECT_EQ(r.below(5), 16899 * 5 / 32768);
}

}  // namespace
}  // namespace vantor
