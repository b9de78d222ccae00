// The end-to-end harness: lays out a product as a setup builder would, starts
// the real executable as a user would, watches and answers its message boxes
// from outside, waits for every process of the run, and reports what a user
// would have seen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct SeenBox {
    std::string Title;
    std::string Text;
    std::vector<std::string> Buttons;  // captions in creation order, "&" removed
    long long Flags = -1;              // MessageBoxA's flags from the relay trace, -1 if unseen
    long long Owner = -1;              // its owner window (0 for none), likewise
};

struct StartedProcess {
    std::string CommandLine;       // as passed to CreateProcessA
    std::string CurrentDirectory;  // empty when none was given
};

struct RunOutcome {
    std::vector<SeenBox> Boxes;
    std::vector<StartedProcess> Started;  // CreateProcessA calls of the run, in order
    std::vector<DWORD> ExitCodes;         // of every process of the run that was seen
    bool TimedOut = false;
    bool Wow64 = false;            // the first process ran as 32-bit under WoW64
    std::string Describe() const;  // everything above, for failure messages
};

// Picks the button to press (IDOK, IDYES, ...) for a box; by default the first.
using Answerer = std::function<int(const SeenBox&)>;

// The folder of the running test program, with a trailing backslash: the
// build puts the helper programs there.
std::string HarnessFolder();

// The uninstaller under test: KW_UNINSTALL_EXE, or uninstall.exe beside the harness.
std::string UninstallerUnderTest();

// The machine field of the uninstaller under test's PE header: 0x14C for
// i386, 0x8664 for x86_64; 0 when it cannot be read.
unsigned UninstallerMachine();

// The user's temporary folder in long form, with a trailing backslash.
std::string TemporaryFolder();

// Deletes every _Uninstall_* file and folder in the temporary folder.
void CleanTemporaryCopies();

// Names of the _Uninstall_* entries of the temporary folder, sorted.
std::vector<std::string> TemporaryCopies();

// Creates `folder` with its parents; removes it first when it exists.
void MakeFreshFolder(const std::string& folder);

// Deletes a folder tree.
void RemoveTree(const std::string& folder);

// Copies the uninstaller to `exePath` and appends the 4-byte run-mode trailer.
void PlaceUninstaller(const std::string& exePath, unsigned trailer = 0);

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);  // empty when unreadable
bool FileExists(const std::string& path);            // a file, not a folder

// Starts `commandLine` (program name included) as a user would, watches
// boxes until every process of the run has ended, answers them with
// `answer`, and collects the relay trace of the run. `applicationName` is
// passed to CreateProcessA when not empty.
RunOutcome RunAndWatch(const std::string& commandLine, Answerer answer = nullptr,
                       DWORD timeoutMs = 30000, const std::string& applicationName = "");

// Makes Wine report `version` (nt351, win95, ...) to programs named
// `exeName` while the guard lives.
class WineVersionGuard {
public:
    WineVersionGuard(const std::string& exeName, const std::string& version);
    ~WineVersionGuard();
    WineVersionGuard(const WineVersionGuard&) = delete;
    WineVersionGuard& operator=(const WineVersionGuard&) = delete;

private:
    std::string exeName_;
};

}  // namespace e2e
