#pragma once
// What the field chart's tests share: the Volve wells as the study gives them
// and the cell a well's name takes on the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FieldChart.h"
#include "FieldFile.h"
#include "FieldRun.h"
#include "FormationTops.h"
#include "WellDataTestFiles.h"

// The summaries of the three Volve wells of examples/volve-field.csv; with
// `zones`, with the zones of examples/volve-tops.csv.
inline std::vector<keldo::WellSummary> VolveSummaries(bool zones = false)
{
    keldo::FieldStudy study;
    std::string error;
    keldo::FieldTemplate model;
    EXPECT_TRUE(keldo::ReadFieldFile(ExampleFile("volve-field.csv"), study, error)) << error;
    EXPECT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;
    std::vector<keldo::FormationTop> tops;
    keldo::FieldSettings settings;
    if (zones) {
        keldo::TopsError topsError;
        EXPECT_TRUE(keldo::ReadFormationTopsFile(ExampleFile("volve-tops.csv"), tops, topsError));
        settings.tops = &tops;
    }
    std::vector<keldo::WellSummary> rows(study.wells.size());
    keldo::RunField(study, &model, settings, 2, [&](keldo::WellOutcome&& out) { rows[out.index] = out.summary; });
    return rows;
}

// `count` columns: the Volve wells over and over, numbered.
inline std::vector<keldo::WellSummary> Wells(const std::vector<keldo::WellSummary>& volve, size_t count)
{
    std::vector<keldo::WellSummary> wells;
    for (size_t i = 0; i < count; ++i) {
        keldo::WellSummary w = volve[i % volve.size()];
        if (count > volve.size())
            w.well += " (" + std::to_string(i + 1) + ")";
        wells.push_back(w);
    }
    return wells;
}

struct NameBox {
    int left, top, right, bottom;
    bool Overlaps(const NameBox& o) const
    {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

// The cell a name takes: side by side it hangs down from its point, centred
// on it; turned by 90° it runs down from its point, centred on it.
inline NameBox NameCell(const keldo::GraphPrimitive& p)
{
    const int w = keldo::LabelWidthAtMost(p.text), h = keldo::FontHeight(p.font);
    const keldo::GraphPoint at = p.points[0];
    if (p.angle == 90)
        return {at.x - h / 2, at.y, at.x + (h + 1) / 2, at.y - w};
    return {at.x - w / 2, at.y, at.x + (w + 1) / 2, at.y - h};
}
