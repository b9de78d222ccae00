// The native build's heaps: plain C allocations, so that sanitizers see them,
// with a count of the bytes in use for the memory figures of the benchmark.
#include "Memory.h"

#include <stdlib.h>
#include <string.h>

namespace {

// Each block carries its size in front, kept aligned for any type.
const size_t HeaderSize = 16;
size_t InUse = 0;
size_t Peak = 0;

void Count(ptrdiff_t change) {
    InUse = static_cast<size_t>(static_cast<ptrdiff_t>(InUse) + change);
    if (InUse > Peak) Peak = InUse;
}

}  // namespace

size_t HostMemoryPeak() { return Peak; }
void HostMemoryResetPeak() { Peak = InUse; }

void* MemAlloc(HeapKind, size_t size) {
    char* block = static_cast<char*>(calloc(1, size + HeaderSize));
    if (!block) abort();
    memcpy(block, &size, sizeof(size));
    Count(static_cast<ptrdiff_t>(size));
    return block + HeaderSize;
}

void* MemRealloc(HeapKind kind, void* block, size_t size) {
    if (!block) return MemAlloc(kind, size);
    char* start = static_cast<char*>(block) - HeaderSize;
    size_t old;
    memcpy(&old, start, sizeof(old));
    char* grown = static_cast<char*>(realloc(start, size + HeaderSize));
    if (!grown) abort();
    memcpy(grown, &size, sizeof(size));
    Count(static_cast<ptrdiff_t>(size) - static_cast<ptrdiff_t>(old));
    return grown + HeaderSize;
}

void MemFree(HeapKind, void* block) {
    if (!block) return;
    char* start = static_cast<char*>(block) - HeaderSize;
    size_t size;
    memcpy(&size, start, sizeof(size));
    Count(-static_cast<ptrdiff_t>(size));
    free(start);
}
