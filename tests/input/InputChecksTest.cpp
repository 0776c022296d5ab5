#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "DefaultParameters.h"
#include "InputChecks.h"
#include "InputFields.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"

namespace {

CKeldoInputs ValidGas()
{
    CKeldoInputs in;
    SetDefaultGasParameters(in);
    in.m_fKontakt = 1520.0f;
    return in;
}

CKeldoInputs ValidOil()
{
    CKeldoInputs in = ValidGas();
    in.m_nFluid = 1;
    in.m_fDichteKW = 700.0f;
    in.m_fKontaktwinkel = 30.0f;
    return in;
}

struct Case {
    const char* what;
    std::function<void(CKeldoInputs&)> change;
    const char* message; // nullptr: accepted without a message
};

void ExpectRefused(CKeldoInputs in, const Case& c)
{
    RecordingMessageBox box;
    c.change(in);
    EXPECT_EQ(keldo::CheckInputs(in, box), 1) << c.what;
    ASSERT_EQ(box.shown.size(), 1u) << c.what;
    EXPECT_EQ(box.shown[0], c.message) << c.what;
}

void ExpectAccepted(CKeldoInputs in, const Case& c)
{
    RecordingMessageBox box;
    c.change(in);
    EXPECT_EQ(keldo::CheckInputs(in, box), 0) << c.what;
    EXPECT_TRUE(box.shown.empty()) << c.what << ": " << (box.shown.empty() ? "" : box.shown[0]);
}

} // namespace

TEST(CheckInputs, ValidSetsPassSilently)
{
    RecordingMessageBox box;
    CKeldoInputs gas = ValidGas();
    EXPECT_EQ(keldo::CheckInputs(gas, box), 0);
    CKeldoInputs oil = ValidOil();
    EXPECT_EQ(keldo::CheckInputs(oil, box), 0);
    EXPECT_TRUE(box.shown.empty());
}

TEST(CheckInputs, EachRefusalWithItsMessage)
{
    const Case cases[] = {
        {"pressure 1", [](auto& in) { in.m_fInitialdruck = 1.0f; }, "ABBRUCH!!Der Initialdruck muß größer 1 sein!"},
        {"contact 0", [](auto& in) { in.m_fKontakt = 0.0f; },
            "ABBRUCH!!Der angenommene Gas-Wasser-Kontakt muß größer Null sein!"},
        {"pcsperr1 0", [](auto& in) { in.m_fPcsperr1 = 0.0f; },
            "ABBRUCH!!Die kapillaren Sperrdrücke Pcsperr müssen abfallen!"},
        {"swmin1 0", [](auto& in) { in.m_fSwmin1 = 0.0f; }, "ABBRUCH!!Die Haftwassersättigung Swmin muß abfallen!"},
        {"water 949.9", [](auto& in) { in.m_fWasserdichte = 949.9f; },
            "ABBRUCH!!Die Wasserdichte liegt nicht im Bereich 950 - 1250!"},
        {"water 1250.1", [](auto& in) { in.m_fWasserdichte = 1250.1f; },
            "ABBRUCH!!Die Wasserdichte liegt nicht im Bereich 950 - 1250!"},
        {"gas 0.97", [](auto& in) { in.m_fDichteKW = 0.97f; },
            "ABBRUCH!!Die relative Gasdichte liegt nicht im zulässigen Bereich 0.55 - 0.97!"},
        {"gas 0.5", [](auto& in) { in.m_fDichteKW = 0.5f; },
            "ABBRUCH!!Die relative Gasdichte liegt nicht im zulässigen Bereich 0.55 - 0.97!"},
        {"angle -1", [](auto& in) { in.m_fKontaktwinkel = -1.0f; },
            "Der Kontaktwinkel Öl/Wasser liegt nicht im  zuläässigen Bereich 0° - 90°!"},
        {"angle 90.1", [](auto& in) { in.m_fKontaktwinkel = 90.1f; },
            "Der Kontaktwinkel Öl/Wasser liegt nicht im  zuläässigen Bereich 0° - 90°!"},
        {"pcmax 10", [](auto& in) { in.m_fPcMax = 10.0f; }, "ABBRUCH!!Des Max.Kapillardruck ist zu niedrig!"},
        {"beta 0/0", [](auto& in) { in.m_fBeta0 = 0.0f, in.m_fBeta1 = 0.0f; },
            "ABBRUCH!!Die Parameter für die Beta-Funktion fehlen!"},
    };
    for (const Case& c : cases)
        ExpectRefused(ValidGas(), c);

    const Case oil[] = {
        {"oil 599", [](auto& in) { in.m_fDichteKW = 599.0f; },
            "ABBRUCH!!Die Öldichte liegt nicht im zulässigen Bereich 600 - 1100!"},
        {"oil 1101", [](auto& in) { in.m_fDichteKW = 1101.0f; },
            "ABBRUCH!!Die Öldichte liegt nicht im zulässigen Bereich 600 - 1100!"},
        {"oil contact 0", [](auto& in) { in.m_fKontakt = 0.0f; },
            "ABBRUCH!!Der angenommene Gas-Wasser-Kontakt muß größer Null sein!"},
    };
    for (const Case& c : oil)
        ExpectRefused(ValidOil(), c);
}

TEST(CheckInputs, BoundsThatPass)
{
    const Case gas[] = {
        {"cut-off 0.39", [](auto& in) { in.m_fCutoff = 0.39f; }, nullptr},
        {"gas 0.55", [](auto& in) { in.m_fDichteKW = 0.55f; }, nullptr},
        {"water 950", [](auto& in) { in.m_fWasserdichte = 950.0f; }, nullptr},
        {"water 1250", [](auto& in) { in.m_fWasserdichte = 1250.0f; }, nullptr},
        {"angle 0", [](auto& in) { in.m_fKontaktwinkel = 0.0f; }, nullptr},
        {"angle 90", [](auto& in) { in.m_fKontaktwinkel = 90.0f; }, nullptr},
        {"negative slopes", [](auto& in) { in.m_fPcsperr1 = -1e-6f, in.m_fSwmin1 = -1e-6f; }, nullptr},
        {"beta0 0 beta1 -0.5", [](auto& in) { in.m_fBeta0 = 0.0f, in.m_fBeta1 = -0.5f; }, nullptr},
        // an oil density is not checked as a gas density while oil is chosen
        // and vice versa
        {"pressure just above 1", [](auto& in) { in.m_fInitialdruck = 1.0001f; }, nullptr},
    };
    for (const Case& c : gas)
        ExpectAccepted(ValidGas(), c);
    const Case oil[] = {
        {"oil 600", [](auto& in) { in.m_fDichteKW = 600.0f; }, nullptr},
        {"oil 1100", [](auto& in) { in.m_fDichteKW = 1100.0f; }, nullptr},
    };
    for (const Case& c : oil)
        ExpectAccepted(ValidOil(), c);
}

TEST(CheckInputs, CutoffOutOfRangeIsResetTo006)
{
    for (float cutoff : {0.4f, 0.0f, -0.1f, 0.5f}) {
        RecordingMessageBox box;
        CKeldoInputs in = ValidGas();
        in.m_fCutoff = cutoff;
        in.m_fInitialdruck = 0; // would be refused next: the cut-off comes first
        EXPECT_EQ(keldo::CheckInputs(in, box), 1) << cutoff;
        EXPECT_EQ(in.m_fCutoff, 0.06f) << cutoff;
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0],
            cutoff > 0 ? "Der Porositäts-Cutoff muss kleiner 0.4 sein!"
                       : "Der Porositäts-Cutoff muss grösser Null sein!");
    }
}

TEST(CheckInputs, RulesRunInTheirOrder)
{
    // Everything wrong at once: only the first rule speaks.
    RecordingMessageBox box;
    CKeldoInputs in;
    in.m_fCutoff = 0.1f;
    EXPECT_EQ(keldo::CheckInputs(in, box), 1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0], "ABBRUCH!!Der Initialdruck muß größer 1 sein!");

    // Water density before the gas density, the angle before the oil density.
    CKeldoInputs oil = ValidOil();
    oil.m_fKontaktwinkel = 91.0f;
    oil.m_fDichteKW = 5.0f;
    box.shown.clear();
    EXPECT_EQ(keldo::CheckInputs(oil, box), 1);
    EXPECT_EQ(box.shown.at(0), "Der Kontaktwinkel Öl/Wasser liegt nicht im  zuläässigen Bereich 0° - 90°!");
}

TEST(CheckInputs, WarningsGoOnToTheLastRule)
{
    RecordingMessageBox box;
    CKeldoInputs in = ValidGas();
    in.m_fPhiK0 = in.m_fPhiK1 = in.m_fPhiK2 = 0.0f;
    in.m_fAlfa0 = in.m_fAlfa1 = in.m_fAlfa2 = in.m_fAlfa3 = 0.0f;
    EXPECT_EQ(keldo::CheckInputs(in, box), 0);
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0],
        "WARNUNG!!Die Phi-K-Realation fehlt!\nFür die Normierungsparameter wird die "
        "Permeabilität K\nmit der Porosität Phi gleichgesetzt,d.h. K = Phi");
    EXPECT_EQ(box.shown[1],
        "WARNUNG!!Die Parameter für die Alfa-Funktion fehlen!\nEs wird mit folgender "
        "Defaultbeziehung gerechnet:\nalfa=1.2*pow(K,0.28) + 7.2*pow(K,0.12)");

    // After the warnings a missing beta still refuses.
    box.shown.clear();
    in.m_fBeta0 = in.m_fBeta1 = 0.0f;
    EXPECT_EQ(keldo::CheckInputs(in, box), 1);
    ASSERT_EQ(box.shown.size(), 3u);
    EXPECT_EQ(box.shown[2], "ABBRUCH!!Die Parameter für die Beta-Funktion fehlen!");
}

TEST(CheckInputs, NonFiniteValuesAreRefusedByName)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    int count = 0;
    const keldo::NumberField* fields = keldo::NumberFields(count);
    ASSERT_EQ(count, 23);
    for (int i = 0; i < count; ++i) {
        for (float bad : {nan, inf, -inf}) {
            RecordingMessageBox box;
            CKeldoInputs in = ValidGas();
            in.*fields[i].member = bad;
            EXPECT_EQ(keldo::CheckInputs(in, box), 1) << fields[i].name;
            ASSERT_EQ(box.shown.size(), 1u) << fields[i].name;
            EXPECT_EQ(box.shown[0], std::string("Das Feld \"") + fields[i].name + "\" enthält keine gültige Zahl!");
            EXPECT_FALSE(std::isfinite(in.*fields[i].member)) << "no value is invented";
        }
    }
    // The density field is named by the label of the chosen fluid.
    RecordingMessageBox box;
    CKeldoInputs oil = ValidOil();
    oil.m_fDichteKW = nan;
    EXPECT_EQ(keldo::CheckInputs(oil, box), 1);
    EXPECT_EQ(box.shown.at(0), "Das Feld \"Öldichte (kg/m3)\" enthält keine gültige Zahl!");
}

TEST(ParseFieldNumber, OneFiniteDecimalNumberOnly)
{
    GermanLocale german; // a decimal point whatever the locale
    float v = -1;
    EXPECT_TRUE(keldo::ParseFieldNumber("0.39", v));
    EXPECT_EQ(v, 0.39f);
    EXPECT_TRUE(keldo::ParseFieldNumber("  -1.5e2\t", v));
    EXPECT_EQ(v, -150.0f);
    EXPECT_TRUE(keldo::ParseFieldNumber("+7.", v));
    EXPECT_EQ(v, 7.0f);
    EXPECT_TRUE(keldo::ParseFieldNumber(".5", v));
    EXPECT_EQ(v, 0.5f);

    v = 42;
    for (const char* bad : {"", "   ", "abc", "nan", "NaN", "inf", "-infinity", "0x10", "1,5", "1.5abc", "1e", "1e+",
             "1 2", "--1", ".", "e5", "1e39", "-1e39"}) {
        EXPECT_FALSE(keldo::ParseFieldNumber(bad, v)) << bad;
        EXPECT_EQ(v, 42.0f) << bad;
    }
}

// The refusal says which check refused, and its message is the one the check
// showed: a caller acts on the check (the cut-off, the contact) and words the
// message from it.
TEST(CheckInputFields, NameTheRefusedInput)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* what;
        std::function<void(CKeldoInputs&)> change;
        keldo::InputCheck check;
        float CKeldoInputs::*field; // NotANumber: the field named
    } rows[] = {
        {"valid oil", [](auto&) {}, keldo::InputCheck::Accepted, nullptr},
        {"contact not a number", [&](auto& in) { in.m_fKontakt = nan; }, keldo::InputCheck::NotANumber,
            &CKeldoInputs::m_fKontakt},
        {"density not a number", [&](auto& in) { in.m_fDichteKW = nan; }, keldo::InputCheck::NotANumber,
            &CKeldoInputs::m_fDichteKW},
        {"fluid 2", [](auto& in) { in.m_nFluid = 2; }, keldo::InputCheck::NoFluid, nullptr},
        {"cut-off 0", [](auto& in) { in.m_fCutoff = 0.0f; }, keldo::InputCheck::CutoffNotPositive, nullptr},
        {"cut-off 0.5", [](auto& in) { in.m_fCutoff = 0.5f; }, keldo::InputCheck::CutoffTooLarge, nullptr},
        {"pressure 1", [](auto& in) { in.m_fInitialdruck = 1.0f; }, keldo::InputCheck::InitialPressure, nullptr},
        {"contact -5", [](auto& in) { in.m_fKontakt = -5.0f; }, keldo::InputCheck::Contact, nullptr},
        {"pcsperr1 0", [](auto& in) { in.m_fPcsperr1 = 0.0f; }, keldo::InputCheck::Pcsperr, nullptr},
        {"swmin1 0", [](auto& in) { in.m_fSwmin1 = 0.0f; }, keldo::InputCheck::Swmin, nullptr},
        {"water 900", [](auto& in) { in.m_fWasserdichte = 900.0f; }, keldo::InputCheck::WaterDensity, nullptr},
        {"gas density 0.5", [](auto& in) { in.m_nFluid = 0, in.m_fDichteKW = 0.5f; }, keldo::InputCheck::GasDensity,
            nullptr},
        {"angle 91", [](auto& in) { in.m_fKontaktwinkel = 91.0f; }, keldo::InputCheck::ContactAngle, nullptr},
        {"oil density 599", [](auto& in) { in.m_fDichteKW = 599.0f; }, keldo::InputCheck::OilDensity, nullptr},
        {"pcmax 10", [](auto& in) { in.m_fPcMax = 10.0f; }, keldo::InputCheck::PcMax, nullptr},
        {"beta 0/0 after the warnings", [](auto& in) { in.m_fBeta0 = in.m_fBeta1 = in.m_fPhiK0 = 0.0f; },
            keldo::InputCheck::BetaMissing, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CKeldoInputs in = ValidOil();
        row.change(in);
        CKeldoInputs again = in;
        const float cutoff = in.m_fCutoff;
        RecordingMessageBox box, boxAgain;
        const keldo::InputRefusal refusal = keldo::CheckInputFields(in, box);
        EXPECT_EQ(refusal.check, row.check);
        EXPECT_EQ(refusal.field ? refusal.field->member : nullptr, row.field);
        EXPECT_EQ(keldo::CheckInputs(again, boxAgain), refusal.Refused() ? 1 : 0);
        EXPECT_EQ(box.shown, boxAgain.shown);
        if (refusal.Refused()) {
            ASSERT_FALSE(box.shown.empty());
            EXPECT_EQ(box.shown.back(), keldo::RefusalMessage(refusal));
        } else {
            EXPECT_EQ(keldo::RefusalMessage(refusal), "");
        }
        EXPECT_EQ(in.m_fCutoff, refusal.OfCutoff() ? 0.06f : cutoff);
    }
}
