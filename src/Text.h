// Owned single-byte strings, growable lists and the text rules shared by
// every module: the program's own small string and list machinery, so that
// neither operator new nor the C++ library's exception support is linked.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>
#include <new>

#include "Memory.h"

// An owned, NUL-terminated byte string in the string heap. May hold NUL bytes
// inside (Length counts them); c_str() is never null.
class String {
public:
    constexpr String() : text_(nullptr), length_(0), capacity_(0) {}
    String(const char* text);  // null reads as empty
    String(const char* bytes, size_t length);
    String(const String& other);
    String(String&& other) noexcept;
    ~String();
    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;

    const char* c_str() const { return text_ ? text_ : ""; }
    size_t Length() const { return length_; }
    bool IsEmpty() const { return length_ == 0; }
    char operator[](size_t index) const { return index < length_ ? text_[index] : '\0'; }

    void Append(const char* bytes, size_t length);
    void Append(const char* text) { Append(text, text ? strlen(text) : 0); }
    void Append(const String& other) { Append(other.c_str(), other.Length()); }
    void AppendChar(char c) { Append(&c, 1); }
    void AppendDecimal(int64_t value);
    void Clear() { Truncate(0); }
    // Shortens to `length` bytes; a longer length is ignored.
    void Truncate(size_t length);
    // Makes room for `length` bytes and returns the buffer, for system calls
    // that fill one; call SetLength afterwards.
    char* Reserve(size_t length);
    // Sets the length after a Reserve, to at most the reserved size.
    void SetLength(size_t length);

    bool Equals(const char* text) const;
    bool Equals(const String& other) const;

private:
    char* text_;
    size_t length_;
    size_t capacity_;
};

// A growable array in the base heap. Elements are moved bitwise when it grows,
// which is right for String, pointers and plain records.
template <class T>
class List {
public:
    constexpr List() : items_(nullptr), count_(0), capacity_(0) {}
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    ~List() {
        Clear();
        MemFree(BaseHeap, items_);
    }

    size_t Count() const { return count_; }
    T& operator[](size_t index) { return items_[index]; }
    const T& operator[](size_t index) const { return items_[index]; }

    T& Add(T&& item) {
        Grow();
        return *new (static_cast<void*>(&items_[count_++])) T(static_cast<T&&>(item));
    }
    T& Add(const T& item) {
        Grow();
        return *new (static_cast<void*>(&items_[count_++])) T(item);
    }
    void Clear() {
        for (size_t i = 0; i < count_; i++) items_[i].~T();
        count_ = 0;
    }
    // Makes room for `capacity` elements at least.
    void Reserve(size_t capacity) {
        if (capacity <= capacity_) return;
        items_ = static_cast<T*>(MemRealloc(BaseHeap, items_, capacity * sizeof(T)));
        capacity_ = capacity;
    }

private:
    void Grow() {
        if (count_ < capacity_) return;
        size_t capacity = capacity_ ? capacity_ * 2 : 8;
        items_ = static_cast<T*>(MemRealloc(BaseHeap, items_, capacity * sizeof(T)));
        capacity_ = capacity;
    }
    T* items_;
    size_t count_;
    size_t capacity_;
};

// FNV-1a over bytes with a final mix, the hash of the lookup tables.
uint64_t HashBytes(const void* bytes, size_t length, uint64_t seed = 14695981039346656037ull);

// A set of byte strings with lookups in constant time (open addressing).
class StringSet {
public:
    StringSet() = default;
    StringSet(const StringSet&) = delete;
    StringSet& operator=(const StringSet&) = delete;
    ~StringSet() { Clear(); }
    // Adds `text`; false when an equal string is already in the set.
    bool Insert(String&& text);
    bool Contains(const char* bytes, size_t length) const;
    size_t Count() const { return count_; }
    void Clear();

private:
    size_t SlotOf(const char* bytes, size_t length) const;
    String* slots_ = nullptr;  // capacity_ strings; an empty slot has a null text
    bool* used_ = nullptr;
    size_t capacity_ = 0;
    size_t count_ = 0;
};

// The text-to-integer conversion used wherever a number is read from text:
// leading blanks and tabs skipped, an optional sign, then decimal digits, or
// "$" and hexadecimal digits, or "%" and binary digits, up to the first
// character that does not fit; no digits give 0. Digits beyond the range of
// 64 bits wrap around (the value is taken modulo 2^64 and read as signed), so
// no input is undefined; 32-bit uses keep the low 32 bits.
int64_t TextToInteger(const char* text);

// TextToInteger's low 32 bits, read as a signed integer.
int32_t TextToInteger32(const char* text);

// Lower-cases `length` bytes in place with the system's rules for the ANSI
// code page; ASCII-only until the Windows start-up installs CharLowerBuffA.
// Every case-insensitive comparison of text from the user or the data file
// goes through it, so that both sides are folded alike.
extern void (*LowerCaseBytes)(char* bytes, size_t length);
void AsciiLowerCaseBytes(char* bytes, size_t length);

// A lower-cased copy of `text` (through LowerCaseBytes).
String LowerCased(const char* text, size_t length);

// `text` without blanks (spaces only) at both ends.
String TrimmedSpaces(const char* text);

// ASCII-only letter-case folding, for fixed command words and file-name
// patterns; text from the user or the data file uses the system's rules.
char AsciiLower(char c);

// True when `text` starts with `prefix` (exact bytes).
bool StartsWith(const char* text, const char* prefix);
