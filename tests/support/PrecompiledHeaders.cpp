// The one source of the targets that make the tests' precompiled headers
// (keldo_test_pch() in tests/CMakeLists.txt); the headers are all they hold.
