#include "E2EHarness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace e2e {

namespace {

// The relay log that the test runner sends Wine's trace to (a Unix path).
std::string RelayLogPath() {
    const char* unixPath = getenv("KW_RELAY_LOG");
    if (!unixPath || !*unixPath) return "";
    std::string path = "Z:";
    for (const char* p = unixPath; *p; p++) path += (*p == '/') ? '\\' : *p;
    return path;
}

long long RelayLogSize() {
    std::string path = RelayLogPath();
    if (path.empty()) return 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string RelayLogFrom(long long offset) {
    std::string all = ReadFileBytes(RelayLogPath());
    if (offset > static_cast<long long>(all.size())) return "";
    return all.substr(static_cast<size_t>(offset));
}

// Splits the argument list of one relay "Call" line. Each argument is a hex
// value, optionally followed by a blank and a quoted string (escaped as
// Wine's debug strings are); returns the strings, or the values when no
// string follows.
std::vector<std::string> RelayArguments(const std::string& line, size_t open) {
    std::vector<std::string> args;
    std::string current;
    bool hasString = false;
    std::string text;
    for (size_t i = open + 1; i < line.size(); i++) {
        char c = line[i];
        if (c == '"') {
            hasString = true;
            for (i++; i < line.size() && line[i] != '"'; i++) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    char e = line[++i];
                    text += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
                } else {
                    text += line[i];
                }
            }
        } else if (c == ',' || c == ')') {
            args.push_back(hasString ? text : current);
            current.clear();
            text.clear();
            hasString = false;
            if (c == ')') break;
        } else if (c != ' ' && !hasString) {
            current += c;
        }
    }
    return args;
}

// The calls of `function` ("dll.Name") in the trace; Wine writes some DLL
// names in capitals (KERNEL32), so the name is matched in any letter case.
std::vector<std::vector<std::string>> RelayCalls(const std::string& log, const char* function) {
    std::vector<std::vector<std::string>> calls;
    std::string needle = std::string("call ") + function + "(";
    std::transform(needle.begin(), needle.end(), needle.begin(), ::tolower);
    std::string lowered = log;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), ::tolower);
    size_t pos = 0;
    while ((pos = lowered.find(needle, pos)) != std::string::npos) {
        size_t end = log.find('\n', pos);
        std::string line =
            log.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        calls.push_back(RelayArguments(line, needle.size() - 1));
        pos += needle.size();
    }
    return calls;
}

std::string WindowText(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

SeenBox ReadBox(HWND box) {
    SeenBox seen;
    seen.Title = WindowText(box);
    char text[8192] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    seen.Text = text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = "";
        GetClassNameA(child, cls, sizeof(cls));
        if (_stricmp(cls, "Button") != 0 || !IsWindowVisible(child)) continue;
        std::string caption = WindowText(child);
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        seen.Buttons.push_back(caption);
    }
    return seen;
}

// The first dialog box of another process, if any.
HWND FindForeignBox(const std::set<HWND>& answered) {
    for (HWND w = FindWindowA("#32770", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != GetCurrentProcessId() && IsWindowVisible(w) && !answered.count(w)) return w;
    }
    return nullptr;
}

}  // namespace

std::string HarnessFolder() {
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string RunOutcome::Describe() const {
    std::string s;
    for (const SeenBox& b : Boxes) {
        char flags[32];
        snprintf(flags, sizeof(flags), "0x%llX", b.Flags);
        s += "  box [" + b.Title + "] flags " + flags + " text [" + b.Text + "] buttons:";
        for (const std::string& c : b.Buttons) s += " [" + c + "]";
        s += "\n";
    }
    for (const StartedProcess& p : Started) {
        s += "  started [" + p.CommandLine + "] in [" + p.CurrentDirectory + "]\n";
    }
    s += "  exit codes:";
    for (DWORD c : ExitCodes) s += " " + std::to_string(c);
    if (TimedOut) s += "\n  TIMED OUT";
    return s + "\n";
}

std::string UninstallerUnderTest() {
    const char* configured = getenv("KW_UNINSTALL_EXE");
    if (configured && *configured) {
        if (configured[0] != '/') return configured;
        std::string path = "Z:";
        for (const char* p = configured; *p; p++) path += (*p == '/') ? '\\' : *p;
        return path;
    }
    return HarnessFolder() + "uninstall.exe";
}

unsigned UninstallerMachine() {
    std::string bytes = ReadFileBytes(UninstallerUnderTest());
    if (bytes.size() < 0x40) return 0;
    unsigned peOffset = 0;
    memcpy(&peOffset, bytes.data() + 0x3C, sizeof(peOffset));
    if (peOffset + 6 > bytes.size() || bytes.compare(peOffset, 4, std::string("PE\0\0", 4)) != 0)
        return 0;
    unsigned short machine = 0;
    memcpy(&machine, bytes.data() + peOffset + 4, sizeof(machine));
    return machine;
}

std::string TemporaryFolder() {
    char shortPath[MAX_PATH + 1];
    GetTempPathA(sizeof(shortPath), shortPath);
    char longPath[MAX_PATH * 4];
    DWORD n = GetLongPathNameA(shortPath, longPath, sizeof(longPath));
    std::string folder = n ? std::string(longPath, n) : std::string(shortPath);
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

std::vector<std::string> TemporaryCopies() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((TemporaryFolder() + "_Uninstall_*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void CleanTemporaryCopies() {
    std::string folder = TemporaryFolder();
    for (const std::string& name : TemporaryCopies()) {
        std::string path = folder + name;
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            RemoveTree(path);
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
}

void MakeFreshFolder(const std::string& folder) {
    RemoveTree(folder);
    for (size_t i = 3; i <= folder.size(); i++) {
        if (i == folder.size() || folder[i] == '\\')
            CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
    }
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void PlaceUninstaller(const std::string& exePath, unsigned trailer) {
    std::string bytes = ReadFileBytes(UninstallerUnderTest());
    for (int i = 0; i < 4; i++) bytes += static_cast<char>((trailer >> (8 * i)) & 0xFF);
    WriteFileBytes(exePath, bytes);
}

RunOutcome RunAndWatch(const std::string& commandLine, Answerer answer, DWORD timeoutMs,
                       const std::string& applicationName) {
    RunOutcome outcome;
    long long logStart = RelayLogSize();
    HANDLE job = CreateJobObjectA(nullptr, nullptr);

    // Only the processes of the run are traced, and only the calls that the
    // prefix's RelayInclude names.
    char saved[256] = "";
    DWORD savedLength = GetEnvironmentVariableA("WINEDEBUG", saved, sizeof(saved));
    SetEnvironmentVariableA("WINEDEBUG", "+relay");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    // Wine now and then fails to set up a new process's address space
    // ("failed to map the shared user data"); that is Wine's, not the
    // program's, so the start is tried again a few times.
    BOOL started = FALSE;
    for (int attempt = 0; attempt < 3 && !started; attempt++) {
        if (attempt) Sleep(200);
        std::vector<char> line = writable;  // CreateProcessA may write into it
        started = CreateProcessA(applicationName.empty() ? nullptr : applicationName.c_str(),
                                 line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                 nullptr, &startup, &process);
    }
    SetEnvironmentVariableA("WINEDEBUG", savedLength ? saved : nullptr);
    if (!started) {
        outcome.TimedOut = true;
        CloseHandle(job);
        return outcome;
    }
    AssignProcessToJobObject(job, process.hProcess);
    BOOL wow64 = FALSE;
    if (IsWow64Process(process.hProcess, &wow64)) outcome.Wow64 = wow64 != FALSE;
    std::vector<HANDLE> processes = {process.hProcess};
    std::set<DWORD> known = {process.dwProcessId};
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);

    std::set<HWND> answered;
    DWORD begin = GetTickCount();
    for (;;) {
        // Keep a handle to every process of the job, for its exit code.
        struct {
            JOBOBJECT_BASIC_PROCESS_ID_LIST list;
            ULONG_PTR more[64];
        } ids = {};
        ids.list.NumberOfAssignedProcesses = 65;
        if (QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof(ids),
                                      nullptr)) {
            for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList && i < 65; i++) {
                DWORD pid = static_cast<DWORD>(ids.list.ProcessIdList[i]);
                if (known.insert(pid).second) {
                    HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, pid);
                    if (h) processes.push_back(h);
                }
            }
        }
        HWND box = FindForeignBox(answered);
        if (box) {
            Sleep(50);  // let the box finish laying out its controls
            SeenBox seen = ReadBox(box);
            outcome.Boxes.push_back(seen);
            int button = answer ? answer(seen) : 0;
            if (button == 0) {
                // The first button: OK, Yes, Abort or Retry, by the box's kind.
                const std::string first = seen.Buttons.empty() ? "OK" : seen.Buttons[0];
                button = first == "Yes"      ? IDYES
                         : first == "No"     ? IDNO
                         : first == "Cancel" ? IDCANCEL
                                             : IDOK;
            }
            answered.insert(box);
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
            for (int i = 0; i < 500 && IsWindow(box); i++) Sleep(10);
        }
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
        if (QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                      sizeof(accounting), nullptr) &&
            accounting.ActiveProcesses == 0) {
            break;
        }
        if (GetTickCount() - begin > timeoutMs) {
            outcome.TimedOut = true;
            TerminateJobObject(job, 999);
            break;
        }
        Sleep(5);
    }
    for (HANDLE h : processes) {
        WaitForSingleObject(h, 5000);
        DWORD code = 259;
        GetExitCodeProcess(h, &code);
        outcome.ExitCodes.push_back(code);
        CloseHandle(h);
    }
    CloseHandle(job);

    // Wine writes its trace as it goes; the processes have ended, so it is complete.
    std::string log = RelayLogFrom(logStart);
    auto boxCalls = RelayCalls(log, "user32.MessageBoxA");
    for (size_t i = 0; i < boxCalls.size() && i < outcome.Boxes.size(); i++) {
        if (boxCalls[i].size() < 4) continue;
        outcome.Boxes[i].Owner = strtoll(boxCalls[i][0].c_str(), nullptr, 16);
        outcome.Boxes[i].Flags = strtoll(boxCalls[i][3].c_str(), nullptr, 16);
    }
    for (const auto& args : RelayCalls(log, "kernel32.CreateProcessA")) {
        if (args.size() < 8) continue;
        StartedProcess p;
        p.CommandLine = args[1];
        p.CurrentDirectory = args[7] == "00000000" ? "" : args[7];
        outcome.Started.push_back(p);
    }
    return outcome;
}

WineVersionGuard::WineVersionGuard(const std::string& exeName, const std::string& version)
    : exeName_(exeName) {
    HKEY key;
    std::string path = "Software\\Wine\\AppDefaults\\" + exeName;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
        RegCloseKey(key);
    }
}

WineVersionGuard::~WineVersionGuard() {
    std::string path = "Software\\Wine\\AppDefaults\\" + exeName_;
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

}  // namespace e2e
