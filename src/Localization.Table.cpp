// The table of localized texts; no system calls.
#include "Localization.h"

int LocalizationOSCode;
int LangIsRTL;

namespace {

// Slot 0 is never filled, so text n lives at index n.
List<String> Texts;

bool MatchesIgnoringCase(const char* text, const char* pattern) {
    for (; *pattern; text++, pattern++) {
        if (!*text || AsciiLower(*text) != AsciiLower(*pattern)) return false;
    }
    return true;
}

}  // namespace

String ReplaceIgnoringCase(const char* text, const char* pattern, const char* replacement) {
    String result;
    size_t patternLength = strlen(pattern);
    for (const char* p = text; *p;) {
        if (patternLength && MatchesIgnoringCase(p, pattern)) {
            result.Append(replacement);
            p += patternLength;
        } else {
            result.AppendChar(*p++);
        }
    }
    return result;
}

String ReplaceExact(const char* text, const char* pattern, const char* replacement) {
    String result;
    size_t patternLength = strlen(pattern);
    for (const char* p = text; *p;) {
        if (patternLength && strncmp(p, pattern, patternLength) == 0) {
            result.Append(replacement);
            p += patternLength;
        } else {
            result.AppendChar(*p++);
        }
    }
    return result;
}

void ResetLocalizedTexts() {
    Texts.Clear();
    Texts.Add(String());
}

int AddLocalizedText(const char* text) {
    if (Texts.Count() == 0) Texts.Add(String());
    Texts.Add(ReplaceIgnoringCase(text ? text : "", "<br>", "\r\n"));
    return 1;
}

String GetLocalizedText(int number) {
    if (number <= 0 || static_cast<size_t>(number) >= Texts.Count()) return String();
    return Texts[static_cast<size_t>(number)];
}

int LocalizedTextCount() { return Texts.Count() ? static_cast<int>(Texts.Count() - 1) : 0; }

void SubstituteProductInTexts(const char* programName, const char* programVersion) {
    for (size_t i = 1; i < Texts.Count(); i++) {
        String named = ReplaceIgnoringCase(Texts[i].c_str(), "$APPNAME$", programName);
        Texts[i] = ReplaceIgnoringCase(named.c_str(), "$APPVERSION$", programVersion);
    }
}
