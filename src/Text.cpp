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
    // No string comes near this size; the bound keeps the sums below exact.
    if (length > (static_cast<size_t>(-1) >> 2) - length_) return;
    if (length == 0) return;
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
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
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

void AsciiLowerCaseBytes(char* bytes, size_t length) {
    for (size_t i = 0; i < length; i++) bytes[i] = AsciiLower(bytes[i]);
}

void (*LowerCaseBytes)(char* bytes, size_t length) = AsciiLowerCaseBytes;

String LowerCased(const char* text, size_t length) {
    String lowered(text, length);
    if (length) LowerCaseBytes(lowered.Reserve(length), length);
    return lowered;
}

String TrimmedSpaces(const char* text) {
    if (!text) return String();
    const char* begin = text;
    while (*begin == ' ') begin++;
    const char* end = begin + strlen(begin);
    while (end > begin && end[-1] == ' ') end--;
    return String(begin, static_cast<size_t>(end - begin));
}

uint64_t HashBytes(const void* bytes, size_t length, uint64_t seed) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    uint64_t hash = seed;
    for (size_t i = 0; i < length; i++) {
        hash ^= p[i];
        hash *= 1099511628211ull;
    }
    // FNV's low bits mix poorly, and the tables index by the low bits:
    // a final avalanche spreads every input bit over them.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return hash;
}

size_t StringSet::SlotOf(const char* bytes, size_t length) const {
    size_t mask = capacity_ - 1;
    size_t slot = static_cast<size_t>(HashBytes(bytes, length)) & mask;
    while (used_[slot]) {
        const String& s = slots_[slot];
        if (s.Length() == length && (length == 0 || memcmp(s.c_str(), bytes, length) == 0)) break;
        slot = (slot + 1) & mask;
    }
    return slot;
}

bool StringSet::Contains(const char* bytes, size_t length) const {
    if (!capacity_) return false;
    return used_[SlotOf(bytes, length)];
}

bool StringSet::Insert(String&& text) {
    if ((count_ + 1) * 2 > capacity_) {
        // Grow to keep the table at most half full, rehashing every entry.
        size_t capacity = capacity_ ? capacity_ * 2 : 16;
        String* oldSlots = slots_;
        bool* oldUsed = used_;
        size_t oldCapacity = capacity_;
        slots_ = static_cast<String*>(MemAlloc(BaseHeap, capacity * sizeof(String)));
        used_ = static_cast<bool*>(MemAlloc(BaseHeap, capacity * sizeof(bool)));
        for (size_t i = 0; i < capacity; i++) new (static_cast<void*>(&slots_[i])) String();
        capacity_ = capacity;
        for (size_t i = 0; i < oldCapacity; i++) {
            if (!oldUsed[i]) continue;
            size_t slot = SlotOf(oldSlots[i].c_str(), oldSlots[i].Length());
            slots_[slot] = static_cast<String&&>(oldSlots[i]);
            used_[slot] = true;
        }
        for (size_t i = 0; i < oldCapacity; i++) oldSlots[i].~String();
        MemFree(BaseHeap, oldSlots);
        MemFree(BaseHeap, oldUsed);
    }
    size_t slot = SlotOf(text.c_str(), text.Length());
    if (used_[slot]) return false;
    slots_[slot] = static_cast<String&&>(text);
    used_[slot] = true;
    count_++;
    return true;
}

void StringSet::Clear() {
    for (size_t i = 0; i < capacity_; i++) slots_[i].~String();
    MemFree(BaseHeap, slots_);
    MemFree(BaseHeap, used_);
    slots_ = nullptr;
    used_ = nullptr;
    capacity_ = count_ = 0;
}
