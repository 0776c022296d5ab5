#include "CsvFields.h"

#include "AsciiText.h"

namespace keldo {

char DetectSeparator(std::string_view header, std::string_view separators)
{
    size_t best = separators.size() - 1;
    bool quoted = false;
    for (char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (const size_t rank = separators.find(c); !quoted && rank < best)
            best = rank;
    }
    return separators[best];
}

bool SplitCsvLine(std::string_view line, char separator, std::vector<std::string>& fields)
{
    fields.clear();
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]) && line[i] != separator) // a tab may separate
            ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            // A quoted field: everything up to the closing quote, "" as one quote.
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed)
                return false;
            // Blanks after the closing quote; anything else is kept as text.
            const size_t end = line.find(separator, i);
            field += TrimBlanks(line.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
            i = end;
        } else {
            const size_t end = line.find(separator, i);
            field = TrimBlanks(line.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i == std::string_view::npos)
            return true;
        ++i; // past the separator
    }
}

bool EndsInsideQuotes(std::string_view line, char separator, bool inside)
{
    size_t i = 0;
    for (;;) {
        if (inside) {
            const size_t quote = line.find('"', i);
            if (quote == std::string_view::npos)
                return true;
            if (quote + 1 < line.size() && line[quote + 1] == '"') {
                i = quote + 2; // "" is a quote inside the field
                continue;
            }
            inside = false; // closed: the rest of the field is text
            i = quote + 1;
        } else {
            while (i < line.size() && IsBlank(line[i]) && line[i] != separator)
                ++i;
            if (i < line.size() && line[i] == '"') {
                inside = true;
                ++i;
                continue;
            }
        }
        const size_t end = line.find(separator, i);
        if (end == std::string_view::npos)
            return false;
        i = end + 1;
    }
}

std::string CsvField(std::string_view text)
{
    const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos
        && (text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back())));
    if (plain)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace keldo
