// The path and command-line rules of the uninstaller; no system calls.
#pragma once

#include "../Text.h"

// `path` with every "exe", in any letter case, replaced by `extension`,
// scanning left to right without overlapping matches, folder names included.
String ExeSiblingPath(const char* path, const char* extension);

// `path` without a leading "\\?\" (and "\\?\UNC\" back to "\\").
String StripLongPathPrefix(const char* path);

// The folder part of `path`, up to and including its last backslash; empty
// when it has none.
String FolderOfPath(const char* path);

// The file-name part of `path`, after its last backslash.
String FileNameOfPath(const char* path);

// `folder` + (a backslash unless it ends in one) + "_Uninstall_" + n + ".exe".
String TemporaryCopyCandidate(const char* folder, uint32_t n);

// Argument `index` of a command line (0 is the first after the program's own
// name): blanks separate, double quotes group and are removed. An absent
// argument is empty.
String CommandLineArgument(const char* commandLine, int index);

// For "/Name=Value=Rest": the name part is the text before the first "=" (all
// of it without one); the value part lies between the first and second "=".
String ArgumentNamePart(const char* argument);
String ArgumentValuePart(const char* argument);

// The six lines of the self-deletion batch file, each ending in CR LF.
String SelfDeletionBatchText(const char* executablePath, const char* batchPath);
