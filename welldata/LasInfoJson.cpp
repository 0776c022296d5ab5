#include "LasInfoJson.h"

#include <cmath>
#include <vector>

#include "NumberText.h"
#include "TextFormat.h"

namespace keldo {
namespace {

void AppendString(std::string& out, const std::string& text)
{
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += Format("\\u%04x", static_cast<unsigned>(c));
            else
                out += c;
        }
    }
    out += '"';
}

void AppendNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    out += ShortestNumberText(value);
}

void AppendItem(std::string& out, const LasHeaderItem& item)
{
    out += "{\"unit\": ";
    AppendString(out, item.unit);
    out += ", \"value\": ";
    AppendString(out, item.value);
    out += ", \"description\": ";
    AppendString(out, item.description);
    out += '}';
}

} // namespace

std::string LasInfoJson(const LasLog& log)
{
    const LasHeader& h = log.header;
    std::string out = "{\n  \"version\": ";
    AppendString(out, h.version);
    out += ",\n  \"wrap\": ";
    out += h.wrap ? "true" : "false";
    out += ",\n  \"null\": ";
    AppendNumber(out, h.nullValue);
    out += ",\n  \"rows\": " + std::to_string(log.rows);

    std::vector<std::string> keys;
    for (const auto& item : h.well)
        keys.push_back(item.mnemonic);
    keys = UniqueMnemonics(keys);
    out += ",\n  \"well\": {";
    for (size_t i = 0; i < h.well.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        AppendString(out, keys[i]);
        out += ": ";
        AppendItem(out, h.well[i]);
    }
    out += h.well.empty() ? "}" : "\n  }";

    out += ",\n  \"curves\": [";
    for (size_t i = 0; i < h.curves.size(); ++i) {
        const LasHeaderItem& curve = h.curves[i];
        const LasCurveStatistics stats = i < log.statistics.size() ? log.statistics[i] : LasCurveStatistics{};
        out += i == 0 ? "\n    {\"mnemonic\": " : ",\n    {\"mnemonic\": ";
        AppendString(out, curve.mnemonic);
        out += ", \"unit\": ";
        AppendString(out, curve.unit);
        out += ", \"description\": ";
        AppendString(out, curve.description);
        out += ", \"count\": " + std::to_string(stats.count) + ", \"min\": ";
        AppendNumber(out, stats.count > 0 ? stats.min : NAN);
        out += ", \"max\": ";
        AppendNumber(out, stats.count > 0 ? stats.max : NAN);
        out += '}';
    }
    out += h.curves.empty() ? "]" : "\n  ]";
    out += "\n}\n";
    return out;
}

} // namespace keldo
