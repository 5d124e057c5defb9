// Global operator new and delete of the unit tests, counting allocations so
// that a test can show an operation allocates nothing, and noting the last
// block freed so that a test can show an object was freed.

#include "tests/support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<int64_t> Allocations{0};
std::atomic<void*> LastFreed{nullptr};

void* Allocate(std::size_t size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

void Free(void* block)
{
    if (block != nullptr)
        LastFreed.store(block, std::memory_order_relaxed);
    std::free(block);
}

}  // namespace

void* LastFreedBlock()
{
    return LastFreed.load(std::memory_order_relaxed);
}

int64_t AllocationCount()
{
    return Allocations.load(std::memory_order_relaxed);
}

void* operator new(std::size_t size)
{
    if (void* block = Allocate(size))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    if (void* block = Allocate(size))
        return block;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}

void operator delete(void* block) noexcept
{
    Free(block);
}

void operator delete[](void* block) noexcept
{
    Free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    Free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    Free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    Free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    Free(block);
}
