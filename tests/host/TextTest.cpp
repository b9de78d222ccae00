#include <gtest/gtest.h>

#include "Text.h"

namespace {

struct IntegerCase {
    const char* Text;
    int64_t Expected;
};

TEST(TextToInteger, ReadsEveryNotation) {
    const IntegerCase cases[] = {
        {"", 0},
        {"x", 0},
        {"0", 0},
        {"42", 42},
        {"  \t 42", 42},
        {"+7", 7},
        {"-7", -7},
        {"2x", 2},
        {"12 34", 12},
        {"$2", 2},
        {"$ff", 255},
        {"$FF", 255},
        {"$fG", 15},
        {"-$10", -16},
        {"%101", 5},
        {"%102", 2},
        {"%", 0},
        {"$", 0},
        {"-", 0},
        {" - 5", 0},  // the sign must touch the digits
        {"\n5", 0},   // only blanks and tabs are skipped
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"$7FFFFFFF80000000", 0x7FFFFFFF80000000LL},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(TextToInteger(c.Text), c.Expected) << "text: \"" << c.Text << "\"";
    }
}

TEST(TextToInteger, WrapsPast64BitsWithoutUndefinedBehaviour) {
    // 2^64 + 5 wraps to 5; forty nines wrap to a defined value.
    EXPECT_EQ(TextToInteger("18446744073709551621"), 5);
    EXPECT_EQ(TextToInteger("9223372036854775808"), INT64_MIN);
    int64_t forty = TextToInteger("9999999999999999999999999999999999999999");
    EXPECT_EQ(forty, TextToInteger("9999999999999999999999999999999999999999"));
    EXPECT_EQ(TextToInteger(nullptr), 0);
}

TEST(TextToInteger, ThirtyTwoBitUsesKeepTheLowBits) {
    EXPECT_EQ(TextToInteger32("$100000002"), 2);
    EXPECT_EQ(TextToInteger32("$FFFFFFFF"), -1);
    EXPECT_EQ(TextToInteger32("-1"), -1);
    EXPECT_EQ(TextToInteger32("2147483648"), INT32_MIN);
}

TEST(String, GrowsAppendsAndCompares) {
    String s;
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_TRUE(s.IsEmpty());
    for (int i = 0; i < 1000; i++) s.AppendChar(static_cast<char>('a' + i % 26));
    EXPECT_EQ(s.Length(), 1000u);
    EXPECT_EQ(s[999], 'a' + 999 % 26);
    EXPECT_EQ(s[5000], '\0');  // out of range reads as NUL, never past the buffer
    String copy(s);
    EXPECT_TRUE(copy.Equals(s));
    copy.Truncate(3);
    EXPECT_TRUE(copy.Equals("abc"));
    copy.Append(copy);  // appending to itself survives the regrowth
    EXPECT_TRUE(copy.Equals("abcabc"));
    String moved(static_cast<String&&>(copy));
    EXPECT_TRUE(moved.Equals("abcabc"));
    EXPECT_TRUE(copy.IsEmpty());
    String numbers;
    numbers.AppendDecimal(0);
    numbers.AppendChar(' ');
    numbers.AppendDecimal(-1234567890123LL);
    numbers.AppendChar(' ');
    numbers.AppendDecimal(INT64_MIN);
    EXPECT_STREQ(numbers.c_str(), "0 -1234567890123 -9223372036854775808");
}

TEST(String, KeepsEmbeddedNulBytes) {
    String s("a\0b", 3);
    EXPECT_EQ(s.Length(), 3u);
    EXPECT_FALSE(s.Equals("a"));
    EXPECT_TRUE(s.Equals(String("a\0b", 3)));
}

}  // namespace
