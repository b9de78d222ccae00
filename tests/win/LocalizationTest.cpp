// Right-to-left layout and LocalizedMessageBox under Wine's emulated
// Windows versions, seen from outside: the probe's box text carries the
// styles, Wine's relay trace the box's owner and flags.
#include <gtest/gtest.h>

#include <cstdio>

#include "E2EHarness.h"

using namespace e2e;

namespace {

const long long RtlFlags = MB_RIGHT | MB_RTLREADING;
const unsigned long RtlStyle = WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT;

struct ProbeCase {
    const char* Version;
    int Rtl;
    unsigned long Initial;   // extended style before the call
    unsigned long Expected;  // of window and control afterwards
    bool BoxFlags;           // MB_RIGHT | MB_RTLREADING added
};

std::string Probe(const char* version) {
    std::string folder = HarnessFolder();
    std::string copy = folder + "probe_" + version + ".exe";
    CopyFileA((folder + "localization_probe.exe").c_str(), copy.c_str(), FALSE);
    return copy;
}

TEST(LocalizedMessageBox, RightToLeftOnlyFromWindows2000AndOnlyForOne) {
    const ProbeCase cases[] = {
        {"winxp", 1, 0, RtlStyle, true},
        {"winxp", 0, RtlStyle, 0, false},
        {"winxp", 2, RtlStyle, RtlStyle, false},  // any other value leaves the style
        {"winxp", 2, 0, 0, false},
        {"win2k", 1, 0, RtlStyle, true},
        {"win98", 1, 0, 0, false},
        {"win98", 0, RtlStyle, RtlStyle, false},
        {"nt40", 1, 0, 0, false},
    };
    for (const ProbeCase& c : cases) {
        std::string probe = Probe(c.Version);
        std::string name = probe.substr(probe.find_last_of('\\') + 1);
        WineVersionGuard version(name, c.Version);
        char args[64];
        snprintf(args, sizeof(args), " %d %lx", c.Rtl, c.Initial);
        RunOutcome run = RunAndWatch("\"" + probe + "\"" + args);
        std::string label = std::string(c.Version) + args;
        ASSERT_EQ(run.Boxes.size(), 2u) << label << "\n" << run.Describe();
        // Only the two layout bits are compared: Wine adds frame bits of its own.
        const std::string& text = run.Boxes[0].Text;
        size_t w = text.find("window="), k = text.find("control=");
        ASSERT_TRUE(w != std::string::npos && k != std::string::npos) << text;
        unsigned long windowStyle = strtoul(text.c_str() + w + 7, nullptr, 16);
        unsigned long controlStyle = strtoul(text.c_str() + k + 8, nullptr, 16);
        EXPECT_EQ(windowStyle & RtlStyle, c.Expected) << label << ": " << text;
        EXPECT_EQ(controlStyle & RtlStyle, c.Expected) << label << ": " << text;
        long long expectedFlags = (MB_OK | MB_ICONINFORMATION) | (c.BoxFlags ? RtlFlags : 0);
        EXPECT_EQ(run.Boxes[0].Flags, expectedFlags) << label << "\n" << run.Describe();
        EXPECT_EQ(run.Boxes[1].Flags, (MB_YESNO | MB_ICONQUESTION) | (c.BoxFlags ? RtlFlags : 0))
            << label;
        EXPECT_EQ(run.Boxes[1].Buttons, (std::vector<std::string>{"Yes", "No"})) << label;
        // Owned by the probe's window while it is in front, by nobody after.
        size_t at = text.find("owner=");
        ASSERT_NE(at, std::string::npos);
        long long owner = strtoll(text.c_str() + at + 6, nullptr, 16);
        EXPECT_EQ(run.Boxes[0].Owner, owner) << label << "\n" << run.Describe();
        EXPECT_EQ(run.Boxes[1].Owner, 0) << label;
        DeleteFileA(probe.c_str());
    }
}

}  // namespace
