#include "OSVersionEx.h"

#include <windows.h>

#include "OnErrorUninstaller.h"

#ifdef KW_CHECK_32BIT_LAYOUT
static_assert(sizeof(OSVERSIONINFOA) == 148, "basic version structure");
static_assert(sizeof(OSVERSIONINFOEXA) == 156, "extended version structure");
#endif

int GetOSVersionCode() {
    MARK_SOURCE();
    OSVersionReport report = {};
    OSVERSIONINFOA basic = {};
    basic.dwOSVersionInfoSize = sizeof(basic);
    if (!GetVersionExA(&basic)) return MapOSVersionCode(report);
    report.BasicQueryOk = 1;
    report.PlatformId = basic.dwPlatformId;
    report.Major = basic.dwMajorVersion;
    report.Minor = basic.dwMinorVersion;
    report.Build = basic.dwBuildNumber;
    if (basic.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        // Only the extended structure carries the product type; NT 4.0 before
        // Service Pack 6 rejects it, which the mapping treats as unknown.
        OSVERSIONINFOEXA extended = {};
        extended.dwOSVersionInfoSize = sizeof(extended);
        if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
            report.ExtendedQueryOk = 1;
            report.ProductType = extended.wProductType;
        }
    }
    return MapOSVersionCode(report);
}

int IsNTFamily() { return IsNTFamilyCode(GetOSVersionCode()); }
