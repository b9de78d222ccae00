// Fuzz target: any bytes as an IPC command line; the first byte picks the
// separator.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "CSVParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    String line(reinterpret_cast<const char*>(data + 1), size - 1);
    int count = ParseCsvLine(line.c_str(), data[0]);
    for (int i = -1; i <= (count < 70 ? count : 70); i++) GetCsvField(i);
    return 0;
}
