// Counts heap allocations made inside timer events once a run is going.
#include "table_fixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

class AllocationTest : public TableTest {};

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}   // namespace

void* operator new(std::size_t n)
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n)
{
    return operator new(n);
}
// the nothrow forms too, so every allocation is paired with the free above
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(n ? n : 1);
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept
{
    return operator new(n, t);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

TEST_F(AllocationTest, TimerEventsAllocateNothingOnceARunHasStarted)
{
    c().cbfreq->setCurrentIndex(0);
    c().Centerofmass1->trigger();
    runTicks(3);   // warm-up: the first dots and marks are stamped
    allocations = 0;
    counting = true;
    for (int i = 0; i < 5 * 200; ++i)
        window->runControl().timerEvent();
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
    EXPECT_EQ(s().tick, 204);
}

TEST_F(AllocationTest, CountingAllocatorSeesAllocations)
{
    // the counter itself works, so a zero above means something
    allocations = 0;
    counting = true;
    auto* v = new std::vector<int>(100);
    counting = false;
    delete v;
    EXPECT_GE(allocations.load(), 2);
}

TEST_F(AllocationTest, NoAllocationInTheSpringElectrostaticAndCircleModes)
{
    auto measure = [this](const char* mode) {
        c().cbfreq->setCurrentIndex(0);
        runTicks(3);
        allocations = 0;
        counting = true;
        for (int i = 0; i < 5 * 200; ++i)
            window->runControl().timerEvent();
        counting = false;
        EXPECT_EQ(allocations.load(), 0) << mode;
        c().Resetbt->click();
    };
    eachNewMode(measure);
}
