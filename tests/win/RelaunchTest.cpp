// The first start of the uninstaller, end to end: the real executable in a
// product folder, started without arguments, as a user starts it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "E2EHarness.h"

using namespace e2e;

namespace {

const char* const DataFile = "[UninstallerConfig]\r\nProgramName=Tool\r\n";

class Relaunch : public ::testing::Test {
protected:
    void SetUp() override {
        CleanTemporaryCopies();
        MakeFreshFolder(product_);
    }
    void TearDown() override {
        CleanTemporaryCopies();
        RemoveTree(product_);
    }
    std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

    const std::string product_ = "C:\\Program Files\\Tool";
    const std::string exe_ = product_ + "\\uninstall.exe";
    const std::string data_ = product_ + "\\uninstall.dat";
};

void ExpectAllExitCodesZero(const RunOutcome& run) {
    EXPECT_FALSE(run.TimedOut) << run.Describe();
    ASSERT_FALSE(run.ExitCodes.empty()) << run.Describe();
    for (DWORD code : run.ExitCodes) EXPECT_EQ(code, 0u) << run.Describe();
}

TEST_F(Relaunch, RunsTheExecutableOfTheWidthThisRunTests) {
    // KW_UNINSTALL_MACHINE names the width the run means to test; without it,
    // the x86_64 build beside the harness.
    const char* expected = getenv("KW_UNINSTALL_MACHINE");
    bool want32 = expected && std::string(expected) == "i386";
    EXPECT_EQ(UninstallerMachine(), want32 ? 0x14Cu : 0x8664u) << UninstallerUnderTest();
    PlaceUninstaller(exe_, 0);
    RunOutcome run = RunAndWatch(Quoted(exe_) + " /none");
    EXPECT_EQ(run.Wow64, want32) << "a 32-bit exe runs under WoW64, as on 64-bit Windows";
    ExpectAllExitCodesZero(run);
}

TEST_F(Relaunch, CopiesPastTakenNamesAndStartsTheCopy) {
    PlaceUninstaller(exe_, 0);
    WriteFileBytes(data_, DataFile);
    std::string temp = TemporaryFolder();
    // A file and a folder take numbers 0 and 1; a stale data file of number 2
    // is overwritten.
    WriteFileBytes(temp + "_Uninstall_0.exe", "old");
    CreateDirectoryA((temp + "_Uninstall_1.exe").c_str(), nullptr);
    WriteFileBytes(temp + "_Uninstall_2.dat", "stale");

    RunOutcome run = RunAndWatch(Quoted(exe_));

    EXPECT_TRUE(run.Boxes.empty()) << run.Describe();
    ExpectAllExitCodesZero(run);
    EXPECT_EQ(ReadFileBytes(temp + "_Uninstall_2.exe"), ReadFileBytes(exe_));
    EXPECT_EQ(ReadFileBytes(temp + "_Uninstall_2.dat"), DataFile);
    ASSERT_EQ(run.Started.size(), 1u) << run.Describe();
    EXPECT_EQ(run.Started[0].CommandLine, "\"" + temp + "_Uninstall_2.exe\" /StartUninstall");
    EXPECT_EQ(run.Started[0].CurrentDirectory, temp);
    // The copy ran (it was in the job) and ended too.
    EXPECT_GE(run.ExitCodes.size(), 2u) << run.Describe();
}

TEST_F(Relaunch, MissingDataFileIsReportedAndNothingIsCopied) {
    PlaceUninstaller(exe_, 0);
    RunOutcome run = RunAndWatch(Quoted(exe_));
    ASSERT_EQ(run.Boxes.size(), 1u) << run.Describe();
    EXPECT_EQ(run.Boxes[0].Title, "Error");
    EXPECT_EQ(run.Boxes[0].Text, "Error reading uninstallation script:\r\n\r\n" + data_);
    EXPECT_EQ(run.Boxes[0].Flags, MB_OK | MB_ICONERROR) << run.Describe();
    EXPECT_EQ(run.Boxes[0].Buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(run.Started.empty()) << run.Describe();
    EXPECT_TRUE(TemporaryCopies().empty());
    ExpectAllExitCodesZero(run);
}

TEST_F(Relaunch, AFolderNamedLikeTheDataFileFailsTheCopyAndLeavesNothing) {
    PlaceUninstaller(exe_, 0);
    CreateDirectoryA(data_.c_str(), nullptr);
    RunOutcome run = RunAndWatch(Quoted(exe_));
    ASSERT_EQ(run.Boxes.size(), 1u) << run.Describe();
    EXPECT_EQ(run.Boxes[0].Title, "Error");
    EXPECT_EQ(run.Boxes[0].Text, "Could not initialize uninstallation.");
    EXPECT_EQ(run.Boxes[0].Flags, MB_OK | MB_ICONERROR) << run.Describe();
    EXPECT_TRUE(run.Started.empty()) << run.Describe();
    EXPECT_TRUE(TemporaryCopies().empty()) << "the partial copy is cleaned up";
    ExpectAllExitCodesZero(run);
}

TEST_F(Relaunch, AnUnusableTemporaryFolderFailsTheCopyWithoutWritingElsewhere) {
    PlaceUninstaller(exe_, 0);
    WriteFileBytes(data_, DataFile);
    // The user's TMP names a folder that does not exist: the system still
    // reports it, and nothing can be copied there.
    char saved[MAX_PATH * 2] = "";
    DWORD savedLength = GetEnvironmentVariableA("TMP", saved, sizeof(saved));
    SetEnvironmentVariableA("TMP", "C:\\NoSuchTemporaryFolder");
    RunOutcome run = RunAndWatch(Quoted(exe_));
    SetEnvironmentVariableA("TMP", savedLength ? saved : nullptr);
    ASSERT_EQ(run.Boxes.size(), 1u) << run.Describe();
    EXPECT_EQ(run.Boxes[0].Text, "Could not initialize uninstallation.");
    EXPECT_EQ(run.Boxes[0].Flags, MB_OK | MB_ICONERROR) << run.Describe();
    EXPECT_EQ(GetFileAttributesA("C:\\NoSuchTemporaryFolder"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(run.Started.empty()) << run.Describe();
    ExpectAllExitCodesZero(run);
}

struct PathCase {
    const char* Folder;
    const char* ExeName;
    const char* ExpectedDataPath;  // in the message, since no data file is there
};

TEST_F(Relaunch, DataFilePathReplacesEveryExeInThePath) {
    const PathCase cases[] = {
        {"C:\\Exeter\\Setup", "unins.EXE", "C:\\datter\\Setup\\unins.dat"},
        {"C:\\Tool", "UNINSTALL.EXE", "C:\\Tool\\UNINSTALL.dat"},
        // No "exe" at all: the executable would be its own data file.
        {"C:\\Tool", "uninst.bin", "C:\\Tool\\uninst.bin"},
    };
    for (const PathCase& c : cases) {
        MakeFreshFolder(c.Folder);
        std::string exe = std::string(c.Folder) + "\\" + c.ExeName;
        PlaceUninstaller(exe, 0);
        RunOutcome run = RunAndWatch(Quoted(exe));
        ASSERT_EQ(run.Boxes.size(), 1u) << c.ExeName << "\n" << run.Describe();
        EXPECT_EQ(run.Boxes[0].Text,
                  std::string("Error reading uninstallation script:\r\n\r\n") + c.ExpectedDataPath);
        EXPECT_TRUE(TemporaryCopies().empty()) << c.ExeName;
        ExpectAllExitCodesZero(run);
        RemoveTree(c.Folder);
    }
    RemoveTree("C:\\Exeter");
}

TEST_F(Relaunch, UpperCaseStartArgumentReachesTheDriverOthersEndSilently) {
    PlaceUninstaller(exe_, 0);
    WriteFileBytes(data_, DataFile);
    for (const char* argument : {"/STARTUNINSTALL", "/startuninstall", "/other", "x"}) {
        RunOutcome run = RunAndWatch(Quoted(exe_) + " " + argument);
        EXPECT_TRUE(run.Boxes.empty()) << argument << "\n" << run.Describe();
        EXPECT_TRUE(run.Started.empty()) << argument << "\n" << run.Describe();
        EXPECT_TRUE(TemporaryCopies().empty()) << argument;
        ExpectAllExitCodesZero(run);
    }
}

TEST_F(Relaunch, LongPathPrefixIsRemovedFromTheModulePath) {
    PlaceUninstaller(exe_, 0);
    RunOutcome run = RunAndWatch(Quoted(exe_), nullptr, 30000, "\\\\?\\" + exe_);
    ASSERT_EQ(run.Boxes.size(), 1u) << run.Describe();
    EXPECT_EQ(run.Boxes[0].Text, "Error reading uninstallation script:\r\n\r\n" + data_);
    ExpectAllExitCodesZero(run);
}

TEST_F(Relaunch, ModulePathNearMaxPathStillRelaunches) {
    // A folder chain that makes the executable's full path 259 characters.
    std::string folder = "C:\\Deep";
    std::string exe;
    while (true) {
        exe = folder + "\\uninstall.exe";
        if (exe.size() >= MAX_PATH - 1) break;
        size_t room = MAX_PATH - 1 - exe.size();
        folder += "\\" + std::string(std::min<size_t>(room > 1 ? room - 1 : 1, 40), 'd');
    }
    ASSERT_EQ(exe.size(), static_cast<size_t>(MAX_PATH - 1));
    MakeFreshFolder(folder);
    PlaceUninstaller(exe, 0);
    WriteFileBytes(folder + "\\uninstall.dat", DataFile);
    RunOutcome run = RunAndWatch(Quoted(exe));
    EXPECT_TRUE(run.Boxes.empty()) << run.Describe();
    EXPECT_EQ(TemporaryCopies(),
              (std::vector<std::string>{"_Uninstall_0.dat", "_Uninstall_0.exe"}));
    ExpectAllExitCodesZero(run);
    RemoveTree("C:\\Deep");
}

struct VersionCase {
    const char* Version;
    bool Refused;
};

TEST_F(Relaunch, OnlyTooOldSystemsAreRefused) {
    PlaceUninstaller(exe_, 0);
    WriteFileBytes(data_, DataFile);
    const VersionCase cases[] = {
        {"nt351", true},  {"win95", false}, {"win98", false}, {"nt40", false},
        {"win2k", false}, {"winxp", false}, {"win10", false},
    };
    for (const VersionCase& c : cases) {
        CleanTemporaryCopies();
        WineVersionGuard version("uninstall.exe", c.Version);
        RunOutcome run = RunAndWatch(Quoted(exe_));
        if (c.Refused) {
            ASSERT_EQ(run.Boxes.size(), 1u) << c.Version << "\n" << run.Describe();
            EXPECT_EQ(run.Boxes[0].Title, "Compatibility problem");
            EXPECT_EQ(run.Boxes[0].Text,
                      "We are sorry, this installer was designed for newer operating systems. "
                      "Please upgrade your operating system!");
            EXPECT_EQ(run.Boxes[0].Flags, MB_OK | MB_ICONINFORMATION) << run.Describe();
            EXPECT_TRUE(TemporaryCopies().empty()) << c.Version;
            EXPECT_TRUE(run.Started.empty()) << run.Describe();
        } else {
            EXPECT_TRUE(run.Boxes.empty()) << c.Version << "\n" << run.Describe();
            EXPECT_EQ(TemporaryCopies().size(), 2u) << c.Version;
        }
        ExpectAllExitCodesZero(run);
    }
}

}  // namespace
