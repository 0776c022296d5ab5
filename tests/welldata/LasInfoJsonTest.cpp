#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "LasInfoJson.h"
#include "LasReader.h"
#include "WellDataTestFiles.h"

namespace {

keldo::LasLog Read(const std::string& text)
{
    std::istringstream in(text);
    keldo::LasLog log;
    keldo::WellDataError error;
    EXPECT_TRUE(keldo::ReadLas(in, keldo::KeptCurves{}, log, error)) << error.detail;
    return log;
}

struct JsonCase {
    const char* name;
    std::string las;
    std::string json;
};

const JsonCase kJson[] = {
    {"texts escaped, duplicates numbered, a curve without values",
        "~V\n VERS. 2.0 :\n WRAP. NO :\n~W\n NULL. -9999 :\n WELL. \"A\\B\"\t1 : Bohrung S\xc3\xbc"
        "d\n"
        " EXT. x : one\n EXT. y : two\n~C\n DEPT.M :\n GR.GAPI : gamma\n~A\n 100.5 -9999\n 101 -9999\n",
        "{\n"
        "  \"version\": \"2.0\",\n"
        "  \"wrap\": false,\n"
        "  \"null\": -9999,\n"
        "  \"rows\": 2,\n"
        "  \"well\": {\n"
        "    \"NULL\": {\"unit\": \"\", \"value\": \"-9999\", \"description\": \"\"},\n"
        "    \"WELL\": {\"unit\": \"\", \"value\": \"\\\"A\\\\B\\\"\\t1\", \"description\": \"Bohrung S\xc3\xbc"
        "d\"},\n"
        "    \"EXT:1\": {\"unit\": \"\", \"value\": \"x\", \"description\": \"one\"},\n"
        "    \"EXT:2\": {\"unit\": \"\", \"value\": \"y\", \"description\": \"two\"}\n"
        "  },\n"
        "  \"curves\": [\n"
        "    {\"mnemonic\": \"DEPT\", \"unit\": \"M\", \"description\": \"\", \"count\": 2, \"min\": 100.5, \"max\": "
        "101},\n"
        "    {\"mnemonic\": \"GR\", \"unit\": \"GAPI\", \"description\": \"gamma\", \"count\": 0, \"min\": null, "
        "\"max\": null}\n"
        "  ]\n"
        "}\n"},
    {"no well section, wrapped, numbers in their shortest form",
        "~V\n VERS. 1.2 :\n WRAP. YES :\n~C\n T.S :\n X. :\n~A\n 0.1\n 1e21\n 0.30000000000000004\n -0\n",
        "{\n"
        "  \"version\": \"1.2\",\n"
        "  \"wrap\": true,\n"
        "  \"null\": -999.25,\n"
        "  \"rows\": 2,\n"
        "  \"well\": {},\n"
        "  \"curves\": [\n"
        "    {\"mnemonic\": \"T\", \"unit\": \"S\", \"description\": \"\", \"count\": 2, \"min\": 0.1, \"max\": "
        "0.30000000000000004},\n"
        "    {\"mnemonic\": \"X\", \"unit\": \"\", \"description\": \"\", \"count\": 2, \"min\": -0, \"max\": 1e+21}\n"
        "  ]\n"
        "}\n"},
};

TEST(LasInfoJson, HeaderAndStatisticsInTheDocumentedLayout)
{
    for (const auto& c : kJson) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keldo::LasInfoJson(Read(c.las)), c.json);
    }
}

TEST(LasInfoJson, ControlCharactersBecomeEscapes)
{
    const std::string json = keldo::LasInfoJson(Read(std::string("~V\n~W\n X. a\x01z\x1f :\n~C\n D. :\n~A\n 1\n")));
    EXPECT_NE(json.find("\"value\": \"a\\u0001z\\u001f\""), std::string::npos) << json;
}

} // namespace
