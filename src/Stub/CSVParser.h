// Splits one line into fields at a separator, honouring double quotes, into
// the process-wide table of 64 slots. The rules are this module's own: a
// doubled quote stays two quotes, a quote closes a quoted field only before
// a separator (blanks between allowed) or as the last byte of the line, and
// blanks are never trimmed. Never fails.
#pragma once

#include "../Text.h"

enum { CsvFieldSlots = 64 };

// Parses `line` (its bytes up to the terminating NUL) and returns the number
// of fields. A line that is empty or only blanks returns 0 and leaves the
// table as it was. Fields past the 64th are counted but not stored, so the
// count may exceed 64; nothing is written outside the table.
int ParseCsvLine(const char* line, int separator);

// A copy of slot `index`; empty for an index outside 0 to 63.
String GetCsvField(int index);

// Empties all 64 slots (start-up state).
void ResetCsvFields();
