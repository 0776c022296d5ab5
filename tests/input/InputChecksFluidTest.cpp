// A fluid that is neither gas nor oil, as a damaged document file can carry
// it: the inputs must be refused, not computed as oil with an unchecked
// density.
#include <gtest/gtest.h>

#include "DefaultParameters.h"
#include "InputChecks.h"
#include "RecordingMessageBox.h"

namespace {

const char* const kChooseFluid
    = "ABBRUCH!!Bitte wählen Sie die Berechnung des Gas/Wasserkontaktes oder des Öl/Wasserkontaktes!";

} // namespace

TEST(CheckInputsFluid, NeitherGasNorOilIsRefused)
{
    for (int fluid : {-1, 2, 7, -2147483647 - 1}) {
        CKeldoInputs in;
        SetDefaultGasParameters(in);
        in.m_fKontakt = 1520.0f;
        in.m_nFluid = fluid; // a gas density of 0.6 would pass no oil check
        RecordingMessageBox box;
        EXPECT_EQ(keldo::CheckInputs(in, box), 1) << fluid;
        EXPECT_EQ(box.shown, std::vector<std::string>{kChooseFluid}) << fluid;
    }
}

TEST(CheckInputsFluid, GasAndOilStillPass)
{
    CKeldoInputs in;
    SetDefaultGasParameters(in);
    in.m_fKontakt = 1520.0f;
    RecordingMessageBox box;
    EXPECT_EQ(keldo::CheckInputs(in, box), 0);
    in.m_nFluid = 1;
    in.m_fDichteKW = 700.0f;
    EXPECT_EQ(keldo::CheckInputs(in, box), 0);
    EXPECT_TRUE(box.shown.empty());
}
