#include "SharedStructuresInstUninst.h"

#include "../Localization.h"

const char* const TaskOSFlagNames[TaskOSFlagCount] = {
    "Win95",         "WinNT4",   "Win98",         "WinMe", "Win2000", "WinXP",
    "WinServer2003", "WinVista", "WinServer2008", "Win7",  "Win8",    "WinServer2012",
};

// The lists are plain globals with trivial construction (all fields zero),
// so they exist before any code runs and need no start-up order.
UninstallConfigRecord UninstallConfig;
List<String> LeaveFilesList;
RecordList<CloseItem> CloseItemsList;
RecordList<TaskItem> DoneTasksList;
RecordList<TaskItem> UninstallerTasksList;
List<String> CreatedFilesList;
RecordList<CreatedFolder> CreatedFoldersList;
RecordList<RegistryKeyEntry> RegistryKeysList;

void FreeDetails(DetailsKind kind, void* details) {
    if (!details) return;
    switch (kind) {
        case MutexDetailsKind:
            DeleteRecord(static_cast<CloseItemMutexDetails*>(details));
            break;
        case WindowDetailsKind:
            DeleteRecord(static_cast<CloseItemWindowDetails*>(details));
            break;
        case ProcessDetailsKind:
            DeleteRecord(static_cast<CloseItemProcessDetails*>(details));
            break;
        case RegistryValueDetailsKind:
            DeleteRecord(static_cast<RegistryValueDetails*>(details));
            break;
        case FileAssociationDetailsKind:
            DeleteRecord(static_cast<FileAssociationDetails*>(details));
            break;
        case DllRegistrationDetailsKind:
            DeleteRecord(static_cast<DllRegistrationDetails*>(details));
            break;
        case EnvironmentVariableDetailsKind:
            DeleteRecord(static_cast<EnvironmentVariableDetails*>(details));
            break;
        case IniGroupDetailsKind:
            DeleteRecord(static_cast<IniGroupDetails*>(details));
            break;
        case IniValueDetailsKind:
            DeleteRecord(static_cast<IniValueDetails*>(details));
            break;
        case RunProgramDetailsKind:
            DeleteRecord(static_cast<RunProgramDetails*>(details));
            break;
        case FileCopyDetailsKind:
            DeleteRecord(static_cast<FileCopyDetails*>(details));
            break;
        case FilePathDetailsKind:
            DeleteRecord(static_cast<FilePathDetails*>(details));
            break;
        case FolderCreateDetailsKind:
            DeleteRecord(static_cast<FolderCreateDetails*>(details));
            break;
        case FolderRemoveDetailsKind:
            DeleteRecord(static_cast<FolderRemoveDetails*>(details));
            break;
        case BrowserDetailsKind:
            DeleteRecord(static_cast<BrowserDetails*>(details));
            break;
        case NoDetails:
            break;
    }
}

namespace {

// The normalized forms of LeaveFilesList, for membership in constant time.
StringSet LeaveFileKeys;

String LeaveFileKey(const char* path) {
    String trimmed = TrimmedSpaces(path);
    return LowerCased(trimmed.c_str(), trimmed.Length());
}

}  // namespace

int AddLeaveFile(const char* path) {
    if (!LeaveFileKeys.Insert(LeaveFileKey(path))) return 0;
    LeaveFilesList.Add(String(path));
    return 1;
}

int IsLeaveFile(const char* path) {
    String key = LeaveFileKey(path);
    return LeaveFileKeys.Contains(key.c_str(), key.Length()) ? 1 : 0;
}

void ResetUninstallData() {
    UninstallConfig = UninstallConfigRecord();
    LangIsRTL = 0;
    LeaveFilesList.Clear();
    LeaveFileKeys.Clear();
    CloseItemsList.Clear();
    DoneTasksList.Clear();
    UninstallerTasksList.Clear();
    CreatedFilesList.Clear();
    CreatedFoldersList.Clear();
    RegistryKeysList.Clear();
}
