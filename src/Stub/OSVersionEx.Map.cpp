// The version-to-code table; no system calls, so it is tested on every row.
#include "OSVersionEx.h"

int MapOSVersionCode(const OSVersionReport& report) {
    int result = Win8;  // versions that no rule places count as the newest known
    if (!report.BasicQueryOk) return WinUnknown;

    if (report.PlatformId == 1) {
        if (report.Major != 4) return WinUnknown;
        if (report.Minor == 0) {
            result = Win95;
        } else if (report.Minor == 90) {
            result = WinMe;
        } else if (report.Minor == 10) {
            // Windows 98 and Me share 4.10 in some reports; Me builds from 3000.
            int16_t build = static_cast<int16_t>(report.Build & 0xFFFF);
            result = build >= 3000 ? WinMe : Win98;
        }
    } else if (report.PlatformId == 2) {
        if (!report.ExtendedQueryOk) return WinUnknown;
        bool workstation = report.ProductType == 1;
        switch (report.Major) {
            case 3:
                result = WinNT3;
                break;
            case 4:
                result = WinNT4;
                break;
            case 5:
                if (report.Minor == 0) result = Win2000;
                if (report.Minor == 1) result = WinXP;
                if (report.Minor == 2) result = workstation ? WinXP : WinServer2003;
                break;
            case 6:
                if (report.Minor == 0) result = workstation ? WinVista : WinServer2008;
                if (report.Minor == 1) result = workstation ? Win7 : WinServer2008;
                if (report.Minor == 2) result = workstation ? Win8 : WinServer2012;
                break;
            default:
                return WinUnknown;
        }
    }
    return result;
}

int IsNTFamilyCode(int code) { return (code == Win95 || code == Win98 || code == WinMe) ? 0 : 1; }
