// Stays alive for the whole test run, so that Wine's service processes and
// its desktop start once, here, detached from the tests' pipes and outside
// the job objects in which the harness runs the programs under test.
#include <windows.h>

int main() {
    // Asking for the desktop makes Wine start its desktop process now.
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    if (screen) ReleaseDC(desktop, screen);
    Sleep(INFINITE);
    return 0;
}
