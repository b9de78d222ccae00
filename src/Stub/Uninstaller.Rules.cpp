#include "Uninstaller.Rules.h"

String ExeSiblingPath(const char* path, const char* extension) {
    String result;
    if (!path) return result;
    size_t length = strlen(path);
    for (size_t i = 0; i < length;) {
        if (i + 3 <= length && AsciiLower(path[i]) == 'e' && AsciiLower(path[i + 1]) == 'x' &&
            AsciiLower(path[i + 2]) == 'e') {
            result.Append(extension);
            i += 3;
        } else {
            result.AppendChar(path[i++]);
        }
    }
    return result;
}

String StripLongPathPrefix(const char* path) {
    if (!path) return String();
    if (StartsWith(path, "\\\\?\\UNC\\")) {
        String unc("\\\\");
        unc.Append(path + 8);
        return unc;
    }
    if (StartsWith(path, "\\\\?\\")) return String(path + 4);
    return String(path);
}

String FolderOfPath(const char* path) {
    const char* last = path ? strrchr(path, '\\') : nullptr;
    if (!last) return String();
    return String(path, static_cast<size_t>(last - path) + 1);
}

String FileNameOfPath(const char* path) {
    if (!path) return String();
    const char* last = strrchr(path, '\\');
    return String(last ? last + 1 : path);
}

String TemporaryCopyCandidate(const char* folder, uint32_t n) {
    String candidate(folder);
    if (candidate.IsEmpty() || candidate[candidate.Length() - 1] != '\\')
        candidate.AppendChar('\\');
    candidate.Append("_Uninstall_");
    candidate.AppendDecimal(n);
    candidate.Append(".exe");
    return candidate;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads one argument starting at *p; leaves *p after it.
String ReadArgument(const char** p) {
    String argument;
    bool quoted = false;
    const char* q = *p;
    for (; *q; q++) {
        if (*q == '"') {
            quoted = !quoted;
        } else if (IsBlank(*q) && !quoted) {
            break;
        } else {
            argument.AppendChar(*q);
        }
    }
    *p = q;
    return argument;
}

}  // namespace

String CommandLineArgument(const char* commandLine, int index) {
    if (!commandLine || index < 0) return String();
    const char* p = commandLine;
    while (IsBlank(*p)) p++;
    // The program's own name: a quoted name ends at its closing quote, as the
    // system reads it, even when an argument follows without a blank.
    if (*p == '"') {
        const char* close = strchr(p + 1, '"');
        p = close ? close + 1 : p + strlen(p);
    } else {
        while (*p && !IsBlank(*p)) p++;
    }
    for (int i = 0;; i++) {
        while (IsBlank(*p)) p++;
        if (!*p) return String();
        String argument = ReadArgument(&p);
        if (i == index) return argument;
    }
}

String ArgumentNamePart(const char* argument) {
    const char* equals = argument ? strchr(argument, '=') : nullptr;
    if (!equals) return String(argument);
    return String(argument, static_cast<size_t>(equals - argument));
}

String ArgumentValuePart(const char* argument) {
    const char* equals = argument ? strchr(argument, '=') : nullptr;
    if (!equals) return String();
    const char* value = equals + 1;
    const char* second = strchr(value, '=');
    return second ? String(value, static_cast<size_t>(second - value)) : String(value);
}

String SelfDeletionBatchText(const char* executablePath, const char* batchPath) {
    String text("cd \\\r\nping -n 5 -w 1000 127.0.0.1 >NUL\r\ndel \"");
    text.Append(executablePath);
    text.Append("\"\r\ndel \"");
    text.Append(batchPath);
    text.Append("\"\r\ncls\r\n@exit\r\n");
    return text;
}
