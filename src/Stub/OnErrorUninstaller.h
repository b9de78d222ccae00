// The trap for unexpected faults, the source location it reports, and the
// check of the private heaps at the end of a run.
#pragma once

#include <stddef.h>
#include <stdint.h>

// The last place the program reached: the source file (the module name is its
// base name up to the first dot) and a line in it.
struct SourceLocation {
    const char* File;
    int Line;
};
extern SourceLocation CurrentSource;

// Records the current file and line; put at the start of every operation and
// before every step that can fail, so that a fault names the last step reached.
#define MARK_SOURCE()                  \
    do {                               \
        CurrentSource.File = __FILE__; \
        CurrentSource.Line = __LINE__; \
    } while (0)

// Copies the module name of `file` (base name up to the first dot) into
// `out`, truncated to `capacity` - 1 bytes; `out` is always terminated.
void ModuleNameFromFile(const char* file, char* out, size_t capacity);

// Local time of a fault, as the report shows it.
struct ReportTime {
    int Year, Month, Day, Hour, Minute, Second;
};

// The description of a system exception code; "Unknown error code" for codes
// outside the table. Never null.
const char* DescribeExceptionCode(uint32_t code);

// Writes the fault report into `out` (at most `capacity` - 1 bytes, always
// terminated). Uses no heap, so it works when a heap is the fault.
void FormatErrorReport(char* out, size_t capacity, const ReportTime& time, uint32_t code,
                       const char* module, int line);

// Writes the heap check's message for a damaged heap (its label, the
// module, " : " and the line) into `out`, like FormatErrorReport. `heap` is
// a HeapKind.
void FormatHeapReport(char* out, size_t capacity, int heap, const char* module, int line);

// Makes the fault report the handler of every unhandled fault of the process.
void InstallErrorTrap();

// Validates the three heaps; shows one message box, titled with the file name
// of the executable, for every heap that is damaged. Returns nothing.
void CheckHeaps(const char* module, int line);
