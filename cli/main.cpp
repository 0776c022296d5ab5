#include <iostream>
#include <string>
#include <vector>

#include "BatchOptions.h"
#include "BatchRun.h"
#include "FileAccess.h"
#include "OutOfMemory.h"
#ifdef KELDO_GRAPH_EXPORT
#include "QtGraphExporter.h"
#include "QtMessageFilter.h"
#endif

namespace {

int Run(int argc, char** argv)
{
    keldo::IgnoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = keldo::ParseBatchOptions(args, error);
    if (!options) {
        std::cerr << "keldo-batch: " << error << "\n\n" << keldo::BatchUsage();
        return keldo::kBatchRefused;
    }
    if (options->help) {
        std::cout << keldo::BatchUsage();
        return 0;
    }
#ifdef KELDO_GRAPH_EXPORT
    return keldo::RunBatch(*options, std::cout, std::cerr, keldo::QtGraphExporter());
#else
    return keldo::RunBatch(*options, std::cout, std::cerr);
#endif
}

} // namespace

int main(int argc, char** argv)
{
#ifdef KELDO_GRAPH_EXPORT
    keldo::FilterQtMessages();
#endif
    return keldo::RunCatchingOutOfMemory([&] { return Run(argc, argv); }, std::cerr);
}
