#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "FreeWaterLevel.h"
#include "GeneratedPressures.h"
#include "LocaleGuard.h"
#include "PressureReport.h"

namespace {

CKeldoInputs Document(int fluid, float hcDensity, float temperature, float pressure)
{
    CKeldoInputs in;
    in.m_nFluid = fluid;
    in.m_fDichteKW = hcDensity;
    in.m_fTemperatur = temperature;
    in.m_fInitialdruck = pressure;
    in.m_fWasserdichte = 1030;
    return in;
}

} // namespace

TEST(PressureReport, ShowsTheLegsBesideTheDocumentsDensitiesAndTheLevel)
{
    GermanLocale german; // numbers keep their decimal point
    // The generated well: water 1020 kg/m3 from 2905 m, the hydrocarbon
    // from 2894 m up, meeting at 2900 m and 290 bar, no noise; so
    // p0 = 290 - 2900·g and the gradients are the densities' ·9.81/10^5.
    PressureWell oil;
    oil.hc = keldo::PressureFluid::Oil;
    oil.hcDensity = 780;
    PressureWell unnamed;
    unnamed.named = false;
    PressureWell five = unnamed;
    five.hcPoints = 3, five.waterPoints = 2;

    const std::string water[] = {
        "  Wassergradient: 8 Punkte von 2905.00 bis 2933.00 m",
        "  Gradient                       (bar/m):   0.10006 ± 0.00000",
        "  Druck in Teufe 0                 (bar):     -0.18 ± 0.00",
        "  RMS der Punkte                   (bar):     0.000",
        "  Dichte aus dem Gradienten      (kg/m3):    1020.0 ± 0.0",
        "  Dichte im Dokument             (kg/m3):    1030.0",
    };
    const std::string level[] = {
        "  Freies Wasserniveau                (m):   2900.00",
        "  Standardabweichung                 (m):      0.00",
        "  P90 (flacher)                      (m):   2900.00",
        "  P10 (tiefer)                       (m):   2900.00",
    };
    auto join = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all{"", "  FREIES WASSERNIVEAU AUS FORMATIONSDRÜCKEN", "  Druckdatei: druck.csv"};
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };

    struct Case {
        const char* what;
        PressureWell well;
        CKeldoInputs document;
        int leftOutRows;
        std::optional<float> logContact;
        std::vector<std::string> lines;
    } cases[] = {
        {"oil named, a point left out, the contact of the log fit", oil, Document(1, 800, 90, 300), 1, 2895.5f,
            join({{"  Druckpunkte                        (-):        14",
                      "  Ausgelassene Punkte (use = 0)      (-):         1"},
                {std::begin(water), std::end(water)},
                {"  Ölgradient: 6 Punkte von 2874.00 bis 2894.00 m",
                    "  Gradient                       (bar/m):   0.07652 ± 0.00000",
                    "  Druck in Teufe 0                 (bar):     68.10 ± 0.00",
                    "  RMS der Punkte                   (bar):     0.000",
                    "  Dichte aus dem Gradienten      (kg/m3):     780.0 ± 0.0",
                    "  Dichte im Dokument             (kg/m3):     800.0"},
                {std::begin(level), std::end(level)},
                {"  Öl-Wasser-Kontakt aus den Logs     (m):   2895.50",
                    "  Freies Wasserniveau - Kontakt      (m):      4.50"}})},
        // The gas density of the report header for γ = 0.6, 100 °C and
        // 200 bar is 117.3 kg/m3 (the worked example of the gas density).
        {"no fluid names, a gas document", unnamed, Document(0, 0.6f, 100, 200), 0, std::nullopt,
            join({{"  Druckpunkte                        (-):        14",
                      "  Ohne Spalte fluid wurden die Druckpunkte automatisch getrennt (kleinste Summe der "
                      "Abweichungsquadrate): 6 flachere Kohlenwasserstoffpunkte, 8 tiefere Wasserpunkte."},
                {std::begin(water), std::end(water)},
                {"  Kohlenwasserstoffgradient: 6 Punkte von 2874.00 bis 2894.00 m",
                    "  Gradient                       (bar/m):   0.01962 ± 0.00000",
                    "  Druck in Teufe 0                 (bar):    233.10 ± 0.00",
                    "  RMS der Punkte                   (bar):     0.000",
                    "  Dichte aus dem Gradienten      (kg/m3):     200.0 ± 0.0",
                    "  Dichte im Dokument             (kg/m3):     117.3"},
                {std::begin(level), std::end(level)}})},
        {"refused", five, Document(0, 0.6f, 100, 200), 0, 2895.5f,
            join({{"  Druckpunkte                        (-):         5",
                "  ABBRUCH!!Ohne Spalte fluid werden die Druckpunkte in einen flacheren Kohlenwasserstoff- und einen "
                "tieferen Wassergradienten getrennt, jeder mit mindestens 3 Punkten in verschiedenen Teufen; die 5 "
                "Punkte reichen dafür nicht."}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::PressureTable table;
        table.points = Generate(c.well);
        table.leftOutRows = c.leftOutRows;
        const keldo::FreeWaterLevel fwl = keldo::FitFreeWaterLevel(table.points, c.document.m_nFluid);
        EXPECT_EQ(keldo::PressureReport(fwl, table, "druck.csv", c.document, c.logContact), c.lines);
    }
}
