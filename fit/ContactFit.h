#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Fitting the contact: the contact depth that makes the computed water
// saturation match the measured one best. The fit only sees a misfit
// function, so any computation of the saturations can stand behind it.
namespace keldo {

// RMS of (computed - measured) Sw over the n rows that count, for one contact.
struct ContactMisfit {
    double rms = 0;
    int n = 0;
};

using ContactMisfitFunction = std::function<ContactMisfit(float contact)>;

struct ContactScanPoint {
    float contact = 0;
    ContactMisfit misfit;
};

struct ContactFitResult {
    bool ok = false;
    std::string message;               // why there is no fit (German); empty when ok
    std::vector<std::string> warnings; // German, each beginning with "WARNUNG!!"
    float from = 0, to = 0;            // the range searched
    float contact = 0;                 // the fitted contact (m), on the 0.01 m grid
    double rms = 0;
    int n = 0;
    // Around the fitted contact, where the RMS stays within 5 % of its
    // minimum (to 0.01 m); an end that reaches the range's end is open.
    float bandFrom = 0, bandTo = 0;
    bool bandOpenAbove = false, bandOpenBelow = false;
    bool onEdge = false;                // the minimum lies at an end of the range
    std::vector<ContactScanPoint> scan; // every 1 m from `from`, and `to`
    int evaluations = 0;
};

// Scans [from, to] at 1 m steps (and `to` itself), refines the best step to
// the 0.01 m grid by a golden-section search within one step on either side,
// and finds the band by bisection on the same grid. A contact whose misfit
// has n = 0 or no finite RMS counts as having no value. Refuses from >= to,
// a range longer than 10000 m, no rows and a single row.
ContactFitResult FitContact(const ContactMisfitFunction& misfit, float from, float to);

// The default range: from the shallowest measurement line inside the depth
// window [minDepth, maxDepth] to 300 m below the deepest. None without a
// line inside the window.
struct ContactRange {
    float from = 0, to = 0;
};
std::optional<ContactRange> DefaultContactRange(const std::vector<std::string>& lines, float minDepth, float maxDepth);

} // namespace keldo
