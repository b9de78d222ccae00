// Shows what the right-to-left functions and LocalizedMessageBox do under
// the Windows version Wine reports to this program's name. Arguments: the
// right-to-left value and the initial extended style (hex) of the window and
// its control. The first box reports the styles after the calls and is owned
// by the probe's foreground window; the second comes after that window is
// gone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "Localization.h"
#include "OSVersionEx.h"

int main(int argc, char** argv) {
    int rtl = argc > 1 ? atoi(argv[1]) : 0;
    DWORD initial = argc > 2 ? strtoul(argv[2], nullptr, 16) : 0;
    LocalizationOSCode = GetOSVersionCode();
    LangIsRTL = rtl;
    HWND window = CreateWindowExA(initial, "STATIC", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND control = CreateWindowExA(initial, "STATIC", "label", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                   window, nullptr, nullptr, nullptr);
    ApplyRtlToWindow(window, rtl);
    ApplyRtlToControl(control, rtl);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    char text[256];
    snprintf(text, sizeof(text), "os=%d window=%08lX control=%08lX owner=%p", LocalizationOSCode,
             static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)),
             static_cast<unsigned long>(GetWindowLongA(control, GWL_EXSTYLE)),
             static_cast<void*>(GetForegroundWindow() == window ? window : nullptr));
    LocalizedMessageBox("Probe", text, MB_OK | MB_ICONINFORMATION);
    DestroyWindow(window);
    LocalizedMessageBox("Probe", "after", MB_YESNO | MB_ICONQUESTION);
    return 0;
}
