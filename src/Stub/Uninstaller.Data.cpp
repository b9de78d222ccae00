// Reading the uninstall data file from its bytes. Every byte is untrusted:
// no input makes the reader fail, loop or reach outside its buffers.
#include "Uninstaller.Data.h"

#include "../Localization.h"
#include "SharedStructuresInstUninst.h"

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// Groups up to this many keys are searched in place: their keys lie side by
// side in memory, which beats a table lookup that misses the cache.
const size_t ScannedGroupKeys = 16;

size_t TableSizeFor(size_t entries) {
    size_t slots = 16;
    while (slots < entries * 2) slots *= 2;
    return slots;
}

// The slot of an open-addressing table (-1 marks an empty slot) that holds
// an entry for which `matches(entry)` is true, or else the empty slot where
// the probe from `hash` ends. The tables are at most half full.
template <class Matches>
size_t ProbeSlot(const int32_t* table, size_t slots, uint64_t hash, Matches matches) {
    size_t slot = static_cast<size_t>(hash) & (slots - 1);
    while (table[slot] >= 0 && !matches(static_cast<size_t>(table[slot]))) {
        slot = (slot + 1) & (slots - 1);
    }
    return slot;
}

// A table of `slots` empty slots.
int32_t* NewTable(size_t slots) {
    int32_t* table = static_cast<int32_t*>(MemAlloc(BaseHeap, slots * sizeof(int32_t)));
    for (size_t i = 0; i < slots; i++) table[i] = -1;
    return table;
}

uint64_t GroupSeed(long group) {
    uint64_t g = static_cast<uint64_t>(group);
    return HashBytes(&g, sizeof(g));
}

}  // namespace

IniDocument::~IniDocument() {
    MemFree(BaseHeap, groupIndex_);
    MemFree(BaseHeap, keyIndex_);
}

void IniDocument::AddGroup(Span name) {
    Group group = {name, static_cast<uint32_t>(keys_.Count()), 0, false};
    groups_.Add(group);
}

void IniDocument::AddKey(Span name, Span value) {
    Key key = {name, value};
    keys_.Add(key);
    groups_[groups_.Count() - 1].KeyCount++;
}

IniDocument::Span IniDocument::Name(size_t offset, size_t length) {
    Span name = MakeSpan(names_.Length(), length);
    names_.Append(bytes_.c_str() + offset, length);
    return name;
}

void IniDocument::Parse(const char* bytes, size_t size) {
    if (size > 0x7FFF0000u) size = 0x7FFF0000u;
    bytes_ = String(bytes, size);
    names_.Clear();
    size_t pos = 0;
    utf8_ = size >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
            static_cast<unsigned char>(bytes[1]) == 0xBB &&
            static_cast<unsigned char>(bytes[2]) == 0xBF;
    if (utf8_) pos = 3;

    // Sized once from the number of line ends, so that the arrays are not
    // copied again and again while a large file is read.
    const char* text = bytes_.c_str();
    size_t lines = 1;
    for (const char* p = text; (p = static_cast<const char*>(memchr(p, '\n', size - (p - text))));
         p++) {
        lines++;
    }
    keys_.Reserve(lines);
    names_.Reserve(size / 4);
    AddGroup(Span{0, 0});  // the part before the first header
    while (pos < size) {
        size_t end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n') end++;
        size_t next = end;
        if (next < size && text[next] == '\r') next++;
        if (next < size && text[next] == '\n' && (next == end || text[end] == '\r')) next++;

        size_t start = pos;
        while (start < end && IsBlankOrTab(text[start])) start++;
        if (start < end && text[start] != ';') {
            if (text[start] == '[') {
                size_t close = start + 1;
                while (close < end && text[close] != ']') close++;
                AddGroup(Name(start + 1, close - (start + 1)));
            } else {
                size_t equals = start;
                while (equals < end && text[equals] != '=') equals++;
                if (equals < end) {
                    size_t nameEnd = equals;
                    while (nameEnd > start && IsBlankOrTab(text[nameEnd - 1])) nameEnd--;
                    size_t valueStart = equals + 1;
                    size_t valueEnd = end;
                    while (valueStart < valueEnd && IsBlankOrTab(text[valueStart])) valueStart++;
                    while (valueEnd > valueStart && IsBlankOrTab(text[valueEnd - 1])) valueEnd--;
                    AddKey(Name(start, nameEnd - start),
                           MakeSpan(valueStart, valueEnd - valueStart));
                }
            }
        }
        pos = next;
    }
    // One pass of the system's lower-casing over all names at once.
    if (names_.Length()) LowerCaseBytes(names_.Reserve(names_.Length()), names_.Length());
    BuildIndex();
}

bool IniDocument::SameName(Span a, Span b) const {
    return a.Length == b.Length &&
           (a.Length == 0 ||
            memcmp(names_.c_str() + a.Offset, names_.c_str() + b.Offset, a.Length) == 0);
}

bool IniDocument::NameEquals(Span name, const LookupText& lowered) const {
    return name.Length == lowered.Length &&
           (name.Length == 0 ||
            memcmp(names_.c_str() + name.Offset, lowered.Bytes, name.Length) == 0);
}

void IniDocument::BuildIndex() {
    MemFree(BaseHeap, groupIndex_);
    MemFree(BaseHeap, keyIndex_);
    keyIndex_ = nullptr;
    keySlots_ = 0;
    const char* low = names_.c_str();

    // Groups from 1 on; the part before the first header is reached only by
    // the empty name. A later group of the same name is never found.
    groupSlots_ = TableSizeFor(groups_.Count());
    groupIndex_ = NewTable(groupSlots_);
    for (size_t g = 1; g < groups_.Count(); g++) {
        const Span& name = groups_[g].Name;
        size_t slot = ProbeSlot(groupIndex_, groupSlots_, HashBytes(low + name.Offset, name.Length),
                                [&](size_t other) { return SameName(groups_[other].Name, name); });
        if (groupIndex_[slot] < 0) {
            groupIndex_[slot] = static_cast<int32_t>(g);
            groups_[g].First = true;
        }
    }
}

void IniDocument::BuildKeyIndex() const {
    // Built on the first key lookup in a large group: the large groups are
    // mostly value lists (files, folders), read in order and never by name.
    const char* low = names_.c_str();
    size_t indexedKeys = 0;
    for (size_t g = 0; g < groups_.Count(); g++) {
        if (groups_[g].KeyCount > ScannedGroupKeys) indexedKeys += groups_[g].KeyCount;
    }
    keySlots_ = TableSizeFor(indexedKeys);
    keyIndex_ = NewTable(keySlots_);
    for (size_t g = 0; g < groups_.Count(); g++) {
        const Group& group = groups_[g];
        if (group.KeyCount <= ScannedGroupKeys) continue;
        uint64_t seed = GroupSeed(static_cast<long>(g));
        for (size_t k = group.FirstKey; k < group.FirstKey + group.KeyCount; k++) {
            const Span& name = keys_[k].Name;
            // Keys of one group occupy one range of the key array.
            size_t slot = ProbeSlot(
                keyIndex_, keySlots_, HashBytes(low + name.Offset, name.Length, seed),
                [&](size_t other) {
                    return other >= group.FirstKey && other < group.FirstKey + group.KeyCount &&
                           SameName(keys_[other].Name, name);
                });
            if (keyIndex_[slot] < 0) keyIndex_[slot] = static_cast<int32_t>(k);
        }
    }
}

void IniDocument::LookupName(const char* name, LookupText* out) const {
    size_t length = name ? strlen(name) : 0;
    bool plain = !utf8_;
    if (utf8_) {
        plain = true;
        for (size_t i = 0; i < length; i++)
            plain = plain && static_cast<unsigned char>(name[i]) < 0x80;
    }
    if (plain && length < sizeof(out->Short)) {
        memcpy(out->Short, name, length);
        out->Short[length] = '\0';
        if (length) LowerCaseBytes(out->Short, length);
        out->Bytes = out->Short;
        out->Length = length;
        return;
    }
    String encoded = utf8_ ? EncodeLatin1ToUtf8(name, length) : String(name, length);
    out->Long = LowerCased(encoded.c_str(), encoded.Length());
    out->Bytes = out->Long.c_str();
    out->Length = out->Long.Length();
}

long IniDocument::FindGroup(const char* name) const {
    if (!name || !*name) return 0;
    if (!groupIndex_) return -1;
    LookupText lowered;
    LookupName(name, &lowered);
    // Installers write an item list's groups in the order of the list, so
    // the two groups after the last one found are tried first (two lists
    // written side by side alternate their groups): a large file is then
    // read in memory order.
    for (size_t next = static_cast<size_t>(lastGroup_) + 1;
         next <= static_cast<size_t>(lastGroup_) + 2 && next < groups_.Count(); next++) {
        if (groups_[next].First && NameEquals(groups_[next].Name, lowered)) {
            lastGroup_ = static_cast<long>(next);
            return lastGroup_;
        }
    }
    size_t slot = ProbeSlot(groupIndex_, groupSlots_, HashBytes(lowered.Bytes, lowered.Length),
                            [&](size_t g) { return NameEquals(groups_[g].Name, lowered); });
    if (groupIndex_[slot] >= 0) lastGroup_ = groupIndex_[slot];
    return groupIndex_[slot];
}

long IniDocument::FindKey(long group, const char* key) const {
    if (group < 0 || static_cast<size_t>(group) >= groups_.Count()) return -1;
    LookupText lowered;
    LookupName(key, &lowered);
    const Group& g = groups_[static_cast<size_t>(group)];
    if (g.KeyCount <= ScannedGroupKeys) {
        for (size_t k = g.FirstKey; k < g.FirstKey + g.KeyCount; k++) {
            if (NameEquals(keys_[k].Name, lowered)) return static_cast<long>(k);  // the first wins
        }
        return -1;
    }
    if (!keyIndex_) BuildKeyIndex();
    size_t slot =
        ProbeSlot(keyIndex_, keySlots_, HashBytes(lowered.Bytes, lowered.Length, GroupSeed(group)),
                  [&](size_t k) {
                      return k >= g.FirstKey && k < g.FirstKey + g.KeyCount &&
                             NameEquals(keys_[k].Name, lowered);
                  });
    return keyIndex_[slot];
}

String IniDocument::Decode(Span value) const {
    const char* start = bytes_.c_str() + value.Offset;
    return utf8_ ? DecodeUtf8ToLatin1(start, value.Length) : String(start, value.Length);
}

String IniDocument::ReadText(long group, const char* key) const {
    long k = FindKey(group, key);
    return k < 0 ? String() : Decode(keys_[static_cast<size_t>(k)].Value);
}

int64_t IniDocument::ReadInteger(long group, const char* key) const {
    long k = FindKey(group, key);
    if (k < 0) return 0;
    // Converted in place: the conversion stops at the first byte that is not
    // part of a number, and every value is followed by a line end, a blank,
    // a tab or the terminating NUL, so it never reads past the value. Digits
    // and the "$" and "%" marks are ASCII, which UTF-8 leaves as they are.
    return TextToInteger(bytes_.c_str() + keys_[static_cast<size_t>(k)].Value.Offset);
}

size_t IniDocument::KeyCount(long group) const {
    if (group < 0 || static_cast<size_t>(group) >= groups_.Count()) return 0;
    return groups_[static_cast<size_t>(group)].KeyCount;
}

String IniDocument::ValueAt(long group, size_t index) const {
    if (index >= KeyCount(group)) return String();
    return Decode(keys_[groups_[static_cast<size_t>(group)].FirstKey + index].Value);
}

String DecodeUtf8ToLatin1(const char* bytes, size_t length) {
    String out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    size_t i = 0;
    while (i < length) {
        unsigned char lead = p[i];
        if (lead < 0x80) {
            out.AppendChar(static_cast<char>(lead));
            i++;
            continue;
        }
        size_t extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                       : lead >= 0xE0 && lead <= 0xEF ? 2
                       : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                      : 0;
        uint32_t code = extra == 1 ? (lead & 0x1Fu) : extra == 2 ? (lead & 0x0Fu) : (lead & 0x07u);
        size_t n = 0;
        bool valid = extra > 0;
        while (valid && n < extra) {
            if (i + 1 + n >= length || (p[i + 1 + n] & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            code = (code << 6) | (p[i + 1 + n] & 0x3Fu);
            n++;
        }
        // Overlong forms, surrogates and values past U+10FFFF are invalid too.
        if (valid &&
            ((extra == 2 && code < 0x800) || (extra == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
             (code >= 0xD800 && code <= 0xDFFF))) {
            valid = false;
        }
        if (!valid) {
            out.AppendChar('?');  // one "?" for the bad byte; resynchronise after it
            i++;
            continue;
        }
        out.AppendChar(code <= 0xFF ? static_cast<char>(code) : '?');
        i += 1 + extra;
    }
    return out;
}

String EncodeLatin1ToUtf8(const char* bytes, size_t length) {
    String out;
    for (size_t i = 0; i < length; i++) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out.AppendChar(static_cast<char>(c));
        } else {
            out.AppendChar(static_cast<char>(0xC0 | (c >> 6)));
            out.AppendChar(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

namespace {

int32_t Low32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

int32_t Depth(const String& path) {
    int32_t depth = 0;
    for (size_t i = 0; i < path.Length(); i++) depth += path[i] == '\\';
    return depth;
}

// BaseKey 0 and 1 name the two roots. Decided here: any other value names no
// root (0), and such an entry is skipped when keys are deleted, rather than
// taking the root of an earlier item and deleting under the wrong hive.
int64_t RootOfBaseKey(int64_t baseKey) {
    if (baseKey == 0) return RootCurrentUser;
    if (baseKey == 1) return RootLocalMachine;
    return 0;
}

void AddRegistryKey(int64_t baseKey, const String& keyPath, int32_t forceRemove) {
    RegistryKeyEntry& entry = RegistryKeysList.AddNew();
    entry.Root = RootOfBaseKey(baseKey);
    entry.KeyPath = keyPath;
    entry.Depth = Depth(keyPath);
    entry.ForceRemove = forceRemove;
}

// Gives a list element (CloseItem or TaskItem) a new details record.
template <class T, class Item>
T* Attach(Item& item, DetailsKind kind) {
    T* details = NewRecord<T>();
    item.Details = details;
    item.Kind = kind;
    return details;
}

// The details of a recorded or a task's registry value; the key path comes
// from `keyPathKey` ("KeyPath" in DoneTasks, "Key" in UninstallerTasks).
void ReadRegistryValue(const IniDocument& doc, long g, TaskItem& item, const char* keyPathKey) {
    auto* d = Attach<RegistryValueDetails>(item, RegistryValueDetailsKind);
    d->BaseKey = doc.ReadInteger(g, "BaseKey");
    d->KeyPath = doc.ReadText(g, keyPathKey);
    d->ValueName = doc.ReadText(g, "ValueName");
}

// Calls `readItem(group)` once per field of the list group's Items value,
// in order; a field naming no group passes -1 (every read gives defaults).
template <class ReadItem>
void ForEachItem(const IniDocument& doc, long listGroup, ReadItem readItem) {
    String items = doc.ReadText(listGroup, "Items");
    if (items.IsEmpty()) return;
    const char* p = items.c_str();
    const char* end = p + items.Length();
    for (;;) {
        const char* comma = static_cast<const char*>(memchr(p, ',', static_cast<size_t>(end - p)));
        const char* fieldEnd = comma ? comma : end;
        String field(p, static_cast<size_t>(fieldEnd - p));
        // A field with a NUL byte cannot name a group by its C text.
        long group =
            memchr(field.c_str(), '\0', field.Length()) ? -1 : doc.FindGroup(field.c_str());
        readItem(group);
        if (!comma) break;
        p = comma + 1;
    }
}

void ReadConfig(const IniDocument& doc) {
    long g = doc.FindGroup("UninstallerConfig");
    UninstallConfigRecord& c = UninstallConfig;
    c.ProgramName = doc.ReadText(g, "ProgramName");
    c.ProgramVersion = doc.ReadText(g, "ProgramVersion");
    c.CreateAddRemoveEntry = Low32(doc.ReadInteger(g, "CreateAddRemoveEntry"));
    c.AddRemoveEntryName = doc.ReadText(g, "AddRemoveEntryName");
    c.AddRemoveProgramName = doc.ReadText(g, "AddRemoveProgramName");
    c.AddRemoveProgramVersion = doc.ReadText(g, "AddRemoveProgramVersion");
    c.AddRemoveForAllUsers = Low32(doc.ReadInteger(g, "AddRemoveForAllUsers"));
    c.RebootRequired = Low32(doc.ReadInteger(g, "RebootRequired"));
    c.UserThatInstalled = doc.ReadText(g, "UserThatInstalled");
    c.CanBeUninstalledByOthers = Low32(doc.ReadInteger(g, "CanBeUninstalledByOthers"));
    LangIsRTL = Low32(doc.ReadInteger(g, "LangIsRTL"));
}

void ReadCloseItems(const IniDocument& doc) {
    long list = doc.FindGroup("CloseItemsUninstaller");
    UninstallConfig.UninstCheckForInstances =
        Low32(doc.ReadInteger(list, "UninstCheckForInstances"));
    ForEachItem(doc, list, [&](long g) {
        CloseItem& item = CloseItemsList.AddNew();
        item.ID = Low32(doc.ReadInteger(g, "ID"));
        item.Type = Low32(doc.ReadInteger(g, "Type"));
        if (item.Type == 0) {
            Attach<CloseItemMutexDetails>(item, MutexDetailsKind)->MutexName =
                doc.ReadText(g, "MutexName");
        } else if (item.Type == 1) {
            auto* d = Attach<CloseItemWindowDetails>(item, WindowDetailsKind);
            d->WindowName = doc.ReadText(g, "WindowName");
            d->WindowClass = doc.ReadText(g, "WindowClass");
            d->MatchExactly = Low32(doc.ReadInteger(g, "MatchExactly"));
        } else if (item.Type == 2) {
            Attach<CloseItemProcessDetails>(item, ProcessDetailsKind)->ProcessName =
                doc.ReadText(g, "ProcessName");
        }
    });
}

void ReadDoneTasks(const IniDocument& doc) {
    ForEachItem(doc, doc.FindGroup("DoneTasks"), [&](long g) {
        TaskItem& item = DoneTasksList.AddNew();
        item.Type = Low32(doc.ReadInteger(g, "Type"));
        switch (item.Type) {
            case 0:
                AddRegistryKey(doc.ReadInteger(g, "BaseKey"), doc.ReadText(g, "KeyPath"), 0);
                break;
            case 1:
                ReadRegistryValue(doc, g, item, "KeyPath");
                break;
            case 2: {
                auto* d = Attach<FileAssociationDetails>(item, FileAssociationDetailsKind);
                d->ProgramKey = doc.ReadText(g, "ProgramKey");
                d->Extension = doc.ReadText(g, "Extension");
                d->ForAll = Low32(doc.ReadInteger(g, "ForAll"));
                break;
            }
            case 3:
                Attach<DllRegistrationDetails>(item, DllRegistrationDetailsKind)->DLLPath =
                    doc.ReadText(g, "DLLPath");
                break;
            case 4:
                Attach<EnvironmentVariableDetails>(item, EnvironmentVariableDetailsKind)
                    ->VariableName = doc.ReadText(g, "VariableName");
                break;
            case 5: {
                auto* d = Attach<IniGroupDetails>(item, IniGroupDetailsKind);
                d->GroupName = doc.ReadText(g, "GroupName");
                d->IniPath = doc.ReadText(g, "IniPath");
                break;
            }
            case 6: {
                auto* d = Attach<IniValueDetails>(item, IniValueDetailsKind);
                d->IniPath = doc.ReadText(g, "IniPath");
                d->Group = doc.ReadText(g, "Group");
                d->ValueName = doc.ReadText(g, "ValueName");
                break;
            }
            default:
                break;
        }
    });
}

void ReadUninstallerTasks(const IniDocument& doc) {
    ForEachItem(doc, doc.FindGroup("UninstallerTasks"), [&](long g) {
        TaskItem& item = UninstallerTasksList.AddNew();
        item.Type = Low32(doc.ReadInteger(g, "Type"));
        for (int f = 0; f < TaskOSFlagCount; f++)
            item.OSFlags[f] = Low32(doc.ReadInteger(g, TaskOSFlagNames[f]));
        switch (item.Type) {
            case 0: {
                auto* d = Attach<RunProgramDetails>(item, RunProgramDetailsKind);
                d->ProgramPath = doc.ReadText(g, "ProgramPath");
                d->CommandLine = doc.ReadText(g, "CommandLine");
                d->RunMode = Low32(doc.ReadInteger(g, "RunMode"));
                d->ExecutionTime = Low32(doc.ReadInteger(g, "ExecutionTime"));
                d->RunHidden = Low32(doc.ReadInteger(g, "RunHidden"));
                d->WaitUntilQuit = Low32(doc.ReadInteger(g, "WaitUntilQuit"));
                d->RunForUser = Low32(doc.ReadInteger(g, "RunForUser"));
                break;
            }
            case 1:
                AddRegistryKey(doc.ReadInteger(g, "BaseKey"), doc.ReadText(g, "Key"),
                               Low32(doc.ReadInteger(g, "ForceRemove")));
                break;
            case 2:
                ReadRegistryValue(doc, g, item, "Key");
                break;
            case 3: {
                auto* d = Attach<FileCopyDetails>(item, FileCopyDetailsKind);
                d->SourceFile = doc.ReadText(g, "SourceFile");
                d->DestinationFile = doc.ReadText(g, "DestinationFile");
                break;
            }
            case 4:
                Attach<FilePathDetails>(item, FilePathDetailsKind)->FilePath =
                    doc.ReadText(g, "FilePath");
                break;
            case 5:
                Attach<FolderCreateDetails>(item, FolderCreateDetailsKind)->Address =
                    doc.ReadText(g, "Address");
                break;
            case 6: {
                auto* d = Attach<FolderRemoveDetails>(item, FolderRemoveDetailsKind);
                d->Address = doc.ReadText(g, "Address");
                d->Recursive = Low32(doc.ReadInteger(g, "Recursive"));
                d->Force = Low32(doc.ReadInteger(g, "Force"));
                break;
            }
            case 7: {
                auto* d = Attach<BrowserDetails>(item, BrowserDetailsKind);
                d->Address = doc.ReadText(g, "Address");
                d->RunForUser = Low32(doc.ReadInteger(g, "RunForUser"));
                break;
            }
            default:
                break;
        }
    });
}

}  // namespace

void ParseUninstallData(const char* bytes, size_t size) {
    ResetUninstallData();
    ResetLocalizedTexts();
    IniDocument doc;
    doc.Parse(bytes, size);

    long texts = doc.FindGroup("LocalizationUninstall");
    for (size_t i = 0; i < doc.KeyCount(texts); i++)
        AddLocalizedText(doc.ValueAt(texts, i).c_str());
    ReadConfig(doc);
    ReadCloseItems(doc);
    ReadDoneTasks(doc);
    ReadUninstallerTasks(doc);

    long files = doc.FindGroup("CreatedFiles");
    for (size_t i = 0; i < doc.KeyCount(files); i++) CreatedFilesList.Add(doc.ValueAt(files, i));
    long folders = doc.FindGroup("CreatedFolders");
    for (size_t i = 0; i < doc.KeyCount(folders); i++) {
        CreatedFolder& folder = CreatedFoldersList.AddNew();
        folder.Path = doc.ValueAt(folders, i);
        if (folder.Path.IsEmpty() || folder.Path[folder.Path.Length() - 1] != '\\')
            folder.Path.AppendChar('\\');
        folder.Depth = Depth(folder.Path);
    }
    long leave = doc.FindGroup("LeaveFiles");
    for (size_t i = 0; i < doc.KeyCount(leave); i++) AddLeaveFile(doc.ValueAt(leave, i).c_str());

    SubstituteProductInTexts(UninstallConfig.ProgramName.c_str(),
                             UninstallConfig.ProgramVersion.c_str());
}

int32_t RunModeTrailerFromBytes(const unsigned char last4[4]) {
    uint32_t value = static_cast<uint32_t>(last4[0]) | (static_cast<uint32_t>(last4[1]) << 8) |
                     (static_cast<uint32_t>(last4[2]) << 16) |
                     (static_cast<uint32_t>(last4[3]) << 24);
    return static_cast<int32_t>(value);
}

const char* RunModeTrailerProblem(TrailerReadResult result, int32_t value) {
    if (result == TrailerUnreadable) {
        return "Error reading internal uninstallation configuration. This executable may not have "
               "the necessary permissions. Uninstallation cannot continue.";
    }
    if (value != 0 && value != 1) {
        return "This uninstaller has been tampered with. Uninstallation cannot continue.";
    }
    return nullptr;
}
