#include "WellRun.h"

#include <chrono>
#include <exception>
#include <sstream>

#include "BatchRun.h"
#include "FieldFile.h"
#include "FieldStatistics.h"
#include "InputChecks.h"
#include "MessageLog.h"
#include "SaturationMisfit.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// A message as one line of text: line breaks and tabs become blanks, runs
// of blanks one, none at the ends.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (char c : text) {
        const char d = (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
        if (d == ' ' && (line.empty() || line.back() == ' '))
            continue;
        line += d;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// texts[from] to texts[to - 1], each as one line, between `separator`s.
std::string Joined(const std::vector<std::string>& texts, size_t from, size_t to, const char* separator)
{
    std::string joined;
    for (size_t i = from; i < to && i < texts.size(); ++i) {
        const std::string line = OneLine(texts[i]);
        if (line.empty())
            continue;
        if (!joined.empty())
            joined += separator;
        joined += line;
    }
    return joined;
}

BatchOptions OptionsOf(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings)
{
    BatchOptions options;
    options.modus = 0;
    options.cutoff = well.cutoff.value_or(settings.cutoff);
    if (!well.document.empty()) {
        options.document = well.document;
        return options;
    }
    options.document = model ? model->path : std::string();
    options.lasFile = well.las;
    options.surveyFile = well.survey;
    options.elevation = well.elevation;
    options.depthCurve = well.depthCurve;
    options.porosityCurve = well.porosityCurve;
    options.swCurve = well.swCurve;
    return options;
}

// The column a failed preparation is to blame on: the file that could not
// be read, the curve that is missing, the cut-off the checks refused, else
// the row's document or LAS file.
FieldColumn ColumnOfFailure(const FieldWell& well, const std::string& fileMessage, bool cutoffRefused)
{
    if (cutoffRefused)
        return FieldColumn::Cutoff;
    if (!well.document.empty())
        return FieldColumn::Document;
    if (fileMessage.rfind("ABBRUCH!!Bohrpfaddatei", 0) == 0)
        return FieldColumn::Survey;
    const struct {
        const char* role;
        FieldColumn column;
    } roles[] = {{"Teufe", FieldColumn::DepthCurve}, {"Porosität", FieldColumn::PorosityCurve},
        {"Wassersättigung", FieldColumn::SwCurve}};
    for (const auto& r : roles) {
        const std::string role = r.role;
        if (fileMessage.find("(" + role + ")") != std::string::npos
            || fileMessage.find("als " + role + " zu erkennen") != std::string::npos)
            return r.column;
    }
    return FieldColumn::Las;
}

// The well cannot be computed: the message names line and column and ends
// the well's messages.
void Fail(WellOutcome& out, const FieldWell& well, FieldColumn column, const std::string& text)
{
    out.summary.status = WellStatus::Unreadable;
    out.summary.message = OneLine(FieldRowMessage(well.line, FieldColumnName(column), text));
    out.messages.push_back(out.summary.message);
}

// Measurement lines inside the depth window with three numbers.
int MeasurementsInWindow(const CKeldoDoc& doc)
{
    int count = 0;
    for (const std::string& line : doc.m_Messwerte) {
        float v[3];
        if (ScanFloats(line, v, 3) == 3 && v[0] >= doc.m_fMinTeufe && v[0] <= doc.m_fMaxTeufe)
            ++count;
    }
    return count;
}

// Computes the prepared document in `modus` as keldo-batch does; true when
// the run completed.
bool RunMode(CKeldoDoc& doc, int modus)
{
    doc.m_nModus = modus;
    doc.m_bGeaendert = 1;
    doc.Compute();
    return doc.LastRunCompleted();
}

void TakeContactStatistics(const CKeldoDoc& doc, WellSummary& summary)
{
    summary.contacts = true;
    const double c = doc.m_fCutoff;
    for (size_t k = 0; k < 3; ++k) {
        const CKeldoDoc::Kontaktklasse& klasse = doc.m_KontaktKlassen[k];
        // The bounds as the statistics forms them: c + 0.02 in double.
        summary.classes[k]
            = {c + 0.02 * static_cast<double>(k), klasse.nAnzahl, klasse.fMin, klasse.Mittel(), klasse.fMax};
    }
    const ContactQuantiles q = QuantilesOf(doc.m_KontakteKlasse1);
    summary.p10 = q.p10;
    summary.median = q.median;
    summary.p90 = q.p90;
}

// The well's document, prepared as keldo-batch prepares it, with the row's
// contact. False after Fail.
bool PrepareWell(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings, CKeldoDoc& doc,
    MessageLog& log, WellOutcome& out)
{
    const BatchOptions options = OptionsOf(well, model, settings);
    std::ostringstream fileMessages;
    int status = kBatchCompleted;
    if (!well.document.empty()) {
        status = PrepareBatchDocument(options, doc, log, fileMessages);
    } else if (!model) {
        Fail(out, well, FieldColumn::Las, "Für eine LAS-Datei fehlt das Modelldokument (Vorlage).");
        return false;
    } else if (std::string error; !ApplyTemplate(*model, doc, error)) {
        Fail(out, well, FieldColumn::Las, error);
        return false;
    } else {
        status = PrepareLoadedBatchDocument(options, doc, log, fileMessages);
    }
    out.messages = log.Texts();
    if (status != kBatchCompleted) {
        const std::string fileMessage = fileMessages.str();
        // The checks reset a cut-off they refuse; a file error comes before them.
        const bool cutoffRefused = fileMessage.empty() && well.cutoff && doc.m_fCutoff != *well.cutoff;
        Fail(out, well, ColumnOfFailure(well, fileMessage, cutoffRefused),
            fileMessage.empty() && !log.Texts().empty() ? log.Texts().back() : fileMessage);
        return false;
    }
    if (well.contact) {
        // The row's contact passes the dialog's checks as the document's did.
        doc.m_fKontakt = *well.contact;
        MessageLog refusal;
        if (CheckInputs(doc, refusal) != 0) {
            Fail(out, well, FieldColumn::Contact, refusal.Texts().back());
            return false;
        }
    }
    return true;
}

void Compute(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings, WellOutcome& out)
{
    WellSummary& summary = out.summary;
    if (!well.errors.empty()) {
        summary.status = WellStatus::Unreadable;
        summary.message = Joined(well.errors, 0, well.errors.size(), " | ");
        out.messages = well.errors;
        return;
    }
    MessageLog log;
    CKeldoDoc doc(log);
    if (!PrepareWell(well, model, settings, doc, log, out))
        return;

    summary.prepared = true;
    summary.measurements = MeasurementsInWindow(doc);
    summary.minDepth = doc.m_fMinTeufe;
    summary.maxDepth = doc.m_fMaxTeufe;
    summary.fluid = doc.m_nFluid;
    summary.contact = doc.m_fKontakt;

    const size_t beforeSaturation = log.Texts().size();
    const bool saturationDone = RunMode(doc, 0);
    out.saturationReport = std::move(doc.m_Ergebnisse);
    if (settings.keepGraphs) {
        out.graphs = std::make_unique<WellGraphs>();
        CopyGraph(doc, out.graphs->saturation);
    }
    const Misfit misfit = SaturationMisfit(PrepareSaturationRows(doc, doc.m_Messwerte), doc.m_fKontakt);
    summary.rms = misfit.rms;
    summary.rmsRows = misfit.n;

    const size_t beforeContact = log.Texts().size();
    const bool contactDone = RunMode(doc, 1);
    out.contactReport = std::move(doc.m_Ergebnisse);
    if (out.graphs)
        CopyGraph(doc, out.graphs->contact);
    if (contactDone)
        TakeContactStatistics(doc, summary);

    out.messages = log.Texts();
    if (saturationDone && contactDone) {
        summary.status = WellStatus::Completed;
        return;
    }
    // The messages of the run that stopped say why.
    summary.status = WellStatus::Stopped;
    if (!saturationDone)
        summary.message = "Wassersättigung: " + Joined(log.Texts(), beforeSaturation, beforeContact, " / ");
    if (!contactDone) {
        summary.message += summary.message.empty() ? "Kontakt: " : " | Kontakt: ";
        summary.message += Joined(log.Texts(), beforeContact, log.Texts().size(), " / ");
    }
}

} // namespace

WellOutcome RunWell(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings)
{
    const auto start = std::chrono::steady_clock::now();
    WellOutcome out;
    out.summary.well = well.name;
    try {
        Compute(well, model, settings, out);
    } catch (const std::exception& e) {
        // Out of memory, for instance: this well is lost, the others go on.
        out = WellOutcome();
        out.summary.well = well.name;
        out.summary.status = WellStatus::Unreadable;
        out.summary.message = std::string("Die Bohrung kann nicht gerechnet werden: ") + e.what();
    }
    out.summary.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return out;
}

WellOutcome NotRunOutcome(const FieldWell& well)
{
    WellOutcome out;
    out.summary.well = well.name;
    out.summary.status = WellStatus::NotRun;
    out.summary.message = "nicht gerechnet (abgebrochen)";
    return out;
}

} // namespace keldo
