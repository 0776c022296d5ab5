#pragma once
#include <QString>
#include <string>
#include <vector>

// The lines of a report as a numbers field of "Modell anpassen..." shows
// them, without the empty lines that part it from the report before it.
inline QString ReportText(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines) {
        if (text.isEmpty() && line.empty())
            continue;
        text += QString::fromStdString(line) + QLatin1Char('\n');
    }
    return text;
}
