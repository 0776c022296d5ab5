#pragma once
#include <optional>
#include <string>

// What a well is made of before it is prepared: its files and the choices
// made on them, as keldo-batch's command line and a row of a field study
// give them; and the settings the user would make in the input dialog.
namespace keldo {

struct WellInputs {
    // The well's document (.kld); beside a LAS file the document that lends
    // the model. Empty: the model comes from elsewhere (a study's template).
    std::string document;
    // Measurement lines that replace the document's, with their depth order.
    std::string measurementsFile; // empty: the document's own lines
    bool descending = true;
    // A LAS file instead of the document's measurements. Empty curve names:
    // the index curve and the suggestions.
    std::string lasFile;
    std::string depthCurve;
    std::string porosityCurve;
    std::string swCurve;
    std::string surveyFile;                // empty: none
    std::optional<double> elevation = 0.0; // m; nothing: from the LAS header ("auto")
    std::string permeabilityCurve;         // of the Phi-K pairs; empty: the suggestion
    // The shale volume of net reservoir rock; empty: the suggestion, none
    // where nothing is suggested (the curve is optional).
    std::string shaleCurve;
};

// The settings that the user would make in the input dialog before OK.
struct WellSettings {
    int modus = 0; // 0 water saturation, 1 contact
    // The depth window; nothing: the depths of the first and the last
    // measurement line, as the dialog shows them.
    std::optional<float> minTeufe;
    std::optional<float> maxTeufe;
    float cutoff = 0.06f;
    bool detail = false;
    bool warnungen = false;
    bool druckabhaengig = true;
};

} // namespace keldo
