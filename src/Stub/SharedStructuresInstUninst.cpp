#include "SharedStructuresInstUninst.h"

const char* const TaskOSFlagNames[TaskOSFlagCount] = {
    "Win95",   "WinNT4",        "Win98",    "WinMe",         "Win2000", "WinXP",
    "WinServer2003", "WinVista", "WinServer2008", "Win7", "Win8",    "WinServer2012",
};

// The lists are plain globals with trivial construction (all fields zero),
// so they exist before any code runs and need no start-up order.
UninstallConfigRecord UninstallConfig;
int LangIsRTL;
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

void ResetUninstallData() {
    UninstallConfig = UninstallConfigRecord();
    LangIsRTL = 0;
    LeaveFilesList.Clear();
    CloseItemsList.Clear();
    DoneTasksList.Clear();
    UninstallerTasksList.Clear();
    CreatedFilesList.Clear();
    CreatedFoldersList.Clear();
    RegistryKeysList.Clear();
}
