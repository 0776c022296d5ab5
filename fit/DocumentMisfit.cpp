#include "DocumentMisfit.h"

#include <cmath>
#include <memory>

#include "KeldoDoc.h"
#include "TextFormat.h"

namespace keldo {
namespace {

class DiscardingMessageBox : public IMessageBox {
public:
    void Show(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

struct Row {
    float depth, porosity, sw;
};

struct PrivateDocument {
    DiscardingMessageBox box;
    CKeldoDoc doc{box};
    std::vector<Row> rows;
    bool densitiesUsable = false;
};

} // namespace

ContactMisfitFunction DocumentContactMisfit(const CKeldoInputs& inputs, const std::vector<std::string>& lines)
{
    auto state = std::make_shared<PrivateDocument>();
    CKeldoDoc& doc = state->doc;
    static_cast<CKeldoInputs&>(doc) = inputs;
    doc.m_bDetail = 0; // no warning lines piling up in the private report
    doc.ReportHeader();
    state->densitiesUsable = doc.PruefeDichtedifferenz();
    for (const std::string& line : lines) {
        float v[3];
        if (ScanFloats(line, v, 3) < 3 || v[0] < doc.m_fMinTeufe || v[0] > doc.m_fMaxTeufe || v[1] < doc.m_fCutoff
            || 0.23 * v[0] <= doc.m_fInitialdruck)
            continue;
        state->rows.push_back({v[0], v[1], v[2]});
    }
    return [state](float contact) {
        ContactMisfit misfit;
        if (!state->densitiesUsable || state->rows.empty())
            return misfit;
        state->doc.m_fKontakt = contact;
        double sum = 0;
        for (const Row& row : state->rows) {
            const double d = static_cast<double>(state->doc.SwInTeufe(row.depth, row.porosity)) - row.sw;
            sum += d * d;
        }
        state->doc.m_Ergebnisse.clear();
        misfit.n = static_cast<int>(state->rows.size());
        misfit.rms = std::sqrt(sum / misfit.n);
        return misfit;
    };
}

} // namespace keldo
