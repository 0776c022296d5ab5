#pragma once
#include <atomic>
#include <functional>

#include "FieldTemplate.h"
#include "FieldWell.h"
#include "WellRun.h"

namespace keldo {

// Called once for every well of the study, on the thread that called
// RunField, in the order the wells finish: the well's outcome to write,
// show or keep. It must not throw.
using WellSink = std::function<void(WellOutcome&& outcome)>;

// The number of threads when none is asked for: the cores of the machine.
int DefaultJobs();

// Computes every well of `study` (RunWell) on a pool of `jobs` threads (1:
// on the calling thread). Each well owns its document and its messages; the
// threads share nothing but the study, the template and the settings, which
// they only read, so every well's outcome is the same whatever `jobs` is.
// At most `jobs` finished outcomes wait for the sink, so the memory grows
// with the threads, not with the wells. Once `cancel` turns true, no well
// is begun any more: the wells running finish, and each well not begun
// reaches the sink as NotRunOutcome. Each summary gets its well's folder
// (WellFolderNames).
void RunField(const FieldStudy& study, const FieldTemplate* model, const FieldSettings& settings, int jobs,
    const WellSink& sink, const std::atomic<bool>* cancel = nullptr);

} // namespace keldo
