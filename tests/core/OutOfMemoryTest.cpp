// Running out of memory at a tool's top or in a command of the program: one
// German message and exit status 1 instead of an abort; other failures are
// not taken for it.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <limits>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "OutOfMemory.h"
#include "RecordingMessageBox.h"

namespace {

// Asks for more memory than any machine has; `new` throws std::bad_alloc.
// The address sanitizer's allocator aborts on such a request instead, so
// under it the failure is thrown as `new` would throw it.
int AllocateTooMuch()
{
#if defined(__SANITIZE_ADDRESS__)
    throw std::bad_alloc();
#else
    std::vector<char> huge(std::numeric_limits<std::ptrdiff_t>::max() / 2);
    return huge[0];
#endif
}

// A container asked for more than it can hold throws std::length_error.
int ReserveTooMuch()
{
    std::string text;
    text.reserve(text.max_size() + 1);
    return 0;
}

struct RunCase {
    const char* what;
    std::function<int()> main;
    int status;
    bool outOfMemory;
};

const RunCase kRuns[] = {
    {"completed", [] { return 0; }, 0, false},
    {"a status of its own", [] { return 3; }, 3, false},
    {"an allocation that fails", AllocateTooMuch, 1, true},
    {"a container asked for too much", ReserveTooMuch, 1, true},
};

} // namespace

TEST(OutOfMemory, AToolEndsWithOneGermanMessageAndStatusOne)
{
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.what);
        std::ostringstream err;
        EXPECT_EQ(keldo::RunCatchingOutOfMemory(c.main, err), c.status);
        EXPECT_EQ(err.str(),
            c.outOfMemory ? "ABBRUCH!!Der Arbeitsspeicher reicht nicht aus; die Arbeit wurde abgebrochen.\n" : "");

        RecordingMessageBox box;
        EXPECT_EQ(keldo::RunCatchingOutOfMemory([&c] { (void)c.main(); }, box), !c.outOfMemory);
        EXPECT_EQ(box.shown.size(), c.outOfMemory ? 1u : 0u);
    }
}

TEST(OutOfMemory, OtherFailuresAreNotTakenForIt)
{
    std::ostringstream err;
    EXPECT_THROW(keldo::RunCatchingOutOfMemory([]() -> int { throw std::runtime_error("x"); }, err),
        std::runtime_error);
    EXPECT_EQ(err.str(), "");
}

// The reason a field study gives for a well that failed this way: German,
// never the exception's English text.
TEST(OutOfMemory, TheReasonOfAFailureIsGerman)
{
    const struct {
        const char* what;
        std::function<void()> fail;
        const char* reason;
    } cases[] = {
        {"std::bad_alloc", [] { (void)AllocateTooMuch(); }, "Der Arbeitsspeicher reicht nicht aus."},
        {"std::length_error", [] { (void)ReserveTooMuch(); }, "Der Arbeitsspeicher reicht nicht aus."},
        {"anything else", [] { throw std::runtime_error("vector::_M_range_check"); },
            "Ein interner Fehler ist aufgetreten."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.fail();
            ADD_FAILURE() << "nothing thrown";
        } catch (const std::exception& e) {
            EXPECT_EQ(keldo::ReasonOf(e), c.reason);
        }
    }
}
