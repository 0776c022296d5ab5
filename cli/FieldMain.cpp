// keldo-field: a field study without the desktop.
#include <iostream>
#include <string>
#include <vector>

#include "FieldCommand.h"
#include "FieldOptions.h"
#include "FileAccess.h"
#include "OutOfMemory.h"
#ifdef KELDO_GRAPH_EXPORT
#include "QtFieldGraphExport.h"
#include "QtMessageFilter.h"
#endif

namespace {

int Run(int argc, char** argv)
{
    keldo::IgnoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto options = keldo::ParseFieldOptions(args, error);
    if (!options) {
        std::cerr << "keldo-field: " << error << "\n\n" << keldo::FieldUsage();
        return keldo::kFieldBadInput;
    }
    if (options->help) {
        std::cout << keldo::FieldUsage();
        return 0;
    }
#ifdef KELDO_GRAPH_EXPORT
    return keldo::RunFieldCommand(*options, std::cerr, keldo::QtFieldGraphExport());
#else
    return keldo::RunFieldCommand(*options, std::cerr);
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
