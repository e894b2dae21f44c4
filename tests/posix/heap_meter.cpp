#include "tests/posix/heap_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> count{0};

void* take(std::size_t size, std::size_t alignment = 0) noexcept
{
    if (size == 0)
        size = 1;
    void* block = nullptr;
    if (alignment > alignof(std::max_align_t)) {
        if (::posix_memalign(&block, alignment, size) != 0)
            block = nullptr;
    } else {
        block = std::malloc(size);
    }
    if (block == nullptr)
        return nullptr;
    const std::size_t now = held.fetch_add(::malloc_usable_size(block)) + ::malloc_usable_size(block);
    std::size_t high = peak.load();
    while (now > high && !peak.compare_exchange_weak(high, now)) {
    }
    count.fetch_add(1);
    return block;
}

void give(void* block) noexcept
{
    if (block == nullptr)
        return;
    held.fetch_sub(::malloc_usable_size(block));
    std::free(block);
}

void* takeOrThrow(std::size_t size, std::size_t alignment = 0)
{
    if (void* block = take(size, alignment))
        return block;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) { return takeOrThrow(size); }
void* operator new[](std::size_t size) { return takeOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void* operator new(std::size_t size, std::align_val_t a) { return takeOrThrow(size, static_cast<std::size_t>(a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return takeOrThrow(size, static_cast<std::size_t>(a)); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return take(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return take(size, static_cast<std::size_t>(a));
}
void operator delete(void* block) noexcept { give(block); }
void operator delete[](void* block) noexcept { give(block); }
void operator delete(void* block, std::size_t) noexcept { give(block); }
void operator delete[](void* block, std::size_t) noexcept { give(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { give(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { give(block); }
void operator delete(void* block, std::align_val_t) noexcept { give(block); }
void operator delete[](void* block, std::align_val_t) noexcept { give(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { give(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { give(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { give(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { give(block); }

namespace quenby::test {

HeapMeter::HeapMeter() : startBytes_(held.load()), startCount_(count.load())
{
    peak.store(startBytes_);
}

std::size_t HeapMeter::peakAbove() const
{
    const std::size_t high = peak.load();
    return high > startBytes_ ? high - startBytes_ : 0;
}

std::size_t HeapMeter::allocations() const
{
    return count.load() - startCount_;
}

} // namespace quenby::test
