// The OS code: one small integer for every version decision of the program.
#pragma once

#include <stdint.h>

enum OSVersionCode {
    WinUnknown = 0,
    WinNT3 = 5,
    Win95 = 10,
    WinNT4 = 15,
    Win98 = 20,
    WinMe = 25,
    Win2000 = 30,
    WinXP = 35,
    WinServer2003 = 40,
    WinVista = 45,
    WinServer2008 = 50,
    Win7 = 55,
    WinServer2012 = 60,
    Win8 = 65,
};

// What the system's version query reported, as the mapping needs it.
struct OSVersionReport {
    int BasicQueryOk;     // 0 when the query with the basic structure failed
    uint32_t PlatformId;  // 1: the 9x platform, 2: the NT platform
    uint32_t Major;
    uint32_t Minor;
    uint32_t Build;
    int ExtendedQueryOk;  // NT only: 0 when the query with the extended structure failed
    uint8_t ProductType;  // NT only: 1 is a workstation
};

// Maps a version report to the OS code. Pure; every failure gives WinUnknown.
int MapOSVersionCode(const OSVersionReport& report);

// 1 unless the code is Win95, Win98 or WinMe (0 and 5 count as NT).
int IsNTFamilyCode(int code);

// The OS code of the running system; 0 when it cannot be determined.
int GetOSVersionCode();

// 1 unless the running system is Windows 95, 98 or Me.
int IsNTFamily();
