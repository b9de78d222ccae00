#include "OnErrorUninstaller.h"

#include <windows.h>

#include "../Memory.h"

namespace {

HANDLE Heaps[3];  // string heap, base heap, block heap; created on first use

HANDLE HeapOf(HeapKind kind) {
    HANDLE& heap = Heaps[kind];
    if (!heap) {
        // Growable private heaps that raise a fault when memory runs out: an
        // allocation never returns null, and the error trap reports the fault.
        heap = HeapCreate(HEAP_GENERATE_EXCEPTIONS, 0, 0);
        if (!heap) RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    }
    return heap;
}

// Sizes that do not fit the heap's bookkeeping on any width are refused
// up front instead of wrapping inside the system.
void CheckRequest(size_t size) {
    if (size > 0x7FFF0000u) RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
}

LONG WINAPI ReportUnexpectedError(EXCEPTION_POINTERS* fault) {
    // The report lives on the stack and in static text only: the heap may be
    // what failed.
    static char report[1024];
    SYSTEMTIME now;
    GetLocalTime(&now);
    ReportTime time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    char module[64];
    ModuleNameFromFile(CurrentSource.File, module, sizeof(module));
    uint32_t code = fault && fault->ExceptionRecord ? fault->ExceptionRecord->ExceptionCode : 0;
    FormatErrorReport(report, sizeof(report), time, code, module, CurrentSource.Line);
    MessageBoxA(nullptr, report, "Error detected", MB_OK | MB_ICONERROR);
    // No clean-up: the state that faulted cannot be trusted to run it.
    TerminateProcess(GetCurrentProcess(), 0);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void* MemAlloc(HeapKind kind, size_t size) {
    CheckRequest(size);
    return HeapAlloc(HeapOf(kind), HEAP_ZERO_MEMORY | HEAP_GENERATE_EXCEPTIONS, size ? size : 1);
}

void* MemRealloc(HeapKind kind, void* block, size_t size) {
    if (!block) return MemAlloc(kind, size);
    CheckRequest(size);
    return HeapReAlloc(HeapOf(kind), HEAP_ZERO_MEMORY | HEAP_GENERATE_EXCEPTIONS, block,
                       size ? size : 1);
}

void MemFree(HeapKind kind, void* block) {
    if (block) HeapFree(HeapOf(kind), 0, block);
}

void InstallErrorTrap() {
    MARK_SOURCE();
    SetUnhandledExceptionFilter(ReportUnexpectedError);
}

void CheckHeaps(const char* module, int line) {
    char path[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) length = 0;
    path[length] = '\0';
    const char* title = path;
    for (const char* p = path; *p; p++) {
        if (*p == '\\' || *p == '/') title = p + 1;
    }
    for (int i = 0; i < 3; i++) {
        HeapKind heap = static_cast<HeapKind>(i);
        if (HeapValidate(HeapOf(heap), 0, nullptr)) continue;
        char text[256];  // on the stack: the heaps are what is in doubt
        FormatHeapReport(text, sizeof(text), heap, module, line);
        MessageBoxA(nullptr, text, title, MB_OK);
    }
}
