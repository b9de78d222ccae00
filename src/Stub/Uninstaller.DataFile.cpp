// Reading the data file and the run-mode trailer from disk; the parsing is
// in Uninstaller.Data.cpp.
#include "Uninstaller.h"

#include "OnErrorUninstaller.h"
#include "Uninstaller.Data.h"

namespace {

// Closes a file handle when the scope ends.
struct FileGuard {
    HANDLE Handle;
    ~FileGuard() {
        if (Handle != INVALID_HANDLE_VALUE) CloseHandle(Handle);
    }
};

}  // namespace

int LoadUninstallData(const char* path) {
    MARK_SOURCE();
    String bytes;
    {
        FileGuard file = {CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (file.Handle == INVALID_HANDLE_VALUE) return 0;
        DWORD high = 0;
        DWORD size = GetFileSize(file.Handle, &high);
        if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 0;
        // A data file of 2 GB or more cannot be held in memory by a 32-bit
        // process; it is read as far as memory allows, which is nothing.
        if (high != 0 || size > 0x7FFF0000u) size = 0;
        MARK_SOURCE();
        char* buffer = bytes.Reserve(size);
        DWORD total = 0;
        while (total < size) {
            DWORD read = 0;
            if (!ReadFile(file.Handle, buffer + total, size - total, &read, nullptr) || read == 0)
                break;
            total += read;
        }
        bytes.SetLength(total);
    }  // the file is closed before the texts are substituted
    MARK_SOURCE();
    ParseUninstallData(bytes.c_str(), bytes.Length());
    return 1;
}

int ReadRunModeTrailerFrom(const char* path, int32_t* value) {
    MARK_SOURCE();
    FileGuard file = {CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.Handle == INVALID_HANDLE_VALUE) return TrailerUnreadable;
    DWORD high = 0;
    DWORD size = GetFileSize(file.Handle, &high);
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return TrailerUnreadable;
    // Shorter than a trailer: no setup builder wrote this file as it is.
    *value = -1;
    if (high == 0 && size < 4) return TrailerRead;
    uint64_t offset = ((static_cast<uint64_t>(high) << 32) | size) - 4;
    LONG moveHigh = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(file.Handle, static_cast<LONG>(offset & 0xFFFFFFFFu), &moveHigh,
                       FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        return TrailerUnreadable;
    }
    unsigned char last4[4];
    DWORD read = 0;
    if (!ReadFile(file.Handle, last4, sizeof(last4), &read, nullptr)) return TrailerUnreadable;
    if (read == sizeof(last4)) *value = RunModeTrailerFromBytes(last4);
    return TrailerRead;
}

int ReadRunModeTrailer(int32_t* value) {
    String executable = GetExecutablePath();
    return ReadRunModeTrailerFrom(executable.c_str(), value);
}
