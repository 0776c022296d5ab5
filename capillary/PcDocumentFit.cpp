#include "PcDocumentFit.h"

#include "PcGraphs.h"
#include "PcMessages.h"
#include "PcReport.h"

namespace keldo {

std::string PcFileSource(const std::string& path) { return "Kapillardruckdatei " + path; }

PcDocumentFit FitPcForDocument(
    const PcTable& table, const PcFitOptions& options, const std::string& path, const CKeldoInputs& document)
{
    PcDocumentFit fit;
    fit.normalization = NormalizePc(table, options);
    const PcNormalization& n = fit.normalization;
    fit.report = PcFitReport(table, n, PcFileSource(path));
    if (!n.ok)
        return fit;
    for (const PcExclusion& e : n.excluded)
        fit.warnings.push_back(PcExclusionMessage(e));
    for (const PcNotice& notice : n.notices)
        fit.warnings.push_back(PcNoticeMessage(notice));

    CKeldoInputs written = document;
    WriteCoefficients(n.Chosen(), n.pcMax, written);
    fit.fitted = FittedCapillaryFrom(written);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    fit.curves = PcCurvesGraph(n, name);
    fit.parameters = PcParameterGraph(n, name);
    fit.heights = SaturationHeightGraph(n, ModelParametersFor(document), document.m_nFluid, name);
    return fit;
}

} // namespace keldo
