#include "MeasurementCurves.h"

#include <cmath>

#include "SaturationMisfit.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// The model's saturations are searched this many rows at a time, side by
// side as the misfit searches them, so that the prepared rows of a long log
// never stand in memory all at once.
constexpr size_t kChunk = 4096;

// The water-saturation run's values for the rows that `pending` names, at
// the assumed contact.
class ModelSaturations {
public:
    ModelSaturations(const ModelParameters& model, float contact, std::vector<CurveRow>& rows)
        : m_contact(contact), m_rows(rows)
    {
        m_prepared.model = model;
        m_prepared.rows.reserve(kChunk);
        m_pending.reserve(kChunk);
    }

    void Add(size_t row)
    {
        const CurveRow& r = m_rows[row];
        m_prepared.rows.push_back(PrepareSaturationRow(m_prepared.model, r.depth, r.porosity, r.sw));
        m_pending.push_back(row);
        if (m_pending.size() == kChunk)
            Flush();
    }

    void Flush()
    {
        ComputedSaturations(m_prepared, m_contact, m_sw);
        for (size_t i = 0; i < m_pending.size(); ++i)
            m_rows[m_pending[i]].modelSw = m_sw[i];
        m_prepared.rows.clear();
        m_pending.clear();
    }

private:
    float m_contact;
    std::vector<CurveRow>& m_rows;
    PreparedSaturationRows m_prepared;
    std::vector<size_t> m_pending;
    std::vector<float> m_sw;
};

} // namespace

MeasurementCurves ComputeCurves(const CurveRequest& request)
{
    const CKeldoInputs& in = request.inputs;
    MeasurementCurves curves;
    curves.inputs = in;
    curves.model = ModelParametersFor(in);
    curves.cutoffs = {in.m_fCutoff, request.shaleCutoff, request.swCutoff};
    curves.shaleCurve = request.shale != nullptr;
    const ModelParameters& p = curves.model;

    // Without a density difference neither run computes anything.
    bool saturationGoing = WaterIsDenser(p);
    bool contactGoing = saturationGoing;
    ModelSaturations saturations(p, in.m_fKontakt, curves.rows);
    size_t known = 0; // the next of request.known

    for (size_t i = 0; i < request.lines.size(); ++i) {
        float v[3];
        if (ScanFloats(request.lines[i], v, 3) < 3)
            continue;
        const float depth = v[0], phi = v[1], sw = v[2];
        // The contact run tests the pressure before the depth window, and
        // stops at a line whose pore pressure exceeds the overburden.
        if (contactGoing && 0.23 * depth < p.initialPressure)
            contactGoing = false;
        if (depth < in.m_fMinTeufe || depth > in.m_fMaxTeufe)
            continue;
        // The water-saturation run tests it inside the window, and stops
        // where the pressure reaches the overburden.
        if (saturationGoing && PressureReachesOverburden(depth, p.initialPressure))
            saturationGoing = false;

        CurveRow row;
        row.line = i;
        row.depth = depth;
        row.porosity = phi;
        row.sw = sw;
        const CapillaryCurve curve = CurveFor(p, EffectivePermeabilityAt(p, depth, phi).k);
        row.keff = curve.k;
        row.swmin = curve.swmin;
        row.heightAboveContact = static_cast<double>(in.m_fKontakt) - depth;
        // A row of the contact run: usable (Swmin < Sw < 1) and at or above
        // the porosity cut-off; its contact is TVD + height, in double.
        if (contactGoing && !(phi < in.m_fCutoff) && curve.swmin < sw && sw < 1.0f)
            row.contact = depth + HeightAboveContact(curve, sw).metres;
        if (curves.shaleCurve && i < request.shale->size())
            row.vsh = (*request.shale)[i];
        row.net = IsNet(curves.cutoffs, phi, curves.shaleCurve, row.vsh);
        row.pay = IsPay(curves.cutoffs, row.net, sw);
        if (saturationGoing && known < request.known.size() && request.known[known].depth == depth
            && request.known[known].porosity == phi)
            row.modelSw = request.known[known++].sw;
        curves.rows.push_back(row);
        if (saturationGoing && std::isnan(row.modelSw))
            saturations.Add(curves.rows.size() - 1);
    }
    saturations.Flush();
    return curves;
}

std::vector<KnownSaturation> KnownSaturations(const MeasurementCurves& curves)
{
    std::vector<KnownSaturation> known;
    known.reserve(curves.rows.size());
    for (const CurveRow& row : curves.rows)
        if (!std::isnan(row.modelSw))
            known.push_back({row.depth, row.porosity, row.modelSw});
    return known;
}

std::vector<KnownSaturation> KnownSaturations(
    const PreparedSaturationRows& prepared, const std::vector<float>& computed)
{
    std::vector<KnownSaturation> known;
    known.reserve(computed.size());
    for (size_t i = 0; i < prepared.rows.size() && i < computed.size(); ++i)
        known.push_back({prepared.rows[i].depth, prepared.rows[i].porosity, computed[i]});
    return known;
}

float ContactAsPrinted(double contact)
{
    std::string text;
    AppendFixed(text, contact, 0, 1);
    float value = 0;
    ScanFloats(text, &value, 1);
    return value;
}

} // namespace keldo
