#include <gtest/gtest.h>

#include "OSVersionEx.h"

namespace {

struct VersionCase {
    uint32_t Platform, Major, Minor, Build;
    int ExtendedOk;
    uint8_t ProductType;
    int Expected;
};

TEST(MapOSVersionCode, FollowsTheTable) {
    const VersionCase cases[] = {
        // 9x platform
        {1, 4, 0, 950, 0, 0, Win95},
        {1, 4, 10, 1998, 0, 0, Win98},
        {1, 4, 10, 2999, 0, 0, Win98},
        {1, 4, 10, 3000, 0, 0, WinMe},
        {1, 4, 10, 0x04000BB8, 0, 0, WinMe},  // only the low word counts
        {1, 4, 10, 0x0000FFFF, 0, 0, Win98},  // low word read as signed: -1
        {1, 4, 10, 0x00008000, 0, 0, Win98},  // -32768
        {1, 4, 90, 0, 0, 0, WinMe},
        {1, 4, 90, 99999, 0, 0, WinMe},
        {1, 4, 3, 0, 0, 0, Win8},  // an unknown 9x minor is not refused
        {1, 3, 0, 0, 0, 0, WinUnknown},
        {1, 5, 0, 0, 0, 0, WinUnknown},
        // NT platform
        {2, 3, 51, 1057, 1, 1, WinNT3},
        {2, 4, 0, 1381, 1, 1, WinNT4},
        {2, 4, 0, 1381, 0, 0, WinUnknown},  // extended query rejected
        {2, 5, 0, 2195, 1, 1, Win2000},
        {2, 5, 0, 2195, 1, 3, Win2000},
        {2, 5, 1, 2600, 1, 1, WinXP},
        {2, 5, 2, 3790, 1, 1, WinXP},
        {2, 5, 2, 3790, 1, 2, WinServer2003},
        {2, 5, 2, 3790, 1, 3, WinServer2003},
        {2, 5, 3, 0, 1, 1, Win8},
        {2, 6, 0, 6000, 1, 1, WinVista},
        {2, 6, 0, 6001, 1, 3, WinServer2008},
        {2, 6, 1, 7601, 1, 1, Win7},
        {2, 6, 1, 7601, 1, 3, WinServer2008},
        {2, 6, 2, 9200, 1, 1, Win8},
        {2, 6, 2, 9200, 1, 3, WinServer2012},
        {2, 6, 2, 9200, 1, 2, WinServer2012},
        {2, 6, 3, 9600, 1, 1, Win8},
        {2, 6, 3, 9600, 1, 3, Win8},
        {2, 10, 0, 19041, 1, 1, WinUnknown},
        {2, 2, 0, 0, 1, 1, WinUnknown},
        {2, 7, 0, 0, 1, 1, WinUnknown},
        {2, 6, 1, 7601, 0, 1, WinUnknown},
        // other platforms (Win32s is 0)
        {0, 3, 10, 0, 0, 0, Win8},
        {3, 4, 0, 0, 0, 0, Win8},
    };
    for (const VersionCase& c : cases) {
        OSVersionReport report = {1,       c.Platform,   c.Major,      c.Minor,
                                  c.Build, c.ExtendedOk, c.ProductType};
        EXPECT_EQ(MapOSVersionCode(report), c.Expected)
            << "platform " << c.Platform << " version " << c.Major << "." << c.Minor << " build "
            << c.Build << " extended " << c.ExtendedOk << " type " << int(c.ProductType);
    }
}

TEST(MapOSVersionCode, AFailedQueryIsUnknown) {
    OSVersionReport report = {0, 2, 6, 1, 7601, 1, 1};
    EXPECT_EQ(MapOSVersionCode(report), WinUnknown);
}

TEST(IsNTFamilyCode, OnlyThe9xCodesAreOutside) {
    const int codes[] = {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65};
    for (int code : codes) {
        int expected = (code == 10 || code == 20 || code == 25) ? 0 : 1;
        EXPECT_EQ(IsNTFamilyCode(code), expected) << "code " << code;
    }
}

}  // namespace
