#include "WellRun.h"

#include <chrono>
#include <exception>

#include "FieldFile.h"
#include "ContactQuantiles.h"
#include "InputChecks.h"
#include "MeasurementLine.h"
#include "MessageLog.h"
#include "OutOfMemory.h"
#include "PressureMessages.h"
#include "SaturationMisfit.h"

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
        MeasurementValues v;
        if (ReadMeasurementLine(line, v) && v.tvd >= doc.m_fMinTeufe && v.tvd <= doc.m_fMaxTeufe)
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

WellDepthFrame DepthFrame(const WellPreparation& preparation)
{
    WellDepthFrame frame;
    if (const auto& las = preparation.lasDepth) {
        frame.measuredDepthIndex = las->measuredDepthIndex;
        frame.survey = las->survey ? &*las->survey : nullptr;
        frame.elevation = las->elevation;
    }
    return frame;
}

// The curves of the window, its net pay and the zones of the well's tops,
// computed on the prepared document in its window with the document's
// contact; `known` are model saturations the summary has computed already.
// Returns the messages of the tops skipped.
std::vector<std::string> TakeCurves(const FieldWell& well, const FieldSettings& settings, const CKeldoDoc& doc,
    const WellPreparation& preparation, const std::vector<KnownSaturation>& known, WellOutcome& out)
{
    const std::vector<double>* shale = preparation.shale ? &preparation.shale->values : nullptr;
    CurveRequest request{doc, doc.m_Messwerte, shale, settings.shaleCutoff, settings.swCutoff};
    request.known = known;
    out.curves = std::make_unique<MeasurementCurves>(ComputeCurves(request));
    out.depth = well.inputs.lasFile.empty() ? DepthReference::Tvd : DepthReference::Tvdss;
    WellSummary& summary = out.summary;
    summary.netPay = ComputeNetPay(out.curves->rows);
    summary.netPayCutoffs = out.curves->cutoffs;
    summary.shaleCurve = out.curves->shaleCurve;
    std::vector<std::string> messages;
    if (!settings.tops)
        return messages;
    const WellZones zones = ZonesOfWell(TopsOfWell(*settings.tops, well.name), doc.m_Messwerte, DepthFrame(preparation));
    for (const SkippedTop& skipped : zones.skipped)
        messages.push_back(SkippedTopMessage(well.name, skipped));
    const std::vector<KnownSaturation> window = KnownSaturations(*out.curves);
    request.known = window;
    for (const Zone& zone : zones.zones)
        summary.zones.push_back(ComputeZone(zone, request));
    return messages;
}

// The row's pressure file on the prepared document: the block keldo-batch
// --fit-pressure prints before its report (no contact of the logs beside
// it), the level for the chart. Returns the messages the well gets: its
// notices as keldo-batch warns of them, or why the file gave no level.
std::vector<std::string> TakePressures(const FieldWell& well, const CKeldoDoc& doc, WellOutcome& out)
{
    std::vector<std::string> messages;
    if (well.pressureFile.empty())
        return messages;
    out.pressure = EvaluatePressureFile(well.pressureFile, well.pressureFile, doc);
    const PressureEvaluation& evaluation = *out.pressure;
    if (!evaluation.ok()) {
        out.summary.pressureFailed = true;
        messages.push_back(
            OneLine(FieldRowMessage(well.line, FieldColumnName(FieldColumn::Pressure), evaluation.Message())));
        return messages;
    }
    out.pressureReport = PressureEvaluationReport(evaluation, doc, std::nullopt);
    out.summary.freeWaterLevel = LevelAsContact(evaluation.level);
    for (const PressureNotice notice : evaluation.level.notices)
        if (notice == PressureNotice::LevelAboveHydrocarbonPoints || notice == PressureNotice::LevelBelowWaterPoints)
            messages.push_back(PressureNoticeText(notice, evaluation.level));
    return messages;
}

// The well's document, prepared as keldo-batch prepares it, with the row's
// contact. False after Fail.
bool PrepareWellDocument(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings,
    CKeldoDoc& doc, MessageLog& log, WellOutcome& out, WellPreparation& preparation)
{
    WellSettings wellSettings;
    wellSettings.cutoff = well.cutoff.value_or(settings.cutoff);
    preparation
        = PrepareWell({.inputs = well.inputs, .settings = wellSettings, .model = model, .shaleVolume = true}, doc, log);
    out.messages = log.Texts();
    if (!preparation.Prepared()) {
        Fail(out, well, ColumnOfFailure(well, preparation), FailureText(preparation, log.Texts()));
        return false;
    }
    if (well.contact) {
        // The row's contact passes the dialog's checks as the document's did.
        doc.m_fKontakt = *well.contact;
        MessageLog silent;
        if (const InputRefusal refusal = CheckInputFields(doc, silent); refusal.Refused()) {
            Fail(out, well, FieldColumn::Contact, RefusalMessage(refusal));
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
    WellPreparation preparation;
    if (!PrepareWellDocument(well, model, settings, doc, log, out, preparation))
        return;

    summary.prepared = true;
    summary.belowSeaLevel = doc.m_depthsBelowSeaLevel;
    summary.measurements = MeasurementsInWindow(doc);
    summary.minDepth = doc.m_fMinTeufe;
    summary.maxDepth = doc.m_fMaxTeufe;
    summary.fluid = doc.m_nFluid;
    summary.contact = doc.m_fKontakt;
    const std::vector<std::string> pressureMessages = TakePressures(well, doc, out);

    const size_t beforeSaturation = log.Texts().size();
    const bool saturationDone = RunMode(doc, 0);
    out.saturationReport = std::move(doc.m_Ergebnisse);
    if (settings.keepGraphs) {
        out.graphs = std::make_unique<WellGraphs>();
        CopyGraph(doc, out.graphs->saturation);
    }
    // The misfit's model saturations are kept: the curves take them again.
    const PreparedSaturationRows prepared = PrepareSaturationRows(doc, doc.m_Messwerte);
    std::vector<float> computed;
    if (!prepared.rows.empty())
        ComputedSaturations(prepared, doc.m_fKontakt, computed);
    const Misfit misfit = MisfitOf(prepared, computed);
    summary.rms = misfit.rms;
    summary.rmsRows = misfit.n;
    const std::vector<std::string> skippedTops
        = TakeCurves(well, settings, doc, preparation, KnownSaturations(prepared, computed), out);

    const size_t beforeContact = log.Texts().size();
    const bool contactDone = RunMode(doc, 1);
    out.contactReport = std::move(doc.m_Ergebnisse);
    if (out.graphs)
        CopyGraph(doc, out.graphs->contact);
    if (contactDone)
        TakeContactStatistics(doc, summary);

    // The skipped tops and the pressure file's messages follow the runs'.
    out.messages = log.Texts();
    out.messages.insert(out.messages.end(), skippedTops.begin(), skippedTops.end());
    out.messages.insert(out.messages.end(), pressureMessages.begin(), pressureMessages.end());
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

FieldColumn ColumnOfFailure(const FieldWell& well, const WellPreparation& preparation)
{
    const FieldColumn file = well.inputs.document.empty() ? FieldColumn::Las : FieldColumn::Document;
    switch (preparation.status) {
    case PreparationStatus::InputsRefused:
        // A cut-off of the row's own; else the file that gave the inputs.
        return preparation.refusal.OfCutoff() && well.cutoff ? FieldColumn::Cutoff : file;
    case PreparationStatus::WellDataUnusable: {
        const WellDataError& error = preparation.wellData;
        if (error.survey)
            return FieldColumn::Survey;
        switch (error.curve.value_or(CurveRole::Other)) {
        case CurveRole::Depth:
            return FieldColumn::DepthCurve;
        case CurveRole::Porosity:
            return FieldColumn::PorosityCurve;
        case CurveRole::WaterSaturation:
            return FieldColumn::SwCurve;
        case CurveRole::Shale:
            return FieldColumn::ShaleCurve;
        case CurveRole::Permeability:
        case CurveRole::Other:
            break;
        }
        return FieldColumn::Las;
    }
    case PreparationStatus::Prepared:
    case PreparationStatus::DocumentUnreadable:
    case PreparationStatus::ModelMissing:
    case PreparationStatus::ModelUnreadable:
    case PreparationStatus::MeasurementsRefused:
        break;
    }
    return file;
}

std::string FailureText(const WellPreparation& preparation, const std::vector<std::string>& messages)
{
    switch (preparation.status) {
    case PreparationStatus::Prepared:
        break;
    case PreparationStatus::DocumentUnreadable:
    case PreparationStatus::ModelUnreadable:
        return preparation.file.Message();
    case PreparationStatus::ModelMissing:
        return "Für eine LAS-Datei fehlt das Modelldokument (Vorlage).";
    case PreparationStatus::WellDataUnusable:
        return preparation.wellData.Message();
    case PreparationStatus::InputsRefused:
        return RefusalMessage(preparation.refusal);
    case PreparationStatus::MeasurementsRefused:
        // The import's message box says why.
        return messages.empty() ? std::string() : messages.back();
    }
    return {};
}

WellOutcome RunWell(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings)
{
    const auto start = std::chrono::steady_clock::now();
    WellOutcome out;
    out.summary.well = well.name;
    // Out of memory, for instance: this well is lost, the others go on. The
    // reason is worded here, never taken from the exception's English.
    try {
        Compute(well, model, settings, out);
    } catch (const std::exception& e) {
        out = WellOutcome();
        out.summary.well = well.name;
        out.summary.status = WellStatus::Unreadable;
        out.summary.message = "Die Bohrung kann nicht gerechnet werden: " + ReasonOf(e);
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
