#include "PcDocumentFit.h"

#include "PcGraphs.h"
#include "PcMessages.h"
#include "PcReport.h"

namespace keldo {

std::string PcFileSource(const std::string& path) { return "Kapillardruckdatei " + path; }

PcDocumentFit FitPcForDocument(
    const PcTable& table, const PcFitOptions& options, const std::string& source, const CKeldoInputs& document)
{
    PcDocumentFit fit;
    fit.normalization = NormalizePc(table, options);
    const PcNormalization& n = fit.normalization;
    fit.report = PcFitReport(table, n, source);
    if (!n.ok)
        return fit;
    for (const PcExclusion& e : n.excluded)
        fit.warnings.push_back(PcExclusionMessage(e));
    for (const PcNotice& notice : n.notices)
        fit.warnings.push_back(PcNoticeMessage(notice));

    CKeldoInputs written = document;
    WriteCoefficients(n.Chosen(), n.pcMax, written);
    fit.fitted = FittedCapillaryFrom(written);
    fit.curves = PcCurvesGraph(n, source);
    fit.parameters = PcParameterGraph(n, source);
    fit.heights = SaturationHeightGraph(n, ModelParametersFor(document), document.m_nFluid, source);
    return fit;
}

} // namespace keldo
