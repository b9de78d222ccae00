// The executable's entry: everything else lives in the library.
#include <windows.h>

#include "Uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RunUninstallerProcess();
    return 0;
}
