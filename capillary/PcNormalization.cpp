#include "PcNormalization.h"

#include <cmath>

#include "PcRefinement.h"

namespace keldo {
namespace {

constexpr float kLowestPcMax = 10; // the dialog refuses Pc max <= 10 bar
constexpr int kMinimumSamples = 3;

PcNormalization Refused(PcNormalization r, PcRefusalKind kind)
{
    r.ok = false;
    r.refusal.kind = kind;
    r.refusal.pcMax = r.pcMax;
    r.refusal.samples = static_cast<int>(r.samples.size());
    return r;
}

PcNotice Notice(PcNoticeKind kind)
{
    PcNotice n;
    n.kind = kind;
    return n;
}

template <size_t N> bool AllFinite(const std::array<double, N>& c)
{
    for (const double v : c)
        if (!std::isfinite(static_cast<float>(v)))
            return false;
    return true;
}

} // namespace

PcRefusalKind DialogRefusal(const PcCoefficients& c)
{
    if (!AllFinite(c.alfa) || !AllFinite(c.beta) || !AllFinite(c.swmin) || !AllFinite(c.pcsperr))
        return PcRefusalKind::NotRepresentable;
    if (!(c.swmin[1] < 0))
        return PcRefusalKind::SwminNotFalling;
    if (!(c.pcsperr[1] < 0))
        return PcRefusalKind::PcsperrNotFalling;
    if (c.beta[0] == 0 && c.beta[1] == 0)
        return PcRefusalKind::BetaMissing;
    if (c.alfa[0] == 0 && c.alfa[1] == 0 && c.alfa[2] == 0 && c.alfa[3] == 0)
        return PcRefusalKind::AlfaMissing;
    return PcRefusalKind::None;
}

PcNormalization NormalizePc(const PcTable& table, const PcFitOptions& options)
{
    PcNormalization r;
    r.samplesRead = static_cast<int>(table.samples.size());
    r.pcMaxGiven = options.pcMax.has_value();
    r.pcMax = PcMaxFor(table, options.pcMax);
    if (options.alfaOrder < 0 || options.alfaOrder > 3) {
        r.refusal.alfaOrder = options.alfaOrder;
        return Refused(std::move(r), PcRefusalKind::AlfaOrderInvalid);
    }
    if (!(r.pcMax > kLowestPcMax))
        return Refused(std::move(r), PcRefusalKind::PcMaxTooLow);

    PcConditioning conditioned = ConditionSamples(table);
    r.excluded = std::move(conditioned.excluded);
    std::vector<SampleParameters> parameters;
    std::vector<RefinementSample> used;
    for (ConditionedSample& c : conditioned.samples) {
        const PcSample& s = table.samples[c.index];
        PcSampleResult result;
        result.index = c.index;
        result.permeability = s.permeability;
        result.fit = FitSampleCurve(c.points, s.permeability, r.pcMax);
        if (!result.fit.ok) {
            PcExclusion e;
            e.kind = PcExclusionKind::FitFailed;
            e.sample = s.name;
            e.line = s.firstLine;
            e.permeability = s.permeability;
            r.excluded.push_back(e);
            continue;
        }
        if (c.HighestPressure() < kSwminReachedShare * r.pcMax) {
            PcNotice n = Notice(PcNoticeKind::SwminExtrapolated);
            n.sample = s.name;
            n.pressure = c.HighestPressure();
            n.pcMax = r.pcMax;
            r.notices.push_back(n);
        }
        if (!result.fit.converged) {
            PcNotice n = Notice(PcNoticeKind::SampleNotConverged);
            n.sample = s.name;
            r.notices.push_back(n);
        }
        parameters.push_back(
            {std::log10(s.permeability), result.fit.swmin, result.fit.pcsperr, result.fit.alfa, result.fit.beta});
        r.pointsUsed += static_cast<int>(c.points.size());
        used.push_back({s.permeability, c.points});
        result.points = std::move(c.points);
        r.samples.push_back(std::move(result));
    }
    if (static_cast<int>(r.samples.size()) < kMinimumSamples)
        return Refused(std::move(r), PcRefusalKind::TooFewSamples);

    r.relations = FitRelations(parameters, options.alfaOrder);
    if (!r.relations.ok)
        return Refused(std::move(r), PcRefusalKind::PermeabilitiesEqual);
    if (r.relations.limit != AlfaOrderLimit::None) {
        PcNotice n = Notice(PcNoticeKind::AlfaOrderLowered);
        n.requested = r.relations.requestedAlfaOrder;
        n.used = r.relations.alfaOrder;
        n.samples = static_cast<int>(r.samples.size());
        n.limit = r.relations.limit;
        r.notices.push_back(n);
    }
    r.twoStep = AsShownInDialog(r.relations.coefficients);
    if (const PcRefusalKind kind = DialogRefusal(r.twoStep); kind != PcRefusalKind::None) {
        r.refusal.coefficients = r.twoStep;
        return Refused(std::move(r), kind);
    }
    r.rmsTwoStep = SetRms(used, r.twoStep, r.pcMax);

    const PcRefinement refinement = RefineCoefficients(used, r.relations.coefficients, r.relations.alfaOrder, r.pcMax);
    if (refinement.ok) {
        r.refined = AsShownInDialog(refinement.coefficients);
        r.refinedValid = DialogRefusal(r.refined) == PcRefusalKind::None;
        r.rmsRefined = SetRms(used, r.refined, r.pcMax);
        if (!refinement.converged)
            r.notices.push_back(Notice(PcNoticeKind::RefinementNotConverged));
    }
    if (options.twoStep)
        r.notices.push_back(Notice(PcNoticeKind::TwoStepAsked));
    else if (!refinement.ok)
        r.notices.push_back(Notice(PcNoticeKind::RefinementFailed));
    else if (!r.refinedValid)
        r.notices.push_back(Notice(PcNoticeKind::RefinementRefused));
    else if (r.rmsRefined > r.rmsTwoStep)
        r.notices.push_back(Notice(PcNoticeKind::RefinementNotBetter));
    else
        r.refinedTaken = true;
    r.ok = true;
    return r;
}

} // namespace keldo
