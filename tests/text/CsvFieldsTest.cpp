#include <gtest/gtest.h>

#include "CsvFields.h"

// What the summary writes, the field file reads back unchanged.
TEST(CsvFields, WrittenFieldsReadBackAsTheyWere)
{
    const std::vector<std::string> texts = {"15/9-F-11 A", "", "a,b", "\"zitiert\"", " Rand ", "Öl; Gas", "x\"y"};
    std::string line;
    for (size_t i = 0; i < texts.size(); ++i)
        line += (i ? "," : "") + keldo::CsvField(texts[i]);
    EXPECT_EQ(line, "15/9-F-11 A,,\"a,b\",\"\"\"zitiert\"\"\",\" Rand \",Öl; Gas,\"x\"\"y\"");
    std::vector<std::string> fields;
    ASSERT_TRUE(keldo::SplitCsvLine(line, ',', fields));
    EXPECT_EQ(fields, texts);
}

TEST(CsvFields, TheHeaderDecidesTheSeparator)
{
    EXPECT_EQ(keldo::DetectSeparator("well;las"), ';');
    EXPECT_EQ(keldo::DetectSeparator("well,las"), ',');
    EXPECT_EQ(keldo::DetectSeparator("\"a;b\",well"), ',');
}
