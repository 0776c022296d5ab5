#pragma once
#include <array>
#include <string>
#include <vector>

#include "FieldTemplate.h"
#include "FieldWell.h"

// What a study's results were computed from: the model, the wells' cells
// and the cut-off. The window keeps those of its last start to tell when
// its results no longer apply.
namespace keldo {

struct StudyInputs {
    FieldTemplate model;
    std::vector<std::array<std::string, kFieldColumnCount>> wells;
    std::string cutoff; // as typed
};

// What differs between the inputs of a run and those now.
struct StudyChanges {
    bool model = false;
    bool wells = false;
    bool cutoff = false;

    bool Any() const { return model || wells || cutoff; }
};

inline StudyChanges ChangesSince(const StudyInputs& run, const StudyInputs& now)
{
    return {run.model.bytes != now.model.bytes || run.model.path != now.model.path
            || run.model.title != now.model.title,
        run.wells != now.wells, run.cutoff != now.cutoff};
}

} // namespace keldo
