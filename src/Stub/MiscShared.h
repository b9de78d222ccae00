// Small system helpers shared by several modules.
#pragma once

#include <stdint.h>

#include "../Text.h"

enum { FileSizeMissing = -1, FileSizeFolder = -2 };

// The size of the file at `path` in bytes; FileSizeMissing when nothing of
// that name exists (or the name is not valid), FileSizeFolder for a folder.
int64_t QueryFileSize(const char* path);

// The logon name of the account the process runs under; 260 blanks when the
// system cannot tell.
String GetCurrentUserName();
