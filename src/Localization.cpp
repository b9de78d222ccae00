#include "Localization.h"

#include "Stub/OnErrorUninstaller.h"
#include "Stub/OSVersionEx.h"

namespace {

// Steps shared by window and control: returns false before Windows 2000,
// where there is no mirrored layout.
bool SetRtlStyle(HWND window, int rightToLeft) {
    MARK_SOURCE();
    if (LocalizationOSCode < Win2000) return false;
    LONG style = GetWindowLongA(window, GWL_EXSTYLE);
    const LONG bits = WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT;
    if (rightToLeft == 1) SetWindowLongA(window, GWL_EXSTYLE, style | bits);
    if (rightToLeft == 0) SetWindowLongA(window, GWL_EXSTYLE, style & ~bits);
    return true;
}

}  // namespace

void ApplyRtlToWindow(HWND window, int rightToLeft) {
    if (!SetRtlStyle(window, rightToLeft)) return;
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void ApplyRtlToControl(HWND control, int rightToLeft) { SetRtlStyle(control, rightToLeft); }

int LocalizedMessageBox(const char* title, const char* text, UINT flags) {
    MARK_SOURCE();
    if (LangIsRTL == 1 && LocalizationOSCode >= Win2000) flags |= MB_RIGHT | MB_RTLREADING;
    HWND owner = GetForegroundWindow();
    DWORD ownerProcess = 0;
    if (owner) GetWindowThreadProcessId(owner, &ownerProcess);
    if (ownerProcess != GetCurrentProcessId()) owner = nullptr;
    return MessageBoxA(owner, text, title, flags);
}
