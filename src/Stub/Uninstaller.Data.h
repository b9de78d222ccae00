// The uninstall data file: an INI-style document parsed from its bytes, and
// the reader that turns it into the process-wide records, lists and texts.
// Pure: the file is read by LoadUninstallData (Uninstaller.h).
#pragma once

#include <stdint.h>

#include "../Text.h"

// An INI document indexed once: groups by name and keys by group and name,
// both without regard to letter case (through LowerCaseBytes), first
// occurrence winning. Lines end at CR, LF or CR LF; leading blanks and tabs
// are ignored; ";" starts a comment; "[" opens a group named up to the next
// "]" (the rest of the line when there is none); other lines are key lines
// split at the first "=". Decided here: a non-empty line without "=" that is
// neither comment nor header carries no key and is ignored.
class IniDocument {
public:
    IniDocument() = default;
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;
    ~IniDocument();

    // Indexes `size` bytes (copied; beyond 2 GB they are ignored). Never
    // fails; a UTF-8 byte-order mark makes the document UTF-8.
    void Parse(const char* bytes, size_t size);

    bool IsUtf8() const { return utf8_; }

    // The group of that name, or -1. The empty name selects the part of the
    // file before the first group header (which always exists, maybe empty).
    // In a UTF-8 document the name is taken as Latin-1 and encoded to UTF-8.
    long FindGroup(const char* name) const;

    // The value of `key` in `group`, decoded to single-byte text in a UTF-8
    // document; empty for a missing group or key.
    String ReadText(long group, const char* key) const;

    // ReadText through the text-to-integer conversion; 0 when missing.
    int64_t ReadInteger(long group, const char* key) const;

    // The key lines of `group` in file order, for value lists.
    size_t KeyCount(long group) const;
    String ValueAt(long group, size_t index) const;

    // Groups as they stand in the file, the part before the first header
    // included.
    size_t GroupCount() const { return groups_.Count(); }

private:
    // 32-bit offsets keep the index small; Parse reads at most 2 GB.
    struct Span {
        uint32_t Offset, Length;
    };
    static Span MakeSpan(size_t offset, size_t length) {
        return Span{static_cast<uint32_t>(offset), static_cast<uint32_t>(length)};
    }
    struct Group {
        Span Name;
        uint32_t FirstKey, KeyCount;
        bool First;  // the first group of its name, the one lookups find
    };
    struct Key {
        Span Name, Value;
    };
    Span Name(size_t offset, size_t length);  // copies a name of the file into names_
    void AddGroup(Span name);
    void AddKey(Span name, Span value);
    void BuildIndex();
    void BuildKeyIndex() const;
    // A name encoded and lower-cased like the index; short names stay on the
    // stack, since every key read looks one up.
    struct LookupText {
        char Short[96];
        String Long;
        const char* Bytes;
        size_t Length;
    };
    void LookupName(const char* name, LookupText* out) const;
    bool NameEquals(Span name, const LookupText& lowered) const;
    bool SameName(Span a, Span b) const;  // two names of the document
    long FindKey(long group, const char* key) const;
    String Decode(Span value) const;

    String bytes_;  // the file as read; values are spans of it
    String names_;  // every group and key name, lower-cased, side by side
    bool utf8_ = false;
    List<Group> groups_;
    List<Key> keys_;
    int32_t* groupIndex_ = nullptr;  // open addressing, -1 empty; mask groupSlots_ - 1
    mutable long lastGroup_ = 0;     // the group found last: item lists name groups in file order
    size_t groupSlots_ = 0;
    mutable int32_t* keyIndex_ = nullptr;  // keys of the groups too large to scan
    mutable size_t keySlots_ = 0;
};

// Single-byte text from UTF-8: each character up to U+00FF becomes its byte,
// any other character, and every byte of an invalid or truncated sequence,
// becomes "?".
String DecodeUtf8ToLatin1(const char* bytes, size_t length);

// UTF-8 for single-byte text read as Latin-1.
String EncodeLatin1ToUtf8(const char* bytes, size_t length);

// Fills UninstallConfig, LangIsRTL, the localized text table and the seven
// lists from the uninstall data file's bytes, replacing what they held, and
// substitutes the product name and version in the texts. Never fails.
void ParseUninstallData(const char* bytes, size_t size);

// The run-mode trailer, from the last four bytes of the executable
// (little-endian).
int32_t RunModeTrailerFromBytes(const unsigned char last4[4]);

enum TrailerReadResult { TrailerRead = 0, TrailerUnreadable = 1 };

// The driver's message for a trailer reading, or null when the run may go
// on (trailer 0 or 1).
const char* RunModeTrailerProblem(TrailerReadResult result, int32_t value);
