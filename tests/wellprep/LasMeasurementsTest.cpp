// The Phi-K pairs of a LAS file's permeability curve, read while the well is
// prepared from the same file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"
#include "WellPreparation.h"

// The permeability curve of a LAS file in its unit: the kept rows with a
// value become pairs in mD; a unit the program does not know is said.
TEST(LasMeasurements, LasPermeabilityIsTakenInMillidarcy)
{
    const struct {
        const char* unit;
        double factor;
        bool noted;
    } cases[] = {{"MD", 1, false}, {"D", 1000, false}, {"DARCY", 1000, false}, {"MDX", 1, true}};
    ScratchFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const std::string las = dir.file(std::string("k-") + c.unit + ".las");
        WriteBytes(las,
            "~V\n VERS. 2.0 :\n WRAP. NO :\n~W\n NULL. -999.25 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n PERM."
                + std::string(c.unit)
                + " :\n~A\n 2900.0 0.20 0.50 0.25\n 2901.0 0.22 0.40 -999.25\n 2902.0 0.18 0.60 0.01\n"
                  " 2903.0 -999.25 0.60 0.02\n");
        keldo::WellInputs inputs;
        inputs.document = GasExampleDocument();
        inputs.lasFile = las;
        const keldo::WellSettings settings;
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        const keldo::WellPreparation prepared
            = keldo::PrepareWell({.inputs = inputs, .settings = settings, .permeabilityPairs = true}, doc, box);
        ASSERT_TRUE(prepared.Prepared()) << prepared.wellData.Message();
        const keldo::LasPermeability& permeability = prepared.permeability;
        EXPECT_EQ(permeability.source, "LAS-Datei " + las + ", Kurve PERM (mD)");
        // The row without porosity is not kept, the one without K makes no pair.
        ASSERT_EQ(permeability.samples.size(), 2u);
        EXPECT_EQ(permeability.samples[0].depth, 2900.0);
        EXPECT_EQ(permeability.samples[0].porosity, 0.2f);
        EXPECT_EQ(permeability.samples[0].permeability, static_cast<float>(0.25 * c.factor));
        EXPECT_EQ(permeability.samples[1].depth, 2902.0);
        EXPECT_EQ(permeability.samples[1].permeability, static_cast<float>(0.01 * c.factor));
        const std::string note = std::string("Die Einheit \"") + c.unit
            + "\" der Permeabilitätskurve PERM ist unbekannt; die Werte werden als mD genommen.";
        EXPECT_EQ(std::find(box.shown.begin(), box.shown.end(), note) != box.shown.end(), c.noted);
    }
}
