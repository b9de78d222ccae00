// The records that the uninstall data file becomes, and the lists that hold
// them. Lists own their elements; elements own their details records.
#pragma once

#include <stdint.h>

#include "../Text.h"

// Records are allocated separately in the block heap, zero-filled.
template <class T>
T* NewRecord() {
    return new (MemAlloc(BlockHeap, sizeof(T))) T();
}

template <class T>
void DeleteRecord(T* record) {
    if (!record) return;
    record->~T();
    MemFree(BlockHeap, record);
}

// A list of separately allocated records, owned by the list.
template <class T>
class RecordList {
public:
    RecordList() = default;
    RecordList(const RecordList&) = delete;
    RecordList& operator=(const RecordList&) = delete;
    ~RecordList() { Clear(); }

    size_t Count() const { return items_.Count(); }
    T& operator[](size_t index) { return *items_[index]; }
    const T& operator[](size_t index) const { return *items_[index]; }
    // Appends a new default record and returns it.
    T& AddNew() { return *items_.Add(NewRecord<T>()); }
    void Clear() {
        for (size_t i = 0; i < items_.Count(); i++) DeleteRecord(items_[i]);
        items_.Clear();
    }
    // Reorders by `Depth`, deepest first, keeping the file order of equals.
    void StableSortDeepestFirst();

private:
    List<T*> items_;
};

template <class T>
void RecordList<T>::StableSortDeepestFirst() {
    // Insertion sort: stable, and the lists are sorted once per run.
    for (size_t i = 1; i < items_.Count(); i++) {
        T* moving = items_[i];
        size_t j = i;
        while (j > 0 && items_[j - 1]->Depth < moving->Depth) {
            items_[j] = items_[j - 1];
            j--;
        }
        items_[j] = moving;
    }
}

// Which record a Details reference points to, so that its owner can free it.
enum DetailsKind {
    NoDetails = 0,
    MutexDetailsKind,
    WindowDetailsKind,
    ProcessDetailsKind,
    RegistryValueDetailsKind,
    FileAssociationDetailsKind,
    DllRegistrationDetailsKind,
    EnvironmentVariableDetailsKind,
    IniGroupDetailsKind,
    IniValueDetailsKind,
    RunProgramDetailsKind,
    FileCopyDetailsKind,
    FilePathDetailsKind,
    FolderCreateDetailsKind,
    FolderRemoveDetailsKind,
    BrowserDetailsKind,
};

// Frees a details record of the given kind; null is ignored.
void FreeDetails(DetailsKind kind, void* details);

struct UninstallConfigRecord {
    String ProgramName;
    String ProgramVersion;
    int32_t CreateAddRemoveEntry = 0;
    String AddRemoveEntryName;
    String AddRemoveProgramName;
    String AddRemoveProgramVersion;
    int32_t AddRemoveForAllUsers = 0;
    int32_t RebootRequired = 0;
    String UserThatInstalled;
    int32_t CanBeUninstalledByOthers = 0;
    int32_t RunModeTrailer = 0;
    int32_t UninstCheckForInstances = 0;
};

struct CloseItemMutexDetails {
    String MutexName;
};

struct CloseItemWindowDetails {
    String WindowName;
    String WindowClass;
    int32_t MatchExactly = 0;
};

struct CloseItemProcessDetails {
    String ProcessName;
};

struct CloseItem {
    int32_t ID = 0;
    int32_t Type = 0;
    void* Details = nullptr;
    DetailsKind Kind = NoDetails;
    ~CloseItem() { FreeDetails(Kind, Details); }
};

// The per-task OS flags, in the order of their keys in the data file.
enum { TaskOSFlagCount = 12 };
extern const char* const TaskOSFlagNames[TaskOSFlagCount];

struct TaskItem {
    int32_t Type = 0;
    void* Details = nullptr;
    int32_t OSFlags[TaskOSFlagCount] = {};
    DetailsKind Kind = NoDetails;
    ~TaskItem() { FreeDetails(Kind, Details); }
};

struct RegistryValueDetails {
    int64_t BaseKey = 0;  // 0: the current user's hive, 1: the local machine
    String KeyPath;
    String ValueName;
};

struct FileAssociationDetails {
    String ProgramKey;
    String Extension;
    int32_t ForAll = 0;
};

struct DllRegistrationDetails {
    String DLLPath;
};

struct EnvironmentVariableDetails {
    String VariableName;
};

struct IniGroupDetails {
    String IniPath;
    String GroupName;
};

struct IniValueDetails {
    String IniPath;
    String Group;
    String ValueName;
};

struct RunProgramDetails {
    String ProgramPath;
    String CommandLine;
    int32_t RunMode = 0;
    int32_t ExecutionTime = 0;
    int32_t RunHidden = 0;
    int32_t WaitUntilQuit = 0;
    int32_t RunForUser = 0;
};

struct FileCopyDetails {
    String SourceFile;
    String DestinationFile;
};

struct FilePathDetails {
    String FilePath;
};

struct FolderCreateDetails {
    String Address;
};

struct FolderRemoveDetails {
    String Address;
    int32_t Recursive = 0;
    int32_t Force = 0;
};

struct BrowserDetails {
    String Address;
    int32_t RunForUser = 0;
};

// The predefined roots as the registry knows them, kept as 64-bit numbers so
// that the records do not depend on the system headers.
enum : int64_t {
    RootCurrentUser = static_cast<int64_t>(static_cast<int32_t>(0x80000001u)),
    RootLocalMachine = static_cast<int64_t>(static_cast<int32_t>(0x80000002u)),
};

struct RegistryKeyEntry {
    int64_t Root = 0;
    String KeyPath;
    int32_t Depth = 0;
    int32_t ForceRemove = 0;
};

struct CreatedFolder {
    String Path;  // always ends in a backslash
    int32_t Depth = 0;
};

// The process-wide uninstall data, empty until the data file is loaded.
extern UninstallConfigRecord UninstallConfig;
extern List<String> LeaveFilesList;
extern RecordList<CloseItem> CloseItemsList;
extern RecordList<TaskItem> DoneTasksList;
extern RecordList<TaskItem> UninstallerTasksList;
extern List<String> CreatedFilesList;
extern RecordList<CreatedFolder> CreatedFoldersList;
extern RecordList<RegistryKeyEntry> RegistryKeysList;

// Appends `path` to LeaveFilesList unless an entry already equals it after
// both are trimmed of spaces and lower-cased. Returns 1 when appended.
int AddLeaveFile(const char* path);

// 1 when `path` matches an entry of LeaveFilesList by the same comparison.
int IsLeaveFile(const char* path);

// Empties every list and resets the configuration and LangIsRTL.
void ResetUninstallData();
