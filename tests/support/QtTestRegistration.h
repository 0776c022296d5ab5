#pragma once
// Comes first into every test source of a program that holds several Qt tests
// (keldo_qtests() in tests/CMakeLists.txt). The main that QTEST_MAIN writes,
// or that a test writes itself, becomes a function private to its source,
// registered under the source's file name; QtTestDriver.cpp runs the one that
// the first argument names. The test sources stay as they would be alone.

namespace keldo::test {
using QtTestMain = int (*)(int argc, char** argv);
int RegisterQtTest(const char* sourceFile, QtTestMain run);
} // namespace keldo::test

// `int main(int argc, char** argv) {...}` reads as a declaration that is never
// used, the registration, and then `static int keldo_qtest_run(...) {...}`.
#define main                                                                                 \
    keldo_qtest_unused_main();                                                               \
    static int keldo_qtest_run(int, char**);                                                 \
    [[maybe_unused]] static const int keldo_qtest_registered =                              \
        keldo::test::RegisterQtTest(__FILE__, keldo_qtest_run);                              \
    static int keldo_qtest_run
