// The fault report as a user sees it. Runs on the x86_64 build only: under
// qemu the 32-bit fault codes arrive wrong.
#include <gtest/gtest.h>

#include <regex>

#include "E2EHarness.h"

using namespace e2e;

namespace {

std::string FaultingProgram() { return HarnessFolder() + "faulting_program.exe"; }

struct FaultCase {
    const char* Kind;
    const char* Description;
};

TEST(FaultReport, NamesTimeDescriptionModuleAndLineThenExitsWithZero) {
    const FaultCase cases[] = {
        {"access", "Invalid memory access"},
        {"divide", "Division by zero "},
        {"unknown", "Unknown error code"},
    };
    for (const FaultCase& c : cases) {
        SYSTEMTIME before;
        GetLocalTime(&before);
        RunOutcome run = RunAndWatch("\"" + FaultingProgram() + "\" " + c.Kind);
        ASSERT_EQ(run.Boxes.size(), 1u) << c.Kind << "\n" << run.Describe();
        const SeenBox& box = run.Boxes[0];
        EXPECT_EQ(box.Title, "Error detected");
        EXPECT_EQ(box.Flags, MB_OK | MB_ICONERROR) << run.Describe();
        std::smatch when;
        std::regex pattern(
            "We are sorry, but the uninstaller has stopped working due to an error:\r\n\r\n"
            "Error detected on: (\\d{4})/(\\d{2})/(\\d{2}) at (\\d{2}):(\\d{2}):(\\d{2})\r\n"
            "Error description: ([^\r]*)\r\n"
            "Module name: FaultingProgram\r\n"
            "Error line: 500\r\n\r\n"
            "Please report the circumstances of this error to the vendor of the program you are "
            "trying to uninstall\\.");
        ASSERT_TRUE(std::regex_match(box.Text, when, pattern)) << c.Kind << "\n" << box.Text;
        EXPECT_EQ(when[7].str(), c.Description);
        EXPECT_EQ(std::stoi(when[1].str()), before.wYear);
        EXPECT_EQ(std::stoi(when[2].str()), before.wMonth);
        int hour = std::stoi(when[4].str());
        EXPECT_TRUE(hour == before.wHour || hour == (before.wHour + 1) % 24) << box.Text;
        ASSERT_EQ(run.ExitCodes.size(), 1u);
        EXPECT_EQ(run.ExitCodes[0], 0u) << c.Kind;
    }
}

TEST(CheckHeaps, SilentWhenIntactNamesTheHeapWhenCorrupt) {
    RunOutcome intact = RunAndWatch("\"" + FaultingProgram() + "\" heap-intact");
    EXPECT_TRUE(intact.Boxes.empty()) << intact.Describe();

    const struct {
        const char* Kind;
        const char* Text;
    } heaps[] = {
        {"heap-corrupt-string", "StringHeap corrupted: Uninstaller : 42"},
        {"heap-corrupt-base", "MemoryBase heap corrupted: Uninstaller : 42"},
        {"heap-corrupt-block", "AllocateMemory heap corrupted: Uninstaller : 42"},
    };
    for (const auto& h : heaps) {
        RunOutcome corrupt = RunAndWatch("\"" + FaultingProgram() + "\" " + h.Kind);
        // Exactly the damaged heap is named, in a box without an icon.
        ASSERT_EQ(corrupt.Boxes.size(), 1u) << h.Kind << "\n" << corrupt.Describe();
        EXPECT_EQ(corrupt.Boxes[0].Title, "faulting_program.exe");
        EXPECT_EQ(corrupt.Boxes[0].Text, h.Text);
        EXPECT_EQ(corrupt.Boxes[0].Flags, MB_OK) << corrupt.Describe();
        EXPECT_EQ(corrupt.Boxes[0].Buttons, std::vector<std::string>{"OK"});
    }
}

}  // namespace
