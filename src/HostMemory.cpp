// The native build's heaps: plain C allocations, so that sanitizers see them.
#include "Memory.h"

#include <stdlib.h>
#include <string.h>

void* MemAlloc(HeapKind, size_t size) {
    void* block = calloc(1, size ? size : 1);
    if (!block) abort();
    return block;
}

void* MemRealloc(HeapKind, void* block, size_t size) {
    // The C heap does not remember sizes for zero-filling, so callers of
    // MemRealloc never rely on it for bytes they have not written themselves.
    void* grown = realloc(block, size ? size : 1);
    if (!grown) abort();
    return grown;
}

void MemFree(HeapKind, void* block) { free(block); }
