#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The option reader of the headless tools: each tool names its options, the
// reader walks the arguments and words every fault the same way for all of
// them.
namespace keldo {

// What is wrong with a command line, decided by the reader; its words come
// from the reader alone, so the same fault reads the same in every tool.
enum class OptionFault {
    None,
    MissingValue,  // "Option --out braucht einen Wert"
    BadValue,      // "Option --cutoff: \"0,1\" ist keine Zahl"
    UnknownOption, // "unbekannte Option --mode"
    SecondOperand, // "mehr als ein Dokument angegeben: b.kld"
    NoOperand,     // "kein Dokument angegeben"
};

// True when `text`, apart from white space around it, is one finite decimal
// number with a decimal point, whatever the locale; `value` is left alone
// otherwise.
bool ReadFiniteNumber(std::string_view text, float& value);

// A cut-off of net pay (--sw-cutoff, --vsh-cutoff): a number from 0 to 1 by
// ReadFiniteNumber's rules, read in the precision it is compared in; `value`
// is left alone otherwise. A refused value is worded kCutoffRefusal.
bool ReadCutoff(const std::string& text, float& value);
bool ReadCutoff(const std::string& text, double& value);
inline constexpr const char* kCutoffRefusal = "ist keine Zahl von 0 bis 1";

class CommandLine {
public:
    // The one argument that is no option (a document, a field file), named
    // with its article for the messages: "ein Dokument", "kein Dokument".
    struct Operand {
        std::string& target;
        const char* one;
        const char* none;
    };

    explicit CommandLine(Operand operand) : m_operand(operand) {}

    // --name alone.
    void Flag(std::string_view name, std::function<void()> set);
    // --name TEXT, taken as it stands.
    void Text(std::string_view name, std::string& target);
    // --name NUMBER (ReadFiniteNumber).
    void Number(std::string_view name, float& target);
    void Number(std::string_view name, std::optional<float>& target);
    // --name VALUE as `take` reads it; a value it refuses is a BadValue,
    // worded "Option --name: "VALUE" " + `refusal` ("ist weder 1 noch 2").
    void Value(std::string_view name, std::function<bool(const std::string&)> take, std::string refusal);

    // Reads `args` (without the program name) in order; a later option
    // overrides an earlier one. "--help" and "-h" ask for help and read on.
    // False at the first fault.
    bool Read(const std::vector<std::string>& args);
    // False with a NoOperand fault when no operand was given.
    bool RequireOperand();

    bool Help() const { return m_help; }
    OptionFault Fault() const { return m_fault; }
    // The fault in German, for the tool to print after its name.
    const std::string& Error() const { return m_error; }

private:
    struct Option {
        std::string name;
        bool takesValue;
        std::function<bool(const std::string&)> take; // the value, or "" for a flag
        std::string refusal;
    };
    const Option* Find(std::string_view name) const;
    bool Refuse(OptionFault fault, std::string words);

    Operand m_operand;
    std::vector<Option> m_options;
    bool m_help = false;
    OptionFault m_fault = OptionFault::None;
    std::string m_error;
};

} // namespace keldo
