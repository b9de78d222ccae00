#include "CSVParser.h"

namespace {

String CsvFields[CsvFieldSlots];

void Store(int field, const String& text) {
    if (field >= 0 && field < CsvFieldSlots) CsvFields[field] = text;
}

}  // namespace

void ResetCsvFields() {
    for (String& slot : CsvFields) slot.Clear();
}

int ParseCsvLine(const char* line, int separator) {
    if (!line) return 0;
    size_t length = strlen(line);
    size_t firstNonBlank = 0;
    while (firstNonBlank < length && line[firstNonBlank] == ' ') firstNonBlank++;
    if (firstNonBlank == length) return 0;

    ResetCsvFields();
    const char sep = static_cast<char>(separator);
    int field = 0;
    String collected;
    bool inQuotes = false;
    char last = '\0';  // the last non-blank byte seen
    for (size_t i = 0; i < length; i++) {
        char c = line[i];
        if (c == sep) {
            if (i == 0) {
                Store(0, String());
                field = 1;
            } else if (inQuotes && last == '"') {
                // The closing quote was collected; drop the last byte (the
                // quote, or a blank after it).
                collected.Truncate(collected.IsEmpty() ? 0 : collected.Length() - 1);
                Store(field, collected);
                if (field < 0x7FFFFFFF) field++;
                collected.Clear();
                inQuotes = false;
            } else if (inQuotes) {
                collected.AppendChar(c);
            } else {
                Store(field, collected);
                if (field < 0x7FFFFFFF) field++;
                collected.Clear();
            }
        } else if (c == '"') {
            if (i == 0) {
                inQuotes = true;
            } else if (inQuotes && i == length - 1) {
                inQuotes = false;
            } else if (!inQuotes && last == sep) {
                inQuotes = true;
            } else {
                collected.AppendChar(c);
            }
        } else {
            collected.AppendChar(c);
        }
        if (c != ' ') last = c;
    }
    Store(field, collected);
    return field < 0x7FFFFFFF ? field + 1 : field;
}

String GetCsvField(int index) {
    if (index < 0 || index >= CsvFieldSlots) return String();
    return CsvFields[index];
}
