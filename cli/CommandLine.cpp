#include "CommandLine.h"

#include <cmath>

#include "DecimalNumber.h"
#include "TextFormat.h"

namespace keldo {

bool ReadFiniteNumber(std::string_view text, float& value)
{
    float number = 0;
    if (!ParseWholeFloat(text, number) || !std::isfinite(number))
        return false;
    value = number;
    return true;
}

bool ReadCutoff(const std::string& text, float& value)
{
    float v = 0;
    if (!ReadFiniteNumber(text, v) || v < 0.0f || v > 1.0f)
        return false;
    value = v;
    return true;
}

bool ReadCutoff(const std::string& text, double& value)
{
    float check = 0; // the same text rules as every number of the command line
    double v = 0;
    if (!ReadFiniteNumber(text, check) || !ParseNumber(std::string_view(text), v) || v < 0.0 || v > 1.0)
        return false;
    value = v;
    return true;
}

void CommandLine::Flag(std::string_view name, std::function<void()> set)
{
    m_options.push_back({std::string(name), false,
        [set = std::move(set)](const std::string&) {
            set();
            return true;
        },
        {}});
}

void CommandLine::Text(std::string_view name, std::string& target)
{
    m_options.push_back({std::string(name), true,
        [&target](const std::string& value) {
            target = value;
            return true;
        },
        {}});
}

void CommandLine::Number(std::string_view name, float& target)
{
    Value(
        name, [&target](const std::string& value) { return ReadFiniteNumber(value, target); }, "ist keine Zahl");
}

void CommandLine::Number(std::string_view name, std::optional<float>& target)
{
    Value(
        name,
        [&target](const std::string& value) {
            float number = 0;
            const bool read = ReadFiniteNumber(value, number);
            if (read)
                target = number;
            return read;
        },
        "ist keine Zahl");
}

void CommandLine::Value(std::string_view name, std::function<bool(const std::string&)> take, std::string refusal)
{
    m_options.push_back({std::string(name), true, std::move(take), std::move(refusal)});
}

const CommandLine::Option* CommandLine::Find(std::string_view name) const
{
    for (const Option& option : m_options)
        if (option.name == name)
            return &option;
    return nullptr;
}

bool CommandLine::Refuse(OptionFault fault, std::string words)
{
    m_fault = fault;
    m_error = std::move(words);
    return false;
}

bool CommandLine::Read(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            m_help = true;
        } else if (const Option* option = Find(arg)) {
            if (!option->takesValue) {
                option->take(std::string());
                continue;
            }
            if (i + 1 >= args.size())
                return Refuse(OptionFault::MissingValue, "Option " + arg + " braucht einen Wert");
            const std::string& value = args[++i];
            if (!option->take(value))
                return Refuse(OptionFault::BadValue, "Option " + arg + ": \"" + value + "\" " + option->refusal);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Refuse(OptionFault::UnknownOption, "unbekannte Option " + arg);
        } else if (m_operand.target.empty()) {
            m_operand.target = arg;
        } else {
            return Refuse(OptionFault::SecondOperand, std::string("mehr als ") + m_operand.one + " angegeben: " + arg);
        }
    }
    return true;
}

bool CommandLine::RequireOperand()
{
    return !m_operand.target.empty() || Refuse(OptionFault::NoOperand, std::string(m_operand.none) + " angegeben");
}

} // namespace keldo
