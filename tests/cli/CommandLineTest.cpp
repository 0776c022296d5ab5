// The option reader of keldo-batch and keldo-field: what it takes, the fault
// it finds, and the same words for the same fault in both tools.
#include <gtest/gtest.h>

#include "BatchOptions.h"
#include "CommandLine.h"
#include "FieldOptions.h"

using keldo::OptionFault;

TEST(CommandLine, ReadsOptionsAndFindsTheFirstFault)
{
    const struct Case {
        const char* what;
        std::vector<std::string> args;
        OptionFault fault;
        const char* error;
        bool flag, help;
        const char* name;
        float number;
        const char* operand;
    } cases[] = {
        {"every kind of option", {"--flag", "--name", "x", "--number", "1.5", "--pick", "b", "ding"}, OptionFault::None,
            "", true, false, "x", 1.5f, "ding"},
        {"a value that looks like an option is the value", {"--name", "--flag"}, OptionFault::None, "", false, false,
            "--flag", 0, ""},
        {"the later of two wins", {"--number", "1", "--number", " 2.5 "}, OptionFault::None, "", false, false, "", 2.5f,
            ""},
        {"a lone minus is the operand", {"-"}, OptionFault::None, "", false, false, "", 0, "-"},
        {"help, and reading goes on", {"-h", "--flag"}, OptionFault::None, "", true, true, "", 0, ""},
        {"a fault after help is still one", {"--help", "--bogus"}, OptionFault::UnknownOption,
            "unbekannte Option --bogus", false, true, "", 0, ""},
        {"a short option no one knows", {"-x"}, OptionFault::UnknownOption, "unbekannte Option -x", false, false, "", 0,
            ""},
        {"a value missing at the end", {"--flag", "--number"}, OptionFault::MissingValue,
            "Option --number braucht einen Wert", true, false, "", 0, ""},
        {"a decimal comma", {"--number", "1,5"}, OptionFault::BadValue, "Option --number: \"1,5\" ist keine Zahl",
            false, false, "", 0, ""},
        {"a number beyond float", {"--number", "1e999"}, OptionFault::BadValue,
            "Option --number: \"1e999\" ist keine Zahl", false, false, "", 0, ""},
        {"a value the option refuses", {"--pick", "c"}, OptionFault::BadValue,
            "Option --pick: \"c\" ist weder a noch b", false, false, "", 0, ""},
        {"reading stops at the fault", {"a", "b", "--flag"}, OptionFault::SecondOperand,
            "mehr als ein Ding angegeben: b", false, false, "", 0, "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool flag = false;
        std::string name, operand;
        float number = 0;
        keldo::CommandLine line({operand, "ein Ding", "kein Ding"});
        line.Flag("--flag", [&] { flag = true; });
        line.Text("--name", name);
        line.Number("--number", number);
        line.Value(
            "--pick", [](const std::string& value) { return value == "a" || value == "b"; }, "ist weder a noch b");
        EXPECT_EQ(line.Read(c.args), c.fault == OptionFault::None);
        EXPECT_EQ(line.Fault(), c.fault);
        EXPECT_EQ(line.Error(), c.error);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(line.Help(), c.help);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(operand, c.operand);
    }
    std::string operand;
    keldo::CommandLine none({operand, "ein Ding", "kein Ding"});
    ASSERT_TRUE(none.Read({}));
    EXPECT_FALSE(none.RequireOperand());
    EXPECT_EQ(none.Fault(), OptionFault::NoOperand);
    EXPECT_EQ(none.Error(), "kein Ding angegeben");
}

// Both tools take --cutoff: each fault of it, and of options neither knows,
// reads the same in keldo-batch and keldo-field.
TEST(CommandLine, TheSameFaultReadsTheSameInBothTools)
{
    const struct Case {
        std::vector<std::string> fault; // after a good command line
        const char* error;
    } cases[] = {
        {{"--cutoff"}, "Option --cutoff braucht einen Wert"},
        {{"--cutoff", "0,1"}, "Option --cutoff: \"0,1\" ist keine Zahl"},
        {{"--cutoff", "nan"}, "Option --cutoff: \"nan\" ist keine Zahl"},
        {{"--cutoff", "inf"}, "Option --cutoff: \"inf\" ist keine Zahl"},
        {{"--cutoff", "6 %"}, "Option --cutoff: \"6 %\" ist keine Zahl"},
        {{"--bogus"}, "unbekannte Option --bogus"},
        {{"-x", "1"}, "unbekannte Option -x"},
        {{"--help", "--bogus"}, "unbekannte Option --bogus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        std::vector<std::string> batch = {"w.kld"}, field = {"feld.csv", "--out", "aus"};
        batch.insert(batch.end(), c.fault.begin(), c.fault.end());
        field.insert(field.end(), c.fault.begin(), c.fault.end());
        std::string batchError, fieldError;
        EXPECT_FALSE(keldo::ParseBatchOptions(batch, batchError));
        EXPECT_FALSE(keldo::ParseFieldOptions(field, fieldError));
        EXPECT_EQ(batchError, c.error);
        EXPECT_EQ(fieldError, c.error);
    }
}
