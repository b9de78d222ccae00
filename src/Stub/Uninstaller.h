// Process-wide state of the uninstaller and its start-up, relaunch and driver.
#pragma once

#include <windows.h>

#include <string.h>

#include "../Text.h"

// The OS code of the running system, fixed at start-up.
extern int OSCode;
// 1 when the process has administrative rights (always 1 on the 9x family).
extern int UserIsAdmin;
// 1 in the elevated IPC client.
extern int IpcClientMode;
// The default font of every control the program creates.
extern HFONT DefaultFont;

// Late-bound system functions and libraries, filled by start-up; any of them
// may be null on systems that lack it, and every user falls back.
typedef BOOL(WINAPI* InitializeSecurityDescriptorFn)(PSECURITY_DESCRIPTOR, DWORD);
typedef BOOL(WINAPI* SetSecurityDescriptorDaclFn)(PSECURITY_DESCRIPTOR, BOOL, PACL, BOOL);
typedef HRESULT(WINAPI* CoCreateGuidFn)(GUID*);
typedef int(WINAPI* StringFromGUID2Fn)(REFGUID, wchar_t*, int);
struct LateBoundTable {
    InitializeSecurityDescriptorFn InitializeSecurityDescriptor;
    SetSecurityDescriptorDaclFn SetSecurityDescriptorDacl;
    CoCreateGuidFn CoCreateGuid;
    StringFromGUID2Fn StringFromGUID2;
    HMODULE Shell32;
    HMODULE Kernel32;
    HMODULE Ntdll;
    int ChannelIsNTFamily;  // the NT-family flag the shared-memory channel uses
};
extern LateBoundTable LateBound;

// GetProcAddress with the result cast to the function type; null when the
// library or the function is missing.
template <class Fn>
Fn LookUpFunction(HMODULE library, const char* name) {
    if (!library) return nullptr;
    FARPROC address = GetProcAddress(library, name);
    Fn function = nullptr;
    static_assert(sizeof(function) == sizeof(address), "function pointer size");
    memcpy(&function, &address, sizeof(function));
    return function;
}

// Lower-cases with the system's ANSI rules (CharLowerBuffA); start-up makes
// it the program's LowerCaseBytes.
void LowerWithSystem(char* bytes, size_t length);

// The start-up sequence of every process; ends the process with exit code 0
// and never returns.
void RunUninstallerProcess();

// Releases what the process holds and exits with code 0. Never returns.
void ShutDownProcess();

// The command-line dispatch: relaunch, driver, or nothing.
void DispatchCommandLine();

// Argument `index` of this process's command line; empty when absent.
String GetArgument(int index);

// The full path of the running executable without a "\\?\" prefix; empty
// when the system cannot report it.
String GetExecutablePath();

// The relaunch from a temporary copy (no argument). Returns when done.
void RunRelaunch();

// The full path of the first "_Uninstall_N.exe" in `folder` that does not
// exist; empty when every number is taken.
String MakeTemporaryCopyName(const char* folder);

// Loads the uninstall data file into UninstallConfig, LangIsRTL, the
// localized text table and the lists. Returns 0 only when the file cannot
// be opened (the records then keep what they held); 1 otherwise, for any
// content.
int LoadUninstallData(const char* path);

// Reads the run-mode trailer (last 4 bytes) of the running executable or of
// `path`: TrailerRead with the value (-1 when the file is shorter than 4
// bytes), or TrailerUnreadable when it cannot be opened or read; `value` is
// then unchanged.
int ReadRunModeTrailer(int32_t* value);
int ReadRunModeTrailerFrom(const char* path, int32_t* value);

// The uninstall driver of the temporary copy. Never returns.
void RunUninstallDriver();
