#include <gtest/gtest.h>

#include "LasHeaderLine.h"

namespace {

struct HeaderLineCase {
    const char* line;
    const char* mnemonic;
    const char* unit;
    const char* value;
    const char* description;
};

// The grammar "MNEM.UNIT  VALUE : DESCRIPTION" on lines as real files write
// them; the first seven are lines of the Volve files (examples/volve/las).
const HeaderLineCase kHeaderLines[] = {
    {"STRT.M                    3351.600                    :START", "STRT", "M", "3351.600", "START"},
    {"NULL.                     -999.25                     :NULL VALUE", "NULL", "", "-999.25", "NULL VALUE"},
    {"FLD .         VOLVE                                   :Field", "FLD", "", "VOLVE", "Field"},
    {"PROV.                                                 :Province", "PROV", "", "", "Province"},
    {"DEPTH   .M            00 001 00 00:   0  Depth", "DEPTH", "M", "00 001 00 00", "0  Depth"},
    {"BVW     .v/v          00 000 00 00:   1  BVW:CPI:rC:NONE:v1", "BVW", "v/v", "00 000 00 00",
        "1  BVW:CPI:rC:NONE:v1"},
    {"LATI.         058 26' 29.960\" N    DMS                :Latitude", "LATI", "", "058 26' 29.960\" N    DMS",
        "Latitude"},
    // a time stays in the value; a colon after a digit but before a blank ends it
    {" DATE.    2024-03-05 13:45  :  LOG DATE", "DATE", "", "2024-03-05 13:45", "LOG DATE"},
    {"RUN .  12: first run", "RUN", "", "12", "first run"},
    {"RATIO.  1:2  : mixing ratio", "RATIO", "", "1:2", "mixing ratio"},
    // units with periods and colons run to the blank
    {"PHI.P.U.   0.25 : porosity", "PHI", "P.U.", "0.25", "porosity"},
    {"TIME.HH:MM   13:45 : start", "TIME", "HH:MM", "13:45", "start"},
    {"RHOB .G/C3  2.65 : matrix density: sandstone", "RHOB", "G/C3", "2.65", "matrix density: sandstone"},
    // tabs and leading blanks
    {" \tGR\t.GAPI\t45.5\t:\tGamma ray", "GR", "GAPI", "45.5", "Gamma ray"},
    // parts left out
    {"UWI.:UNIQUE WELL ID", "UWI", "", "", "UNIQUE WELL ID"},
    {"DEPT.M", "DEPT", "M", "", ""},
    {"DEPT.M  :", "DEPT", "M", "", ""},
    {".M   100 : no mnemonic", "", "M", "100", "no mnemonic"},
    {"SRVC", "SRVC", "", "", ""},
    // no period before the colon: no unit
    {"DATE  : 12.03.2001", "DATE", "", "", "12.03.2001"},
    // a value with a period and no unit
    {"WELL.  15/9-F-11 B  :Well", "WELL", "", "15/9-F-11 B", "Well"},
};

TEST(LasHeaderLine, ReadsEachPartAsRealFilesWriteThem)
{
    for (const auto& c : kHeaderLines) {
        SCOPED_TRACE(c.line);
        const keldo::LasHeaderItem item = keldo::ParseLasHeaderLine(c.line);
        EXPECT_EQ(item.mnemonic, c.mnemonic);
        EXPECT_EQ(item.unit, c.unit);
        EXPECT_EQ(item.value, c.value);
        EXPECT_EQ(item.description, c.description);
    }
}

struct OldStyleCase {
    const char* line;
    const char* value;
    const char* description;
};

// LAS 1.2 writes well items other than STRT, STOP, STEP and NULL value last.
const OldStyleCase kOldStyleItems[] = {
    {" COMP.             COMPANY:   OLD STYLE OIL COMPANY", "OLD STYLE OIL COMPANY", "COMPANY"},
    {" EDF .M  DERRICK FLOOR   :   30.5", "30.5", "DERRICK FLOOR"},
    {" STRT.M           1200.0000:", "1200.0000", ""},
    {" null.            -999.2500: null value", "-999.2500", "null value"},
    {" STEP.M              0.2500: step", "0.2500", "step"},
};

TEST(LasHeaderLine, OldStyleWellItemsAreSwappedBackExceptTheDepthRangeAndNull)
{
    for (const auto& c : kOldStyleItems) {
        SCOPED_TRACE(c.line);
        keldo::LasHeaderItem item = keldo::ParseLasHeaderLine(c.line);
        keldo::SwapOldStyleWellItem(item);
        EXPECT_EQ(item.value, c.value);
        EXPECT_EQ(item.description, c.description);
    }
}

} // namespace
