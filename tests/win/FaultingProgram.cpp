// A program that links the error trap and faults on purpose, so that the
// report can be seen as a user sees it. Argument: the kind of fault.
#include <windows.h>

#include <cstring>

#include "../../src/Memory.h"
#include "OnErrorUninstaller.h"

namespace {

volatile int Zero = 0;

}  // namespace

int main(int argc, char** argv) {
    InstallErrorTrap();
    const char* kind = argc > 1 ? argv[1] : "";
    if (strcmp(kind, "heap-intact") == 0) {
        void* block = MemAlloc(StringHeap, 32);
        MemFree(StringHeap, block);
        CheckHeaps("Uninstaller", 42);
        return 0;
    }
    const char* const heaps[3] = {"heap-corrupt-string", "heap-corrupt-base", "heap-corrupt-block"};
    for (int i = 0; i < 3; i++) {
        if (strcmp(kind, heaps[i]) != 0) continue;
        // Writing around a small block tramples the heap's own bookkeeping.
        HeapKind heap = static_cast<HeapKind>(i);
        char* block = static_cast<char*>(MemAlloc(heap, 16));
        MemAlloc(heap, 16);
        memset(block - 16, 0x5A, 64);
        CheckHeaps("Uninstaller", 42);
        return 0;
    }
#line 500
    MARK_SOURCE();
    if (strcmp(kind, "access") == 0) *static_cast<volatile int*>(nullptr) = 1;
    if (strcmp(kind, "divide") == 0) return 10 / Zero;
    if (strcmp(kind, "unknown") == 0) RaiseException(0xE0001234u, 0, 0, nullptr);
    return 3;
}
