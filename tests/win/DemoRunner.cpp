// The demo: lays out a sample product, starts its uninstaller as a user
// would, answers every box with its first button, and shows what went.
#include <cstdio>
#include <string>

#include "E2EHarness.h"

using namespace e2e;

int main(int argc, char** argv) {
    const std::string product = "C:\\Program Files\\Kestrelwyn Sample";
    const char* dataSource = argc > 1 ? argv[1] : "";
    std::string data = ReadFileBytes(dataSource);
    if (data.empty()) {
        printf("cannot read the sample data file %s\n", dataSource);
        return 1;
    }
    CleanTemporaryCopies();
    MakeFreshFolder(product);
    PlaceUninstaller(product + "\\uninstall.exe", 0);
    WriteFileBytes(product + "\\uninstall.dat", data);
    WriteFileBytes(product + "\\readme.txt", "Kestrelwyn Sample\r\n");
    WriteFileBytes(product + "\\sample.exe", "MZ");

    printf("Product folder %s:\n", product.c_str());
    printf("  uninstall.exe, uninstall.dat, readme.txt, sample.exe\n\n");
    printf("Starting \"%s\\uninstall.exe\" as a user would...\n\n", product.c_str());
    RunOutcome run = RunAndWatch("\"" + product + "\\uninstall.exe\"");

    printf("What the user saw and what ran:\n%s\n", run.Describe().c_str());
    printf("Temporary folder %s now holds:\n", TemporaryFolder().c_str());
    for (const std::string& name : TemporaryCopies()) printf("  %s\n", name.c_str());
    printf("\nProduct folder after the run:\n");
    for (const char* name : {"uninstall.exe", "uninstall.dat", "readme.txt", "sample.exe"}) {
        printf("  %-14s %s\n", name, FileExists(product + "\\" + name) ? "present" : "removed");
    }
    return run.TimedOut ? 1 : 0;
}
