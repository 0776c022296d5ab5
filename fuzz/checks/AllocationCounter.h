#pragma once
#include <cstddef>

// Counts what the program asks of operator new on this thread while a scope
// is open, so that a check can hold a reader to a budget proportional to its
// input: a reader that trusts a count from the file ("reserve(count)") asks
// for gigabytes from a few bytes and fails the budget long before it could
// exhaust the memory. Linking this file replaces the global operator new and
// delete (they forward to malloc and free, which the sanitizers still watch).
namespace keldo::fuzz {

class AllocationScope {
public:
    AllocationScope();
    ~AllocationScope();
    AllocationScope(const AllocationScope&) = delete;
    AllocationScope& operator=(const AllocationScope&) = delete;

    // Bytes asked for since the scope opened, summed over every request
    // (memory given back is not subtracted: growth by doubling counts fully).
    size_t TotalBytes() const;
    // The largest single request since the scope opened.
    size_t LargestRequest() const;
    size_t Requests() const;

private:
    size_t m_outerTotal;
    size_t m_outerLargest;
    size_t m_outerRequests;
    bool m_outerActive;
};

} // namespace keldo::fuzz
