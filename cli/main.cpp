#include <iostream>
#include <string>
#include <vector>

#include "BatchOptions.h"
#include "BatchRun.h"

int main(int argc, char** argv)
{
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
    return keldo::RunBatch(*options, std::cout, std::cerr);
}
