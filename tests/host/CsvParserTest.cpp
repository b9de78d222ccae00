#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CSVParser.h"

namespace {

// Q stands for a double quote and _ for a blank, as in the cases below.
std::string Line(const char* pattern) {
    std::string s = pattern;
    for (char& c : s) c = c == 'Q' ? '"' : c == '_' ? ' ' : c;
    return s;
}

std::vector<std::string> Fields(int count) {
    std::vector<std::string> fields;
    for (int i = 0; i < count; i++) fields.push_back(GetCsvField(i).c_str());
    return fields;
}

struct CsvCase {
    const char* Line;
    std::vector<const char*> Expected;
};

TEST(ParseCsvLine, FollowsItsOwnQuoteRules) {
    const CsvCase cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {"QaQ,QbQ", {"a", "b"}},
        {"Qa,bQ,c", {"a,b", "c"}},
        {"QQ,x", {"", "x"}},
        {"QaQQbQ", {"aQQb"}},
        {"abQc", {"abQc"}},
        {"Qa,b", {"a,b"}},
        {"a_,b", {"a_", "b"}},
        {"a,_QbQ", {"a", "_b"}},
        {"QaQ_", {"aQ_"}},
        {"QaQ_,b", {"aQ", "b"}},
        {"_QaQ", {"_QaQ"}},
        {"Q,", {"", ""}},  // a lone opening quote before the separator
        {",", {"", ""}},
        {"Q", {""}},
        {"a\tb,c", {"a\tb", "c"}},  // a tab is an ordinary byte
        {"QreadvalueQ,Q2Q,QSoftware\\AQ,QxQ", {"readvalue", "2", "Software\\A", "x"}},
    };
    for (const CsvCase& c : cases) {
        std::string line = Line(c.Line);
        int count = ParseCsvLine(line.c_str(), ',');
        std::vector<std::string> expected;
        for (const char* e : c.Expected) expected.push_back(Line(e));
        EXPECT_EQ(count, static_cast<int>(expected.size())) << "line " << c.Line;
        EXPECT_EQ(Fields(static_cast<int>(expected.size())), expected) << "line " << c.Line;
        EXPECT_STREQ(GetCsvField(count).c_str(), "")
            << "slots past the count are empty: " << c.Line;
    }
}

TEST(ParseCsvLine, EmptyOrBlankLinesLeaveTheTableAsItWas) {
    ASSERT_EQ(ParseCsvLine("x,y", ','), 2);
    EXPECT_EQ(ParseCsvLine("", ','), 0);
    EXPECT_EQ(ParseCsvLine("    ", ','), 0);
    EXPECT_EQ(ParseCsvLine(nullptr, ','), 0);
    EXPECT_STREQ(GetCsvField(0).c_str(), "x");
    EXPECT_STREQ(GetCsvField(1).c_str(), "y");
    // A tab is not a blank: this line has one field.
    EXPECT_EQ(ParseCsvLine("\t", ','), 1);
    EXPECT_STREQ(GetCsvField(0).c_str(), "\t");
}

TEST(ParseCsvLine, SixtyFourFieldsFillTheTableAndMoreAreCountedNotStored) {
    std::string line;
    for (int i = 0; i < 64; i++) line += (i ? "," : "") + std::to_string(i);
    EXPECT_EQ(ParseCsvLine(line.c_str(), ','), 64);
    EXPECT_STREQ(GetCsvField(63).c_str(), "63");
    EXPECT_STREQ(GetCsvField(64).c_str(), "");
    EXPECT_STREQ(GetCsvField(-1).c_str(), "");
    for (int i = 64; i < 1000; i++) line += "," + std::to_string(i);
    EXPECT_EQ(ParseCsvLine(line.c_str(), ','), 1000);
    EXPECT_STREQ(GetCsvField(0).c_str(), "0");
    EXPECT_STREQ(GetCsvField(63).c_str(), "63");
}

TEST(ParseCsvLine, OtherSeparators) {
    EXPECT_EQ(ParseCsvLine(Line("a|Qb|cQ|d").c_str(), '|'), 3);
    EXPECT_EQ(Fields(3), (std::vector<std::string>{"a", "b|c", "d"}));
}

}  // namespace
