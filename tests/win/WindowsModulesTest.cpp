// The system-facing modules, called in-process under Wine.
#include <gtest/gtest.h>

#include <string>

#include "DPI.h"
#include "Localization.h"
#include "MiscShared.h"
#include "SharedStructuresInstUninst.h"
#include "Uninstaller.Data.h"
#include "OSVersionEx.h"
#include "Uninstaller.h"

namespace {

std::string Scratch() {
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof(temp), temp);
    std::string folder = std::string(temp) + "kw_modules_test";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

void WriteBytes(const std::string& path, size_t count) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    std::string bytes(count, 'x');
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

TEST(QueryFileSize, TellsFilesFoldersAndMissingNamesApart) {
    std::string dir = Scratch();
    WriteBytes(dir + "ten.bin", 10);
    WriteBytes(dir + "empty.bin", 0);
    CreateDirectoryA((dir + "sub").c_str(), nullptr);
    EXPECT_EQ(QueryFileSize((dir + "ten.bin").c_str()), 10);
    EXPECT_EQ(QueryFileSize((dir + "empty.bin").c_str()), 0);
    EXPECT_EQ(QueryFileSize((dir + "sub").c_str()), FileSizeFolder);
    EXPECT_EQ(QueryFileSize((dir + "none.bin").c_str()), FileSizeMissing);
    // Wildcards never match other files.
    EXPECT_EQ(QueryFileSize((dir + "*.bin").c_str()), FileSizeMissing);
    EXPECT_EQ(QueryFileSize((dir + "te?.bin").c_str()), FileSizeMissing);
    EXPECT_EQ(QueryFileSize(""), FileSizeMissing);
    SetFileAttributesA((dir + "ten.bin").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(QueryFileSize((dir + "ten.bin").c_str()), 10);
    SetFileAttributesA((dir + "ten.bin").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(MakeTemporaryCopyName, CountsPastFilesAndFolders) {
    std::string dir = Scratch() + "copies";
    CreateDirectoryA(dir.c_str(), nullptr);
    EXPECT_EQ(std::string(MakeTemporaryCopyName(dir.c_str()).c_str()), dir + "\\_Uninstall_0.exe");
    WriteBytes(dir + "\\_Uninstall_0.exe", 1);
    CreateDirectoryA((dir + "\\_Uninstall_1.exe").c_str(), nullptr);
    WriteBytes(dir + "\\_Uninstall_2.dat", 1);  // only the executable name counts
    EXPECT_EQ(std::string(MakeTemporaryCopyName((dir + "\\").c_str()).c_str()),
              dir + "\\_Uninstall_2.exe");
}

TEST(GetExecutablePath, IsTheRunningModule) {
    char path[MAX_PATH + 1];
    GetModuleFileNameA(nullptr, path, sizeof(path));
    EXPECT_STREQ(GetExecutablePath().c_str(), path);
}

TEST(GetOSVersionCode, IsStableAndKnownUnderWine) {
    int code = GetOSVersionCode();
    EXPECT_EQ(code, GetOSVersionCode());
    EXPECT_GT(code, 9);
    EXPECT_EQ(IsNTFamily(), 1);
}

TEST(InitDpiScaling, DeclaresAwarenessAndReadsTheScreenOnNewSystems) {
    OSCode = Win7;
    DpiScaleX = DpiScaleY = 1.0f;
    InitDpiScaling();
    EXPECT_TRUE(IsProcessDPIAware());
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(DpiScaleX, GetDeviceCaps(screen, LOGPIXELSX) / 96.0f);
    EXPECT_EQ(DpiScaleY, GetDeviceCaps(screen, LOGPIXELSY) / 96.0f);
    ReleaseDC(nullptr, screen);
}

TEST(InitDpiScaling, LeavesTheFactorsAloneBeforeXP) {
    OSCode = Win2000;
    DpiScaleX = DpiScaleY = 3.0f;  // a value no screen query would give
    InitDpiScaling();
    EXPECT_EQ(DpiScaleX, 3.0f);
    EXPECT_EQ(DpiScaleY, 3.0f);
    DpiScaleX = DpiScaleY = 1.0f;
}

}  // namespace

namespace {

std::string FixturePath(const char* name) {
    std::string path = "Z:";
    for (const char* p = KW_FIXTURE_DIR; *p; p++) path += *p == '/' ? '\\' : *p;
    return path + "\\" + name;
}

TEST(LoadUninstallData, ReadsARealFileAndRefusesOnlyWhatCannotBeOpened) {
    ASSERT_EQ(LoadUninstallData(FixturePath("product_utf8.dat").c_str()), 1);
    EXPECT_STREQ(UninstallConfig.ProgramName.c_str(), "Caf\xE9 Tool");
    EXPECT_STREQ(GetLocalizedText(7).c_str(), "Uninstall Caf\xE9 Tool 2.5");
    EXPECT_EQ(UninstallerTasksList.Count(), 9u);

    std::string dir = Scratch();
    WriteBytes(dir + "empty.dat", 0);
    ASSERT_EQ(LoadUninstallData((dir + "empty.dat").c_str()), 1);
    EXPECT_TRUE(UninstallConfig.ProgramName.IsEmpty());
    EXPECT_EQ(LocalizedTextCount(), 0);
    EXPECT_EQ(LoadUninstallData((dir + "missing.dat").c_str()), 0);
    EXPECT_EQ(LoadUninstallData((dir + "sub").c_str()), 0);
    // Open elsewhere without sharing: cannot be opened here.
    HANDLE locked = CreateFileA((dir + "locked.dat").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LoadUninstallData((dir + "locked.dat").c_str()), 0);
    CloseHandle(locked);
}

TEST(LoadUninstallData, LeaveFilesFoldWithTheSystemsCodePage) {
    // With the system's lower-casing, "\xC9" (E acute, capital) matches "\xE9".
    LowerCaseBytes = LowerWithSystem;
    std::string dir = Scratch();
    std::string file = "[LeaveFiles]\r\n1=C:\\Caf\xC9\\A.TXT\r\n2=c:\\caf\xE9\\a.txt\r\n";
    HANDLE f = CreateFileA((dir + "leave.dat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                           nullptr);
    DWORD written = 0;
    WriteFile(f, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(f);
    ASSERT_EQ(LoadUninstallData((dir + "leave.dat").c_str()), 1);
    EXPECT_EQ(LeaveFilesList.Count(), 1u);
    EXPECT_EQ(IsLeaveFile("C:\\CAF\xC9\\a.TxT"), 1);
    LowerCaseBytes = AsciiLowerCaseBytes;
}

struct TrailerCase {
    std::string Tail;  // bytes appended to the executable (or the whole file when Whole)
    bool Whole;
    int32_t Expected;
};

TEST(ReadRunModeTrailer, LastFourBytesOfARealExecutable) {
    std::string dir = Scratch();
    char own[MAX_PATH + 1];
    GetModuleFileNameA(nullptr, own, sizeof(own));
    const TrailerCase cases[] = {
        {std::string("\0\0\0\0", 4), false, 0},
        {std::string("\1\0\0\0", 4), false, 1},
        {std::string("\2\0\0\0", 4), false, 2},
        {std::string("\0\0\0\1", 4), false, 0x01000000},
        {std::string("\1\0", 2), true, -1},  // shorter than a trailer
        {std::string(), true, -1},
        {std::string("\1\0\0\0", 4), true, 1},
    };
    for (const TrailerCase& c : cases) {
        std::string path = dir + "trailer.exe";
        if (c.Whole) {
            DeleteFileA(path.c_str());
        } else {
            ASSERT_TRUE(CopyFileA(own, path.c_str(), FALSE));
        }
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        SetFilePointer(f, 0, nullptr, FILE_END);
        DWORD written = 0;
        WriteFile(f, c.Tail.data(), static_cast<DWORD>(c.Tail.size()), &written, nullptr);
        CloseHandle(f);
        int32_t value = 12345;
        EXPECT_EQ(ReadRunModeTrailerFrom(path.c_str(), &value), TrailerRead) << c.Expected;
        EXPECT_EQ(value, c.Expected);
    }
    int32_t value = 12345;
    EXPECT_EQ(ReadRunModeTrailerFrom((dir + "no-such.exe").c_str(), &value), TrailerUnreadable);
    EXPECT_EQ(value, 12345) << "unchanged when unreadable";
    // Held open elsewhere for writing without sharing: unreadable.
    HANDLE locked = CreateFileA((dir + "trailer.exe").c_str(), GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadRunModeTrailerFrom((dir + "trailer.exe").c_str(), &value), TrailerUnreadable);
    CloseHandle(locked);
    // The running executable itself: the test program has no trailer, so its
    // last bytes are whatever the linker left; the call must still succeed.
    EXPECT_EQ(ReadRunModeTrailer(&value), TrailerRead);
}

}  // namespace
