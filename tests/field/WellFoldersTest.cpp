#include <gtest/gtest.h>

#include "WellFolders.h"

TEST(WellFolders, NamesBecomeSafeFolderNames)
{
    const struct {
        const char* well;
        const char* folder;
    } cases[] = {
        {"15/9-F-11 A", "15_9-F-11_A"},
        {"Bohrung\\2: Süd*?\"<>|", "Bohrung_2__Süd______"},
        {"..versteckt.", "_.versteckt"},
        {"Zeile\tmit\nSteuerzeichen\x7F", "Zeile_mit_Steuerzeichen_"},
        {"", "Bohrung"},
        {"...", "Bohrung"},
        {"Öl-Bohrung Ärzte", "Öl-Bohrung_Ärzte"},
        // 79 ASCII bytes, then a two-byte "ä" across byte 80: cut before it
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaäb",
            "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keldo::SafeFolderName(c.well), c.folder) << c.well;
}

TEST(WellFolders, FoldersAreUniqueAndNeverAFileOfTheStudy)
{
    std::vector<keldo::FieldWell> wells;
    for (const char* name : {"15/9-F-11 A", "15_9-F-11_A", "15/9-f-11 a", "summary.csv", "Field.svg", "B", "B_2"}) {
        keldo::FieldWell well;
        well.name = name;
        wells.push_back(well);
    }
    const std::vector<std::string> expected
        = {"15_9-F-11_A", "15_9-F-11_A_2", "15_9-f-11_a_3", "summary.csv_2", "Field.svg_2", "B", "B_2"};
    EXPECT_EQ(keldo::WellFolderNames(wells), expected);
}
