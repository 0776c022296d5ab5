#pragma once
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "NetPay.h"
#include "ZoneResults.h"

// One row of the field summary: what a well's two runs give.
namespace keldo {

enum class WellStatus {
    Completed,  // both runs ran to their end
    Stopped,    // a run stopped early; its report ends where it stopped
    Unreadable, // the row, a file of it or its inputs could not be used; nothing computed
    NotRun,     // the study was called off before the well's turn
    NotWritten, // computed, but its files could not all be written
};

// "completed", "stopped", "unreadable", "not_run", "not_written": the
// summary's status.
const char* StatusKey(WellStatus status);
// The status in German, for progress lines and the program.
const char* StatusText(WellStatus status);

// One porosity class of the contact statistics, as the contact report
// prints it.
struct ContactClass {
    double cutoff = 0; // the class's lower porosity bound (fraction)
    int count = 0;
    float min = 0, mean = 0, max = 0; // m; no values when count is 0
};

struct WellSummary {
    std::string well;
    std::string folder; // where the well's outputs go, inside the output folder
    WellStatus status = WellStatus::NotRun;
    std::string message; // one line: why the well stopped or was not read

    // The numbers below hold once the document was prepared (Completed or
    // Stopped).
    bool prepared = false;
    int measurements = 0; // measurement lines inside the depth window
    float minDepth = 0, maxDepth = 0;
    bool belowSeaLevel = false; // the depths are TVDSS (a LAS import with an elevation or a TVDSS curve)
    int fluid = 0;         // 0 gas, 1 oil
    float contact = 0;     // the assumed contact of the well's document (m)
    bool contacts = false; // the contact statistics ran: classes and quantiles hold
    std::array<ContactClass, 3> classes{};
    // Of the per-measurement contacts of the first class (m); NaN without any.
    double p10 = std::numeric_limits<double>::quiet_NaN();
    double median = std::numeric_limits<double>::quiet_NaN();
    double p90 = std::numeric_limits<double>::quiet_NaN();
    // RMS of computed − measured Sw for the assumed contact; NaN without rows.
    double rms = std::numeric_limits<double>::quiet_NaN();
    int rmsRows = 0;

    // Net pay of the well's depth window (once prepared), and of each zone
    // between its formation tops when the study has a tops file, from the
    // shallowest zone down; netpay.csv, zones.csv and the window's table.
    NetPay netPay;
    NetPayCutoffs netPayCutoffs;
    bool shaleCurve = false;
    std::vector<ZoneResult> zones;

    // The row's pressure file: the free-water level it gives (m, as the
    // block prints it and a document's contact would take it), for the field
    // chart; nothing without a pressure file or where it gives no level.
    // `pressureFailed`: the row names a pressure file that gave no level
    // (the well's messages say why); the well's other results stand.
    std::optional<float> freeWaterLevel;
    bool pressureFailed = false;

    double seconds = 0; // wall time of the well; for progress lines only
};

} // namespace keldo
