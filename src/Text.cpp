#include "Text.h"

String::String(const char* text) : String(text, text ? strlen(text) : 0) {}

String::String(const char* bytes, size_t length) : text_(nullptr), length_(0), capacity_(0) {
    Append(bytes, length);
}

String::String(const String& other) : String(other.c_str(), other.Length()) {}

String::String(String&& other) noexcept
    : text_(other.text_), length_(other.length_), capacity_(other.capacity_) {
    other.text_ = nullptr;
    other.length_ = other.capacity_ = 0;
}

String::~String() { MemFree(StringHeap, text_); }

String& String::operator=(const String& other) {
    if (this != &other) {
        Clear();
        Append(other.c_str(), other.Length());
    }
    return *this;
}

String& String::operator=(String&& other) noexcept {
    if (this != &other) {
        MemFree(StringHeap, text_);
        text_ = other.text_;
        length_ = other.length_;
        capacity_ = other.capacity_;
        other.text_ = nullptr;
        other.length_ = other.capacity_ = 0;
    }
    return *this;
}

char* String::Reserve(size_t length) {
    if (length + 1 > capacity_) {
        size_t capacity = capacity_ ? capacity_ : 16;
        while (capacity < length + 1) capacity *= 2;
        text_ = static_cast<char*>(MemRealloc(StringHeap, text_, capacity));
        text_[length_] = '\0';
        capacity_ = capacity;
    }
    return text_;
}

void String::SetLength(size_t length) {
    if (!text_) return;
    if (length + 1 > capacity_) length = capacity_ - 1;
    length_ = length;
    text_[length_] = '\0';
}

void String::Append(const char* bytes, size_t length) {
    if (length == 0) {
        if (!text_) Reserve(0);
        return;
    }
    // `bytes` may point into this string: keep its offset across the regrowth.
    const char* begin = text_;
    bool inside = text_ && bytes >= begin && bytes < begin + capacity_;
    size_t offset = inside ? static_cast<size_t>(bytes - begin) : 0;
    Reserve(length_ + length);
    if (inside) bytes = text_ + offset;
    memmove(text_ + length_, bytes, length);
    length_ += length;
    text_[length_] = '\0';
}

void String::AppendDecimal(int64_t value) {
    char digits[24];
    size_t n = 0;
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) AppendChar('-');
    while (n) AppendChar(digits[--n]);
}

void String::Truncate(size_t length) {
    if (text_ && length < length_) {
        length_ = length;
        text_[length_] = '\0';
    }
}

bool String::Equals(const char* text) const {
    size_t length = text ? strlen(text) : 0;
    return length == length_ && (length == 0 || memcmp(text_, text, length) == 0);
}

bool String::Equals(const String& other) const {
    return other.length_ == length_ && (length_ == 0 || memcmp(text_, other.text_, length_) == 0);
}

int64_t TextToInteger(const char* text) {
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t') p++;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    unsigned base = 10;
    if (*p == '$') {
        base = 16;
        p++;
    } else if (*p == '%') {
        base = 2;
        p++;
    }
    // Unsigned arithmetic wraps by definition; the cast back is two's complement.
    uint64_t value = 0;
    for (;; p++) {
        unsigned digit;
        char c = *p;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        if (digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = 0 - value;
    return static_cast<int64_t>(value);
}

int32_t TextToInteger32(const char* text) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(TextToInteger(text))));
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWith(const char* text, const char* prefix) {
    return strncmp(text, prefix, strlen(prefix)) == 0;
}
