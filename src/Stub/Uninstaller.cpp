// Entry and start-up sequence, the command-line dispatch and shut-down.
#include "Uninstaller.h"

#include <commctrl.h>
#include <objbase.h>

#include "../DPI.h"
#include "../Localization.h"
#include "CSVParser.h"
#include "OSVersionEx.h"
#include "OnErrorUninstaller.h"
#include "SecurityFunctions.h"
#include "SharedStructuresInstUninst.h"
#include "Uninstaller.Rules.h"

int OSCode;
int UserIsAdmin;
int IpcClientMode;
HFONT DefaultFont;
LateBoundTable LateBound;

namespace {

void InitRuntimeMachinery() {
    MARK_SOURCE();
    LowerCaseBytes = LowerWithSystem;
    // InitCommonControls exists on every system; the Ex form and its
    // progress-bar class registration only from comctl32 4.70 on.
    InitCommonControls();
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    typedef BOOL(WINAPI * InitExFn)(const INITCOMMONCONTROLSEX*);
    InitExFn initEx = LookUpFunction<InitExFn>(comctl, "InitCommonControlsEx");
    if (initEx) {
        INITCOMMONCONTROLSEX controls = {};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
        initEx(&controls);
    }
    // CoInitializeEx is missing from Windows 95 without DCOM; CoInitialize
    // gives the same apartment there.
    MARK_SOURCE();
    HMODULE ole = LoadLibraryA("Ole32.dll");
    typedef HRESULT(WINAPI * CoInitExFn)(void*, DWORD);
    typedef HRESULT(WINAPI * CoInitFn)(void*);
    CoInitExFn coInitEx = LookUpFunction<CoInitExFn>(ole, "CoInitializeEx");
    if (coInitEx) {
        coInitEx(nullptr, COINIT_APARTMENTTHREADED);
    } else if (CoInitFn coInit = LookUpFunction<CoInitFn>(ole, "CoInitialize")) {
        coInit(nullptr);
    }
}

void CreateDefaultFont() {
    MARK_SOURCE();
    int pixelsPerInch = 96;
    HDC screen = GetDC(nullptr);
    if (screen) {
        pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    DefaultFont = CreateFontA(-MulDiv(8, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

}  // namespace

void LowerWithSystem(char* bytes, size_t length) {
    // CharLowerBuffA takes a 32-bit length; no text of the program is longer.
    while (length) {
        DWORD part = length > 0x40000000u ? 0x40000000u : static_cast<DWORD>(length);
        CharLowerBuffA(bytes, part);
        bytes += part;
        length -= part;
    }
}

void RunUninstallerProcess() {
    MARK_SOURCE();
    InitRuntimeMachinery();
    CreateDefaultFont();                            // step 1
    ResetUninstallData();                           // step 2: the seven lists, empty
    InstallErrorTrap();                             // step 3
    ResetCsvFields();                               // step 4
    HMODULE advapi = LoadLibraryA("Advapi32.dll");  // step 5
    LateBound.InitializeSecurityDescriptor =
        LookUpFunction<InitializeSecurityDescriptorFn>(advapi, "InitializeSecurityDescriptor");
    LateBound.SetSecurityDescriptorDacl =
        LookUpFunction<SetSecurityDescriptorDaclFn>(advapi, "SetSecurityDescriptorDacl");
    LateBound.ChannelIsNTFamily = IsNTFamily();  // step 6
    MARK_SOURCE();
    HMODULE ole = LoadLibraryA("Ole32.dll");  // step 7
    LateBound.CoCreateGuid = LookUpFunction<CoCreateGuidFn>(ole, "CoCreateGuid");
    LateBound.StringFromGUID2 = LookUpFunction<StringFromGUID2Fn>(ole, "StringFromGUID2");
    LateBound.Shell32 = LoadLibraryA("shell32.dll");  // step 8
    ResetLocalizedTexts();                            // step 9
    LocalizationOSCode = GetOSVersionCode();
    MARK_SOURCE();
    LateBound.Kernel32 = LoadLibraryA("kernel32.dll");  // step 10
    LateBound.Ntdll = LoadLibraryA("Ntdll.dll");
    DpiScaleX = DpiScaleY = 1.0f;  // step 11

    OSCode = GetOSVersionCode();  // step 12
    if (OSCode <= 9) {
        MessageBoxA(nullptr,
                    "We are sorry, this installer was designed for newer operating systems. "
                    "Please upgrade your operating system!",
                    "Compatibility problem", MB_OK | MB_ICONINFORMATION);
        ShutDownProcess();
    }
    MARK_SOURCE();
    UserIsAdmin = IsNTFamily() ? HasAdministratorRights() : 1;  // step 13
    InitDpiScaling();                                           // step 14
    DispatchCommandLine();                                      // step 15
    ShutDownProcess();                                          // step 16
}

void ShutDownProcess() {
    MARK_SOURCE();
    if (DefaultFont) DeleteObject(DefaultFont);
    DefaultFont = nullptr;
    ExitProcess(0);
}

String GetArgument(int index) { return CommandLineArgument(GetCommandLineA(), index); }

void DispatchCommandLine() {
    MARK_SOURCE();
    String first = GetArgument(0);
    if (first.IsEmpty()) {
        RunRelaunch();
        return;
    }
    // The system's own lower-casing, as for every case-insensitive comparison.
    String lowered(first);
    CharLowerBuffA(lowered.Reserve(lowered.Length()), static_cast<DWORD>(lowered.Length()));
    if (lowered.Equals("/startuninstall")) RunUninstallDriver();
    // Any other argument: nothing to do; start-up ends the process.
}
