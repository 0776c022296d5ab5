// summary.csv, cell by cell: the lines below are those the writer wrote
// before its columns had names, for four kinds of well.
#include <gtest/gtest.h>

#include <sstream>

#include "SummaryTable.h"

namespace {

// Four rows of a summary: a well with contacts (one class without any), a
// stopped run without contact statistics, a well that could not be read, a
// well not run.
std::vector<keldo::WellSummary> SummaryRows()
{
    std::vector<keldo::WellSummary> rows(4);
    keldo::WellSummary& a = rows[0];
    a.well = "15/9-F-11 A";
    a.folder = "15_9-F-11_A";
    a.status = keldo::WellStatus::Completed;
    a.prepared = true;
    a.measurements = 1533;
    a.minDepth = 2850.125f;
    a.maxDepth = 3102.5f;
    a.fluid = 1;
    a.contact = 3027.5f;
    a.contacts = true;
    a.classes = {{{0.06, 812, 2901.25f, 3012.75f, 3160.05f}, {0.08, 0, 0, 0, 0}, {0.1, 3, -12.5f, 0.04f, 99.95f}}};
    a.p10 = 2950.125;
    a.median = 3010.5;
    a.p90 = 3100.999;
    a.rms = 0.0123456;
    a.rmsRows = 1200;
    keldo::WellSummary& b = rows[1];
    b.well = "Druck";
    b.folder = "Druck";
    b.status = keldo::WellStatus::Stopped;
    b.prepared = true;
    b.measurements = 9;
    b.minDepth = 2850;
    b.maxDepth = 2858;
    b.contact = 2960;
    b.classes = {{{0.1, 0, 0, 0, 0}, {0.12, 0, 0, 0, 0}, {0.14, 0, 0, 0, 0}}};
    b.rmsRows = 0;
    b.message = "Wassersättigung: PI > 0.23*TEUFE, \"Abbruch\"";
    keldo::WellSummary& c = rows[2];
    c.well = "fehlt";
    c.folder = "fehlt";
    c.status = keldo::WellStatus::Unreadable;
    c.message = "Zeile 4, Spalte document: Das Dokument kann nicht geöffnet werden.";
    rows[3].well = "wartet";
    return rows;
}

} // namespace

TEST(SummaryTable, EveryKindOfWellIsWrittenAsBefore)
{
    const std::vector<keldo::WellSummary> rows = SummaryRows();
    const char* const lines[] = {
        "well,folder,status,measurements,min_depth,max_depth,fluid,contact,cutoff_1,count_1,min_1,mean_1,max_1,cutoff_"
        "2,count_2,min_2,mean_2,max_2,cutoff_3,count_3,min_3,mean_3,max_3,p10,median,p90,rms,rms_n,message",
        "15/9-F-11 "
        "A,15_9-F-11_A,completed,1533,2850.125,3102.500,oil,3027.50,0.06,812,2901.2,3012.8,3160.1,0.08,0,,,,0.1,3,-12."
        "5,0.0,99.9,2950.12,3010.50,3101.00,0.01235,1200,",
        "Druck,Druck,stopped,9,2850.000,2858.000,gas,2960.00,0.1,,,,,0.12,,,,,0.14,,,,,,,,,0,\"Wassersättigung: PI > "
        "0.23*TEUFE, \"\"Abbruch\"\"\"",
        "fehlt,fehlt,unreadable,,,,,,,,,,,,,,,,,,,,,,,,,,\"Zeile 4, Spalte document: Das Dokument kann nicht geöffnet "
        "werden.\"",
        "wartet,,not_run,,,,,,,,,,,,,,,,,,,,,,,,,,",
    };
    std::istringstream csv(keldo::SummaryCsv(rows));
    std::string line;
    for (const char* expected : lines) {
        ASSERT_TRUE(std::getline(csv, line));
        EXPECT_EQ(line, expected);
    }
    EXPECT_FALSE(std::getline(csv, line));
}
