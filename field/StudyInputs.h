#pragma once
#include <array>
#include <string>
#include <vector>

#include "FieldTemplate.h"
#include "FieldWell.h"

// What a study's results were computed from: the model, the wells' cells,
// the cut-off and the tops file. The window keeps those of its last start to tell when
// its results no longer apply.
namespace keldo {

struct StudyInputs {
    FieldTemplate model;
    std::vector<std::array<std::string, kFieldColumnCount>> wells;
    std::string cutoff; // as typed
    std::string tops;      // the tops file's path as typed; empty: none
    std::string topsBytes; // what the file held (empty when it cannot be read)
};

// What differs between the inputs of a run and those now.
struct StudyChanges {
    bool model = false;
    bool wells = false;
    bool cutoff = false;
    bool tops = false;

    bool Any() const { return model || wells || cutoff || tops; }
};

inline StudyChanges ChangesSince(const StudyInputs& run, const StudyInputs& now)
{
    return {run.model.bytes != now.model.bytes || run.model.path != now.model.path
            || run.model.title != now.model.title,
        run.wells != now.wells, run.cutoff != now.cutoff, run.tops != now.tops || run.topsBytes != now.topsBytes};
}

} // namespace keldo
