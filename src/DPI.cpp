#include "DPI.h"

#include <windows.h>

#include "Stub/OnErrorUninstaller.h"
#include "Stub/OSVersionEx.h"
#include "Stub/Uninstaller.h"

void InitDpiScaling() {
    MARK_SOURCE();
    if (OSCode > 44) {
        // Loaded by name: IsProcessDPIAware and SetProcessDPIAware exist only
        // from Vista on. The library stays loaded until the process ends.
        HMODULE user32 = LoadLibraryA("user32.dll");
        if (user32) {
            typedef BOOL(WINAPI * DpiQuery)();
            DpiQuery isAware = LookUpFunction<DpiQuery>(user32, "IsProcessDPIAware");
            if (!isAware || !isAware()) {
                DpiQuery setAware = LookUpFunction<DpiQuery>(user32, "SetProcessDPIAware");
                if (setAware) setAware();
            }
        }
    }
    if (OSCode > 34) {
        MARK_SOURCE();
        HDC screen = GetDC(nullptr);
        if (!screen) return;
        int x = GetDeviceCaps(screen, LOGPIXELSX);
        int y = GetDeviceCaps(screen, LOGPIXELSY);
        if (x > 0) DpiScaleX = DpiFactor(x);
        if (y > 0) DpiScaleY = DpiFactor(y);
        ReleaseDC(nullptr, screen);
    }
}
