#include <gtest/gtest.h>

#include "PrintJob.h"

namespace {

TEST(PrintJobTitle, DocumentTitleAndWell)
{
    struct Row {
        const char* title;
        const char* well;
        const char* expected;
    } rows[] = {
        // The well of examples/gas-well-F-12.kld.
        {"gas-well-F-12.kld", "15/9-F-12 Hugin, Gasfall", "gas-well-F-12.kld - 15/9-F-12 Hugin, Gasfall"},
        {"Unbenannt", "Name der Bohrung", "Unbenannt - Name der Bohrung"},
        {"Bohrung Süd.kld", "  Öl 7\t", "Bohrung Süd.kld - Öl 7"},
        {"leer.kld", "", "leer.kld"},
        {"leer.kld", " \t ", "leer.kld"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(keldo::PrintJobTitle(row.title, row.well), row.expected) << row.well;
}

} // namespace
