#include <gtest/gtest.h>

#include "Uninstaller.Rules.h"

namespace {

struct SiblingCase {
    const char* Path;
    const char* Extension;
    const char* Expected;
};

TEST(ExeSiblingPath, ReplacesEveryExeInAnyCase) {
    const SiblingCase cases[] = {
        {"C:\\Program Files\\Tool\\uninstall.exe", "dat", "C:\\Program Files\\Tool\\uninstall.dat"},
        {"C:\\Exeter\\Setup\\unins.EXE", "dat", "C:\\datter\\Setup\\unins.dat"},
        {"UNINSTALL.EXE", "dat", "UNINSTALL.dat"},
        {"a.ExE", "bat", "a.bat"},
        {"exexe", "dat", "datxe"},  // no overlapping matches
        {"eexe", "dat", "edat"},
        {"ex", "dat", "ex"},
        {"", "dat", ""},
        {"C:\\Temp\\_Uninstall_0.exe", "bat", "C:\\Temp\\_Uninstall_0.bat"},
        {"unins.bin", "dat", "unins.bin"},
        {"e", "dat", "e"},
    };
    for (const SiblingCase& c : cases) {
        EXPECT_STREQ(ExeSiblingPath(c.Path, c.Extension).c_str(), c.Expected) << c.Path;
    }
    EXPECT_STREQ(ExeSiblingPath(nullptr, "dat").c_str(), "");
}

TEST(StripLongPathPrefix, RemovesOnlyALeadingPrefix) {
    EXPECT_STREQ(StripLongPathPrefix("\\\\?\\C:\\a\\u.exe").c_str(), "C:\\a\\u.exe");
    EXPECT_STREQ(StripLongPathPrefix("\\\\?\\UNC\\srv\\share\\u.exe").c_str(),
                 "\\\\srv\\share\\u.exe");
    EXPECT_STREQ(StripLongPathPrefix("C:\\a\\\\?\\b").c_str(), "C:\\a\\\\?\\b");
    EXPECT_STREQ(StripLongPathPrefix("\\\\srv\\x").c_str(), "\\\\srv\\x");
    EXPECT_STREQ(StripLongPathPrefix("").c_str(), "");
}

TEST(PathParts, FolderAndFileName) {
    EXPECT_STREQ(FolderOfPath("C:\\T\\_Uninstall_0.exe").c_str(), "C:\\T\\");
    EXPECT_STREQ(FolderOfPath("noslash").c_str(), "");
    EXPECT_STREQ(FileNameOfPath("C:\\T\\_Uninstall_0.exe").c_str(), "_Uninstall_0.exe");
    EXPECT_STREQ(FileNameOfPath("plain.exe").c_str(), "plain.exe");
}

TEST(TemporaryCopyCandidate, NumbersWithoutPaddingAndAddsOneBackslash) {
    EXPECT_STREQ(TemporaryCopyCandidate("C:\\Temp", 0).c_str(), "C:\\Temp\\_Uninstall_0.exe");
    EXPECT_STREQ(TemporaryCopyCandidate("C:\\Temp\\", 12).c_str(), "C:\\Temp\\_Uninstall_12.exe");
    EXPECT_STREQ(TemporaryCopyCandidate("C:\\T\\", 4294967294u).c_str(),
                 "C:\\T\\_Uninstall_4294967294.exe");
}

struct ArgumentCase {
    const char* CommandLine;
    int Index;
    const char* Expected;
};

TEST(CommandLineArgument, QuotesGroupAndBlanksSeparate) {
    const ArgumentCase cases[] = {
        {"uninstall.exe", 0, ""},
        {"uninstall.exe /StartUninstall", 0, "/StartUninstall"},
        {"\"C:\\Program Files\\T\\u.exe\" /StartUninstall", 0, "/StartUninstall"},
        {"\"C:\\Program Files\\T\\u.exe\"/StartUninstall", 0, "/StartUninstall"},
        {"\"C:\\Program Files\\T\\u.exe\"", 0, ""},
        {"u.exe   a    b  ", 0, "a"},
        {"u.exe   a    b  ", 1, "b"},
        {"u.exe   a    b  ", 2, ""},
        {"u.exe \"a b\" c", 0, "a b"},
        {"u.exe \"a b\" c", 1, "c"},
        {"u.exe a\"b c\"d e", 0, "ab cd"},
        {"u.exe \"\" x", 0, ""},
        {"u.exe \"\" x", 1, "x"},
        {"u.exe \"unterminated arg", 0, "unterminated arg"},
        {"u.exe\ta\tb", 1, "b"},
        {"u.exe /StartUninstall /IPCServerCommand=Local\\{A} /IPCServerResult=Local\\{B}", 2,
         "/IPCServerResult=Local\\{B}"},
        {"", 0, ""},
        {"u.exe a", -1, ""},
    };
    for (const ArgumentCase& c : cases) {
        EXPECT_STREQ(CommandLineArgument(c.CommandLine, c.Index).c_str(), c.Expected)
            << "command line [" << c.CommandLine << "] argument " << c.Index;
    }
}

TEST(ArgumentParts, NameBeforeFirstEqualsValueUpToTheSecond) {
    EXPECT_STREQ(ArgumentNamePart("/IPCServerCommand=Local\\{X}").c_str(), "/IPCServerCommand");
    EXPECT_STREQ(ArgumentValuePart("/IPCServerCommand=Local\\{X}").c_str(), "Local\\{X}");
    EXPECT_STREQ(ArgumentNamePart("/StartUninstall").c_str(), "/StartUninstall");
    EXPECT_STREQ(ArgumentValuePart("/StartUninstall").c_str(), "");
    EXPECT_STREQ(ArgumentValuePart("/A=b=c").c_str(), "b");
    EXPECT_STREQ(ArgumentValuePart("/A=").c_str(), "");
    EXPECT_STREQ(ArgumentNamePart("=x").c_str(), "");
    EXPECT_STREQ(ArgumentNamePart("").c_str(), "");
}

TEST(SelfDeletionBatchText, SixLinesInOrder) {
    String text = SelfDeletionBatchText("C:\\T\\_Uninstall_0.exe", "C:\\T\\_Uninstall_0.bat");
    EXPECT_STREQ(text.c_str(),
                 "cd \\\r\n"
                 "ping -n 5 -w 1000 127.0.0.1 >NUL\r\n"
                 "del \"C:\\T\\_Uninstall_0.exe\"\r\n"
                 "del \"C:\\T\\_Uninstall_0.bat\"\r\n"
                 "cls\r\n"
                 "@exit\r\n");
}

}  // namespace
