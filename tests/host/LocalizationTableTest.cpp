#include <gtest/gtest.h>

#include "Localization.h"

namespace {

class LocalizedTexts : public ::testing::Test {
protected:
    void SetUp() override { ResetLocalizedTexts(); }
};

TEST_F(LocalizedTexts, NumberedFromOneAndEmptyOutOfRange) {
    AddLocalizedText("first");
    AddLocalizedText("second");
    EXPECT_EQ(LocalizedTextCount(), 2);
    EXPECT_STREQ(GetLocalizedText(1).c_str(), "first");
    EXPECT_STREQ(GetLocalizedText(2).c_str(), "second");
    for (int n : {0, -1, 3, 1000, -2147483647 - 1}) {
        EXPECT_STREQ(GetLocalizedText(n).c_str(), "") << n;
    }
}

TEST_F(LocalizedTexts, LineBreakTagInAnyCaseBecomesCrLf) {
    const struct {
        const char* In;
        const char* Out;
    } cases[] = {
        {"Line one<BR>Line two", "Line one\r\nLine two"},
        {"a<br>b<Br>c<bR>", "a\r\nb\r\nc\r\n"},
        {"a<br/>b", "a<br/>b"},
        {"<br<br>>", "<br\r\n>"},
        {"", ""},
    };
    for (const auto& c : cases) {
        ResetLocalizedTexts();
        AddLocalizedText(c.In);
        EXPECT_STREQ(GetLocalizedText(1).c_str(), c.Out) << c.In;
    }
}

TEST_F(LocalizedTexts, ProductNameThenVersionInAnyCase) {
    AddLocalizedText("Remove $APPNAME$ $appversion$?");
    AddLocalizedText("$AppName$$APPNAME$");
    AddLocalizedText("no placeholder");
    SubstituteProductInTexts("Tool<br>", "2.0");
    // The name's <br> stays: line breaks were replaced when the text was added.
    EXPECT_STREQ(GetLocalizedText(1).c_str(), "Remove Tool<br> 2.0?");
    EXPECT_STREQ(GetLocalizedText(2).c_str(), "Tool<br>Tool<br>");
    EXPECT_STREQ(GetLocalizedText(3).c_str(), "no placeholder");
}

TEST_F(LocalizedTexts, ANameHoldingTheVersionPlaceholderGetsTheVersionToo) {
    // The version pass runs over the result of the name pass.
    AddLocalizedText("$APPNAME$");
    SubstituteProductInTexts("X $APPVERSION$", "3");
    EXPECT_STREQ(GetLocalizedText(1).c_str(), "X 3");
    ResetLocalizedTexts();
    AddLocalizedText("$APPVERSION$");
    SubstituteProductInTexts("N", "$APPNAME$");
    EXPECT_STREQ(GetLocalizedText(1).c_str(), "$APPNAME$");
}

TEST(Replace, ExactAndIgnoringCase) {
    EXPECT_STREQ(ReplaceExact("$P and $p", "$P", "Alice").c_str(), "Alice and $p");
    EXPECT_STREQ(ReplaceIgnoringCase("$P and $p", "$P", "x").c_str(), "x and x");
    EXPECT_STREQ(ReplaceExact("aaa", "aa", "b").c_str(), "ba");
    EXPECT_STREQ(ReplaceExact("abc", "", "x").c_str(), "abc");
}

}  // namespace
