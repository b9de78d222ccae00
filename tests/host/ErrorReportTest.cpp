#include <gtest/gtest.h>

#include <string>

#include "OnErrorUninstaller.h"

namespace {

TEST(ErrorReport, FullTextWithPaddedDateAndTime) {
    char report[1024];
    ReportTime time = {2014, 3, 5, 8, 7, 9};
    FormatErrorReport(report, sizeof(report), time, 0xC0000094u, "Uninstaller", 1234);
    EXPECT_STREQ(report,
                 "We are sorry, but the uninstaller has stopped working due to an error:\r\n\r\n"
                 "Error detected on: 2014/03/05 at 08:07:09\r\n"
                 "Error description: Division by zero \r\n"
                 "Module name: Uninstaller\r\n"
                 "Error line: 1234\r\n\r\n"
                 "Please report the circumstances of this error to the vendor of the program you "
                 "are trying to uninstall.");
}

TEST(ErrorReport, TruncatesToTheBufferAndStaysTerminated) {
    char report[40];
    memset(report, 'x', sizeof(report));
    ReportTime time = {2026, 12, 31, 23, 59, 59};
    FormatErrorReport(report, sizeof(report), time, 0, "M", 1);
    EXPECT_EQ(strlen(report), sizeof(report) - 1);
    char tiny[1] = {'x'};
    FormatErrorReport(tiny, sizeof(tiny), time, 0, "M", 1);
    EXPECT_EQ(tiny[0], '\0');
}

struct DescriptionCase {
    uint32_t Code;
    const char* Text;
};

TEST(ErrorReport, DescribesEveryCodeOfTheTable) {
    const DescriptionCase cases[] = {
        {0xC0000005u, "Invalid memory access"},
        {0xC000008Cu, "Array bounds exceeded"},
        {0x80000003u, "Debugger breakpoint reached"},
        {0x80000002u, "Misaligned data access"},
        {0xC000008Du, "Denormal floating-point operand"},
        {0xC000008Eu, "Division by zero (floating-point)"},
        {0xC000008Fu, "Inexact floating-point result"},
        {0xC0000090u, "Invalid floating-point operation"},
        {0xC0000091u, "Floating-point overflow (exponent to great)"},
        {0xC0000092u, "Floating-point stack overflow or underflow"},
        {0xC0000093u, "Floating-point underflow (exponent too small)"},
        {0xC000001Du, "Illegal instruction"},
        {0xC0000006u, "Memory page error"},
        {0xC0000094u, "Division by zero "},
        {0xC0000095u, "Integer overflow"},
        {0xC0000026u, "Exception handler returned unknown value"},
        {0xC0000025u, "Exception handler tried to continue after non-continuable exception"},
        {0xC0000096u, "Privileged instruction"},
        {0x80000004u, "Single step trap"},
        {0xC00000FDu, "Stack overflow"},
        {0xE06D7363u, "Unknown error code"},
        {0u, "Unknown error code"},
        {0xC0000017u, "Unknown error code"},  // out of memory is not in the table
    };
    for (const DescriptionCase& c : cases) {
        EXPECT_STREQ(DescribeExceptionCode(c.Code), c.Text) << std::hex << c.Code;
    }
}

TEST(ModuleNameFromFile, BaseNameUpToTheFirstDot) {
    char name[16];
    ModuleNameFromFile("/work/src/Stub/Uninstaller.Relaunch.cpp", name, sizeof(name));
    EXPECT_STREQ(name, "Uninstaller");
    ModuleNameFromFile("C:\\src\\Registry.cpp", name, sizeof(name));
    EXPECT_STREQ(name, "Registry");
    ModuleNameFromFile("NoExtension", name, sizeof(name));
    EXPECT_STREQ(name, "NoExtension");
    ModuleNameFromFile("AVeryLongModuleNameIndeed.cpp", name, sizeof(name));
    EXPECT_STREQ(name, "AVeryLongModule");
    ModuleNameFromFile(nullptr, name, sizeof(name));
    EXPECT_STREQ(name, "");
}

}  // namespace

namespace {

TEST(HeapReport, LabelModuleAndLine) {
    char text[64];
    FormatHeapReport(text, sizeof(text), 0, "Uninstaller", 42);
    EXPECT_STREQ(text, "StringHeap corrupted: Uninstaller : 42");
    FormatHeapReport(text, sizeof(text), 1, "Uninstaller", -3);
    EXPECT_STREQ(text, "MemoryBase heap corrupted: Uninstaller : -3");
    FormatHeapReport(text, sizeof(text), 2, nullptr, 0);
    EXPECT_STREQ(text, "AllocateMemory heap corrupted:  : 0");
}

}  // namespace
