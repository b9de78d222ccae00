// The system-facing modules, called in-process under Wine.
#include <gtest/gtest.h>

#include <string>

#include "DPI.h"
#include "MiscShared.h"
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
