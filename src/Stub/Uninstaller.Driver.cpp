// The uninstall driver of the temporary copy.
#include "Uninstaller.h"

#include "OnErrorUninstaller.h"

void RunUninstallDriver() {
    MARK_SOURCE();
    // The decision sequence of a run lands here; until then the temporary
    // copy ends quietly, like a run that was declined.
    ShutDownProcess();
}
