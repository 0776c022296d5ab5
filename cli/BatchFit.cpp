#include "BatchFit.h"

#include "BatchStatus.h"
#include "ContactFit.h"
#include "CoreTable.h"
#include "DocumentFits.h"
#include "FitGraphs.h"
#include "FitReport.h"
#include "KeldoDoc.h"
#include "PcDocumentFit.h"
#include "PcFile.h"
#include "PcMessages.h"
#include "PhiKFit.h"
#include "PressureEvaluation.h"
#include "PressureMessages.h"

namespace keldo {
namespace {

// The fitted values and what is shown of them, held apart from the document
// until every fit has succeeded.
struct Fitted {
    CKeldoInputs inputs;
    std::vector<std::string> report;
    std::vector<std::string> warnings; // as in the report, for the messages too
    BatchFitPages pages;
};

// A failed fit: its message, and the exit status.
struct Refusal {
    std::string message;
    int status = kBatchRefused;
};

std::optional<Refusal> FitCapillaryModel(const BatchOptions& options, Fitted& fitted)
{
    const PcTableResult table = ReadPcFile(options.pcFile);
    if (!table.ok)
        return Refusal{PcTableErrorMessage(table.error), IsUnreadable(table.error) ? kBatchUnreadable : kBatchRefused};
    const PcFitOptions choice{options.pcMax, options.alfaOrder, options.pcTwoStep};
    PcDocumentFit fit = FitPcForDocument(table.table, choice, options.pcFile, fitted.inputs);
    if (!fit.normalization.ok)
        return Refusal{PcRefusalMessage(fit.normalization.refusal)};
    FittedValues values;
    values.capillary = fit.fitted;
    values.WriteInto(fitted.inputs);
    fitted.warnings.insert(fitted.warnings.end(), fit.warnings.begin(), fit.warnings.end());
    fitted.report.insert(fitted.report.end(), fit.report.begin(), fit.report.end());
    fitted.pages.pcCurves = std::move(fit.curves);
    fitted.pages.pcParameters = std::move(fit.parameters);
    fitted.pages.saturationHeight = std::move(fit.heights);
    return std::nullopt;
}

std::optional<Refusal> FitPhiKRelation(
    const BatchOptions& options, const LasPermeability* las, const CKeldoDoc& doc, Fitted& fitted)
{
    std::vector<PhiKSample> coreSamples;
    const std::vector<PhiKSample>* samples = &coreSamples;
    std::string source;
    if (!options.coreFile.empty()) {
        CoreTableError error;
        if (!ReadCoreTable(options.coreFile, coreSamples, error))
            return Refusal{error.Message(), StatusOf(error)};
        source = CoreTableSource(options.coreFile);
    } else if (las) {
        samples = &las->samples;
        source = las->source;
    }

    const PhiKSelection selection = SelectPhiKPairs(*samples, doc.m_fMinTeufe, doc.m_fMaxTeufe);
    const PhiKFitResult fit = FitPhiK(selection, options.phiKOrder);
    if (!fit.ok)
        return Refusal{fit.message};
    fitted.inputs.m_fPhiK0 = fit.documentCoefficients[0];
    fitted.inputs.m_fPhiK1 = fit.documentCoefficients[1];
    fitted.inputs.m_fPhiK2 = fit.documentCoefficients[2];
    if (!fit.notice.empty())
        fitted.warnings.push_back(fit.notice);
    const std::vector<std::string> lines = PhiKFitReport(selection, fit, source);
    fitted.report.insert(fitted.report.end(), lines.begin(), lines.end());
    fitted.pages.phiK = PhiKCrossPlot(selection, fit, doc.m_strBohrung);
    return std::nullopt;
}

std::optional<Refusal> FitContactDepth(const BatchOptions& options, const CKeldoDoc& doc, Fitted& fitted)
{
    std::optional<ContactRange> range;
    if (options.contactRange)
        range = ContactRange{options.contactRange->from, options.contactRange->to};
    // The misfit of the water-saturation run with the model as it now stands,
    // the Phi-K relation just fitted included.
    const ContactFitResult fit = FitDocumentContact(fitted.inputs, doc.m_Messwerte, range);
    if (!fit.ok)
        return Refusal{fit.message};
    fitted.inputs.m_fKontakt = fit.contact;
    fitted.warnings.insert(fitted.warnings.end(), fit.warnings.begin(), fit.warnings.end());
    const std::vector<std::string> lines = ContactFitReport(fit, doc.m_nFluid);
    fitted.report.insert(fitted.report.end(), lines.begin(), lines.end());
    fitted.pages.contact = ContactMisfitGraph(fit, doc.m_nFluid, doc.m_strBohrung, doc.m_depthsBelowSeaLevel);
    return std::nullopt;
}

// The free-water level, read and fitted before the log fits so that a
// refused pressure file costs no fit.
std::optional<Refusal> ReadPressures(const BatchOptions& options, const CKeldoDoc& doc, PressureEvaluation& pressures)
{
    pressures = EvaluatePressureFile(options.pressureFile, options.pressureFile, doc);
    if (pressures.ok())
        return std::nullopt;
    return Refusal{pressures.Message(), pressures.Unreadable() ? kBatchUnreadable : kBatchRefused};
}

// The block after the log fits' reports, compared with the contact fitted
// from the logs; without it the level becomes the contact.
void TakePressures(const BatchOptions& options, const PressureEvaluation& pressures, Fitted& fitted)
{
    const std::optional<float> logContact
        = options.fitContact ? std::optional<float>(fitted.inputs.m_fKontakt) : std::nullopt;
    const std::vector<std::string> lines = PressureEvaluationReport(pressures, fitted.inputs, logContact);
    fitted.report.insert(fitted.report.end(), lines.begin(), lines.end());
    for (const PressureNotice notice : pressures.level.notices)
        if (notice == PressureNotice::LevelAboveHydrocarbonPoints || notice == PressureNotice::LevelBelowWaterPoints)
            fitted.warnings.push_back(PressureNoticeText(notice, pressures.level));
    fitted.pages.pressure = PressureEvaluationPage(pressures, fitted.inputs, logContact);
    if (!logContact)
        fitted.inputs.m_fKontakt = LevelAsContact(pressures.level);
}

} // namespace

std::vector<std::string> FitGraphFiles(const BatchOptions& options)
{
    if (options.fitGraphFile.empty())
        return {};
    const std::string& file = options.fitGraphFile;
    const size_t slash = file.find_last_of('/');
    size_t dot = file.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        dot = file.size();
    const auto named = [&](const char* part) { return file.substr(0, dot) + part + file.substr(dot); };
    std::vector<std::string> files;
    if (options.fitPhiK && options.fitContact)
        files = {named("-phik"), named("-kontakt")};
    else if (options.fitPhiK || options.fitContact)
        files = {file};
    if (!options.pcFile.empty())
        for (const char* part : {"-pc", "-pcparam", "-shf"})
            files.push_back(named(part));
    if (!options.pressureFile.empty())
        files.push_back(named("-druck"));
    return files;
}

std::vector<const GraphPage*> FitGraphPages(const BatchFitPages& pages)
{
    std::vector<const GraphPage*> made;
    for (const std::optional<GraphPage>* page :
        {&pages.phiK, &pages.contact, &pages.pcCurves, &pages.pcParameters, &pages.saturationHeight, &pages.pressure})
        if (*page)
            made.push_back(&**page);
    return made;
}

int FitBatchDocument(const BatchOptions& options, const LasPermeability* las, CKeldoDoc& doc, std::ostream& report,
    std::ostream& messages, BatchFitPages& pages)
{
    Fitted fitted;
    fitted.inputs = doc;
    std::optional<Refusal> refusal;
    PressureEvaluation pressures;
    if (!options.pressureFile.empty())
        refusal = ReadPressures(options, doc, pressures);
    if (!refusal && !options.pcFile.empty())
        refusal = FitCapillaryModel(options, fitted);
    if (!refusal && options.fitPhiK)
        refusal = FitPhiKRelation(options, las, doc, fitted);
    if (!refusal && options.fitContact)
        refusal = FitContactDepth(options, doc, fitted);
    if (refusal) {
        messages << refusal->message << '\n';
        return refusal->status;
    }
    if (!options.pressureFile.empty())
        TakePressures(options, pressures, fitted);

    for (const std::string& warning : fitted.warnings)
        messages << warning << '\n';
    for (const std::string& line : fitted.report)
        report << line << '\n';
    report.flush();
    if (!report) {
        messages << "Der Bericht der Anpassung kann nicht geschrieben werden.\n";
        return kBatchUnreadable;
    }
    static_cast<CKeldoInputs&>(doc) = fitted.inputs;
    pages = std::move(fitted.pages);
    return kBatchCompleted;
}

} // namespace keldo
