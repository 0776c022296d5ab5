#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "PressureReaderCheck.h"

// Any broken rule is a crash for libFuzzer, which then keeps the input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto found = keldo::fuzz::CheckPressureReader(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!found.empty()) {
        std::fprintf(stderr, "broken rules:\n%s", keldo::fuzz::Describe(found).c_str());
        std::abort();
    }
    return 0;
}
