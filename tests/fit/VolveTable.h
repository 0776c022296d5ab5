#pragma once
#include <cstdlib>
#include <string>
#include <vector>

#include "CoreTable.h"

// 15/9-F-12 as a core table: TVDSS, PHIF and KLOGH of the well's
// petrophysical interpretation (tests/data/volve/klogh, 2647 rows).
inline std::vector<keldo::PhiKSample> ReadVolveTable(std::string& error)
{
    const char* root = std::getenv("KELDO_SOURCE_DIR");
    const std::string path = std::string(root ? root : ".") + "/tests/data/volve/klogh/15_9-F-12_phif_klogh.txt";
    std::vector<keldo::PhiKSample> samples;
    keldo::CoreTableError failure;
    if (!keldo::ReadCoreTable(path, samples, failure))
        error = failure.Message();
    return samples;
}
