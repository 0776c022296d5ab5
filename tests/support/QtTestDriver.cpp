// The main of a program that holds several Qt tests:
//   PROGRAM TEST [Qt Test options]
// runs the test whose source file is TEST.cpp with the program's name and the
// options after TEST, as the test's own program did; each CTest test is one
// such call.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "QtTestRegistration.h"
#undef main

namespace {

struct RegisteredTest {
    std::string name;
    keldo::test::QtTestMain run;
};

std::vector<RegisteredTest>& Registry()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

// "/src/tests/input/DlgInputQTest.cpp" -> "DlgInputQTest"
std::string TestName(const char* sourceFile)
{
    std::string name = sourceFile;
    name.erase(0, name.find_last_of('/') + 1);
    return name.substr(0, name.find('.'));
}

} // namespace

int keldo::test::RegisterQtTest(const char* sourceFile, QtTestMain run)
{
    Registry().push_back({TestName(sourceFile), run});
    return static_cast<int>(Registry().size());
}

int main(int argc, char** argv)
{
    if (argc >= 2) {
        for (const RegisteredTest& test : Registry()) {
            if (test.name == argv[1]) {
                argv[1] = argv[0];
                return test.run(argc - 1, argv + 1);
            }
        }
    }
    std::fprintf(stderr, "usage: %s TEST [Qt Test options]\nTEST is one of:\n", argv[0]);
    for (const RegisteredTest& test : Registry())
        std::fprintf(stderr, "  %s\n", test.name.c_str());
    return 2;
}
