// The relaunch from a temporary copy: a running executable cannot delete
// itself, so the first process only copies itself away and starts the copy.
#include "Uninstaller.h"

#include <shellapi.h>

#include "MiscShared.h"
#include "OnErrorUninstaller.h"
#include "Uninstaller.Rules.h"

namespace {

// Long enough for any path the system accepts, "\\?\" forms included.
const DWORD LongestPath = 32768;

String GetTemporaryFolder() {
    MARK_SOURCE();
    String folder;
    DWORD capacity = MAX_PATH + 1;
    for (;;) {
        DWORD length = GetTempPathA(capacity, folder.Reserve(capacity));
        if (length == 0) return String();
        if (length < capacity) {
            folder.SetLength(length);
            break;
        }
        if (capacity >= LongestPath) return String();
        capacity = length + 1;
    }
    // GetLongPathNameA is missing from Windows 95 and NT 4.0; there the
    // folder keeps the form the system gave.
    MARK_SOURCE();
    typedef DWORD(WINAPI * LongPathFn)(LPCSTR, LPSTR, DWORD);
    LongPathFn longPath =
        LookUpFunction<LongPathFn>(GetModuleHandleA("kernel32.dll"), "GetLongPathNameA");
    if (!longPath) return folder;
    String longForm;
    DWORD need = longPath(folder.c_str(), nullptr, 0);
    if (need == 0 || need > LongestPath) return folder;
    DWORD length = longPath(folder.c_str(), longForm.Reserve(need), need);
    if (length == 0 || length >= need) return folder;
    longForm.SetLength(length);
    return longForm;
}

void DeleteIfFile(const char* path) {
    if (QueryFileSize(path) >= 0) DeleteFileA(path);
}

void StartTemporaryCopy(const String& executable) {
    MARK_SOURCE();
    String folder = FolderOfPath(executable.c_str());
    String commandLine("\"");
    commandLine.Append(executable);
    commandLine.Append("\" /StartUninstall");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    // CreateProcessA may write into the command line, so it gets its own copy.
    String writable(commandLine);
    if (CreateProcessA(nullptr, writable.Reserve(writable.Length()), nullptr, nullptr, FALSE, 0,
                       nullptr, folder.c_str(), &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    MARK_SOURCE();
    ShellExecuteA(nullptr, nullptr, executable.c_str(), "/StartUninstall", folder.c_str(),
                  SW_SHOWNORMAL);
}

}  // namespace

String GetExecutablePath() {
    MARK_SOURCE();
    String path;
    for (DWORD capacity = MAX_PATH + 1;; capacity *= 2) {
        DWORD length = GetModuleFileNameA(nullptr, path.Reserve(capacity), capacity);
        if (length == 0) return String();
        // A result that fills the buffer may have been cut short.
        if (length < capacity) {
            path.SetLength(length);
            return StripLongPathPrefix(path.c_str());
        }
        if (capacity >= LongestPath) return String();
    }
}

String MakeTemporaryCopyName(const char* folder) {
    MARK_SOURCE();
    for (uint32_t n = 0; n < 0xFFFFFFFFu; n++) {
        String candidate = TemporaryCopyCandidate(folder, n);
        // A folder of that name counts as taken.
        if (QueryFileSize(candidate.c_str()) == FileSizeMissing) return candidate;
    }
    return String();
}

void RunRelaunch() {
    MARK_SOURCE();
    String executable = GetExecutablePath();
    String dataFile = ExeSiblingPath(executable.c_str(), "dat");
    // An executable without "exe" in its path would take itself for its own
    // data file; such a data file counts as missing.
    bool sameFile = executable.IsEmpty() || dataFile.Equals(executable);
    if (sameFile || QueryFileSize(dataFile.c_str()) == FileSizeMissing) {
        String text("Error reading uninstallation script:\r\n\r\n");
        text.Append(dataFile);
        MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONERROR);
        return;
    }

    MARK_SOURCE();
    String folder = GetTemporaryFolder();
    // Without a temporary folder the copy would land in the current folder,
    // which the program does not own: report it as a failed copy instead.
    String temporaryExe = folder.IsEmpty() ? String() : MakeTemporaryCopyName(folder.c_str());
    String temporaryData = ExeSiblingPath(temporaryExe.c_str(), "dat");
    bool copied = !temporaryExe.IsEmpty() &&
                  CopyFileA(executable.c_str(), temporaryExe.c_str(), FALSE) &&
                  CopyFileA(dataFile.c_str(), temporaryData.c_str(), FALSE);
    if (!copied) {
        MARK_SOURCE();
        MessageBoxA(nullptr, "Could not initialize uninstallation.", "Error", MB_OK | MB_ICONERROR);
        if (!temporaryExe.IsEmpty()) {
            DeleteIfFile(temporaryExe.c_str());
            DeleteIfFile(temporaryData.c_str());
        }
        return;
    }
    StartTemporaryCopy(temporaryExe);
}
