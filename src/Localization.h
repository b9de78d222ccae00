// The localized text table, and right-to-left layout for the texts of
// right-to-left languages.
#pragma once

#include "Text.h"

// The OS code the localization functions test (set at start-up).
extern int LocalizationOSCode;

// 1 when the localized texts read right to left (from the data file).
extern int LangIsRTL;

// Adds a text as the next number (from 1), with every "<br>" in any letter
// case replaced by CR LF. Returns 1.
int AddLocalizedText(const char* text);

// Text number `number`; empty for 0, negative numbers and numbers past the
// last text.
String GetLocalizedText(int number);

// How many texts the table holds.
int LocalizedTextCount();

// Replaces, in every text, each "$APPNAME$" (any letter case) by
// `programName` and then each "$APPVERSION$" by `programVersion`.
void SubstituteProductInTexts(const char* programName, const char* programVersion);

// Empties the table (start-up state: the single empty slot 0).
void ResetLocalizedTexts();

// Every occurrence of `pattern` in `text`, compared without regard to ASCII
// letter case, replaced by `replacement`; the result is not scanned again.
String ReplaceIgnoringCase(const char* text, const char* pattern, const char* replacement);

// Every occurrence of `pattern` (exact bytes) replaced by `replacement`.
String ReplaceExact(const char* text, const char* pattern, const char* replacement);

#ifdef _WIN32
#include <windows.h>

// Sets (1) or clears (0) right-to-left layout of a top-level window, then
// refreshes its frame; other values leave the style as it is. Nothing before
// Windows 2000.
void ApplyRtlToWindow(HWND window, int rightToLeft);

// The same for one control, without the frame refresh.
void ApplyRtlToControl(HWND control, int rightToLeft);

// MessageBoxA with right alignment and right-to-left reading added for a
// right-to-left language on Windows 2000 and later, owned by the foreground
// window when that belongs to this process. Returns the button pressed (0
// when the box could not be shown).
int LocalizedMessageBox(const char* title, const char* text, UINT flags);
#endif
