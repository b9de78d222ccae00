// Fuzz target: any bytes as an uninstall data file.
#include <stddef.h>
#include <stdint.h>

#include "Localization.h"
#include "SharedStructuresInstUninst.h"
#include "Uninstaller.Data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseUninstallData(reinterpret_cast<const char*>(data), size);
    // Touch what the rest of the program reads, so that bad records show.
    for (int n = 0; n <= LocalizedTextCount() + 1; n++) GetLocalizedText(n);
    for (size_t i = 0; i < CreatedFilesList.Count(); i++) IsLeaveFile(CreatedFilesList[i].c_str());
    RegistryKeysList.StableSortDeepestFirst();
    CreatedFoldersList.StableSortDeepestFirst();
    return 0;
}
