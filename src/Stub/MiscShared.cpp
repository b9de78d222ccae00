#include "MiscShared.h"

#include <windows.h>

#include "OnErrorUninstaller.h"

int64_t QueryFileSize(const char* path) {
    MARK_SOURCE();
    // Attributes first: unlike a directory search, they never match wildcards.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return FileSizeMissing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileSizeFolder;
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;  // exists, but its size cannot be read
    DWORD high = 0;
    DWORD low = GetFileSize(file, &high);
    int64_t size = 0;
    if (low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR) {
        size = static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
    }
    CloseHandle(file);
    return size;
}

String GetCurrentUserName() {
    MARK_SOURCE();
    char name[260];
    DWORD size = sizeof(name);
    if (!GetUserNameA(name, &size)) {
        String blanks;
        for (int i = 0; i < 260; i++) blanks.AppendChar(' ');
        return blanks;
    }
    name[sizeof(name) - 1] = '\0';
    return String(name);
}
