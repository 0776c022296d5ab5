#pragma once
#include <gtest/gtest.h>
#include <string>

#include "FileResult.h"

// A file operation's success as a test condition; a failure shows its message.
inline ::testing::AssertionResult Succeeded(const keldo::FileResult& result)
{
    if (result)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << result.Message();
}

// The message of a failed file operation, or a text no expected message
// matches when it succeeded.
inline std::string FailureMessage(const keldo::FileResult& result)
{
    return result ? std::string("(succeeded)") : result.Message();
}
