// Allocators over the program's three private heaps.
//
// Strings live in the string heap, lists and general structures in the base
// heap, separately allocated records in the block heap. Keeping them apart
// lets the heap check at the end of a run name the heap that was damaged.
// The Windows build serves these from HeapCreate heaps; the native build of
// the pure modules serves them from the C heap.
#pragma once

#include <stddef.h>

enum HeapKind { StringHeap = 0, BaseHeap = 1, BlockHeap = 2 };

// Returns a zero-filled block of at least `size` bytes. Never returns null:
// when memory runs out the process faults and the error trap reports it.
void* MemAlloc(HeapKind heap, size_t size);

// Grows or shrinks `block` (null allocates); bytes past the old size are
// undefined.
// Never returns null, like MemAlloc.
void* MemRealloc(HeapKind heap, void* block, size_t size);

// Releases a block from MemAlloc or MemRealloc; null is ignored.
void MemFree(HeapKind heap, void* block);
