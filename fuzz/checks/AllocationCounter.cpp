#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {

// Plain thread-local integers: no dynamic initialisation, so operator new
// can touch them at any time, even before main.
thread_local bool t_active = false;
thread_local size_t t_total = 0;
thread_local size_t t_largest = 0;
thread_local size_t t_requests = 0;

void Count(size_t size)
{
    if (!t_active)
        return;
    t_total += size;
    if (size > t_largest)
        t_largest = size;
    ++t_requests;
}

void* Allocate(size_t size)
{
    Count(size);
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void* AllocateAligned(size_t size, std::align_val_t align)
{
    Count(size);
    const auto alignment = static_cast<size_t>(align);
    const size_t rounded = ((size == 0 ? 1 : size) + alignment - 1) / alignment * alignment;
    void* p = std::aligned_alloc(alignment, rounded);
    if (!p)
        throw std::bad_alloc();
    return p;
}

} // namespace

namespace keldo::fuzz {

AllocationScope::AllocationScope()
    : m_outerTotal(t_total), m_outerLargest(t_largest), m_outerRequests(t_requests), m_outerActive(t_active)
{
    t_total = 0;
    t_largest = 0;
    t_requests = 0;
    t_active = true;
}

AllocationScope::~AllocationScope()
{
    // An enclosing scope sees everything asked for inside this one too.
    t_total += m_outerTotal;
    if (m_outerLargest > t_largest)
        t_largest = m_outerLargest;
    t_requests += m_outerRequests;
    t_active = m_outerActive;
}

size_t AllocationScope::TotalBytes() const { return t_total; }
size_t AllocationScope::LargestRequest() const { return t_largest; }
size_t AllocationScope::Requests() const { return t_requests; }

} // namespace keldo::fuzz

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, std::align_val_t align) { return AllocateAligned(size, align); }
void* operator new[](size_t size, std::align_val_t align) { return AllocateAligned(size, align); }

void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(size_t size, std::align_val_t align, const std::nothrow_t&) noexcept
{
    try {
        return AllocateAligned(size, align);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, std::align_val_t align, const std::nothrow_t&) noexcept
{
    try {
        return AllocateAligned(size, align);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
