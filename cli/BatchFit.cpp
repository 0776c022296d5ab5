#include "BatchFit.h"

#include "BatchStatus.h"
#include "ContactFit.h"
#include "CoreTable.h"
#include "DocumentFits.h"
#include "FitGraphs.h"
#include "FitReport.h"
#include "KeldoDoc.h"
#include "PhiKFit.h"

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

} // namespace

std::vector<std::string> FitGraphFiles(const BatchOptions& options)
{
    if (options.fitGraphFile.empty())
        return {};
    if (!options.fitPhiK || !options.fitContact)
        return {options.fitGraphFile};
    const std::string& file = options.fitGraphFile;
    const size_t slash = file.find_last_of('/');
    size_t dot = file.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        dot = file.size();
    return {file.substr(0, dot) + "-phik" + file.substr(dot), file.substr(0, dot) + "-kontakt" + file.substr(dot)};
}

int FitBatchDocument(const BatchOptions& options, const LasPermeability* las, CKeldoDoc& doc, std::ostream& report,
    std::ostream& messages, BatchFitPages& pages)
{
    Fitted fitted;
    fitted.inputs = doc;
    std::optional<Refusal> refusal;
    if (options.fitPhiK)
        refusal = FitPhiKRelation(options, las, doc, fitted);
    if (!refusal && options.fitContact)
        refusal = FitContactDepth(options, doc, fitted);
    if (refusal) {
        messages << refusal->message << '\n';
        return refusal->status;
    }

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
