// The fault report's wording; no system calls and no heap.
#include "OnErrorUninstaller.h"

SourceLocation CurrentSource = {__FILE__, __LINE__};

namespace {

struct Description {
    uint32_t Code;
    const char* Text;
};

const Description Descriptions[] = {
    {0xC0000005u, "Invalid memory access"},
    {0xC000008Cu, "Array bounds exceeded"},
    {0x80000003u, "Debugger breakpoint reached"},
    {0x80000002u, "Misaligned data access"},
    {0xC000008Du, "Denormal floating-point operand"},
    {0xC000008Eu, "Division by zero (floating-point)"},
    {0xC000008Fu, "Inexact floating-point result"},
    {0xC0000090u, "Invalid floating-point operation"},
    {0xC0000091u, "Floating-point overflow (exponent to great)"},
    {0xC0000092u, "Floating-point stack overflow or underflow"},
    {0xC0000093u, "Floating-point underflow (exponent too small)"},
    {0xC000001Du, "Illegal instruction"},
    {0xC0000006u, "Memory page error"},
    {0xC0000094u, "Division by zero "},
    {0xC0000095u, "Integer overflow"},
    {0xC0000026u, "Exception handler returned unknown value"},
    {0xC0000025u, "Exception handler tried to continue after non-continuable exception"},
    {0xC0000096u, "Privileged instruction"},
    {0x80000004u, "Single step trap"},
    {0xC00000FDu, "Stack overflow"},
};

// A bounded writer: appends while room is left, always terminated.
struct Writer {
    char* Out;
    size_t Capacity;
    size_t Length;
    void Put(const char* text) {
        while (*text && Length + 1 < Capacity) Out[Length++] = *text++;
        Out[Length] = '\0';
    }
    void PutNumber(long long value, int minDigits) {
        char digits[24];
        int n = 0;
        unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude || n < minDigits);
        char text[26];
        int k = 0;
        if (value < 0) text[k++] = '-';
        while (n) text[k++] = digits[--n];
        text[k] = '\0';
        Put(text);
    }
    // Three numbers joined by `separator`, the first with `firstDigits`
    // digits at least, the others with two.
    void PutTriple(int a, int b, int c, int firstDigits, const char* separator) {
        PutNumber(a, firstDigits);
        Put(separator);
        PutNumber(b, 2);
        Put(separator);
        PutNumber(c, 2);
    }
};

}  // namespace

void ModuleNameFromFile(const char* file, char* out, size_t capacity) {
    if (capacity == 0) return;
    const char* base = file ? file : "";
    for (const char* p = base; *p; p++) {
        if (*p == '/' || *p == '\\') base = p + 1;
    }
    size_t n = 0;
    while (base[n] && base[n] != '.' && n + 1 < capacity) {
        out[n] = base[n];
        n++;
    }
    out[n] = '\0';
}

const char* DescribeExceptionCode(uint32_t code) {
    for (const Description& d : Descriptions) {
        if (d.Code == code) return d.Text;
    }
    return "Unknown error code";
}

void FormatErrorReport(char* out, size_t capacity, const ReportTime& time, uint32_t code,
                       const char* module, int line) {
    if (capacity == 0) return;
    Writer w = {out, capacity, 0};
    out[0] = '\0';
    w.Put("We are sorry, but the uninstaller has stopped working due to an error:\r\n\r\n");
    w.Put("Error detected on: ");
    w.PutTriple(time.Year, time.Month, time.Day, 4, "/");  // %yyyy/%mm/%dd
    w.Put(" at ");
    w.PutTriple(time.Hour, time.Minute, time.Second, 2, ":");  // %hh:%ii:%ss
    w.Put("\r\nError description: ");
    w.Put(DescribeExceptionCode(code));
    w.Put("\r\nModule name: ");
    w.Put(module ? module : "");
    w.Put("\r\nError line: ");
    w.PutNumber(line, 1);
    w.Put("\r\n\r\n");
    w.Put(
        "Please report the circumstances of this error to the vendor of the program you are "
        "trying to uninstall.");
}

void FormatHeapReport(char* out, size_t capacity, int heap, const char* module, int line) {
    static const char* const Labels[3] = {
        "StringHeap corrupted: ", "MemoryBase heap corrupted: ", "AllocateMemory heap corrupted: "};
    if (capacity == 0) return;
    Writer w = {out, capacity, 0};
    out[0] = '\0';
    w.Put(heap >= 0 && heap < 3 ? Labels[heap] : "");
    w.Put(module ? module : "");
    w.Put(" : ");
    w.PutNumber(line, 1);
}
