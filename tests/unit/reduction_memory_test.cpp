// A reduction that runs out of memory fails cleanly: ReduceColors and
// ReduceByMedianCut report false and the caller's 32-bit pixels are untouched.
//
// The test binary's global operator new is replaced by one with an optional
// budget; outside a ScopedAllocationBudget it behaves as the library's own.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "imaging/fixed_palettes.h"
#include "imaging/median_cut.h"
#include "imaging/octree.h"
#include "tests/unit/imaging_test_support.h"

namespace {

// Bytes that operator new may still hand out; negative means no limit.
std::atomic<long long> g_allocationBudget{-1};

class ScopedAllocationBudget {
public:
    explicit ScopedAllocationBudget(long long bytes) { g_allocationBudget = bytes; }
    ~ScopedAllocationBudget() { g_allocationBudget = -1; }
};

}  // namespace

void* operator new(size_t size) {
    long long budget = g_allocationBudget.load();
    if (budget >= 0) {
        if (static_cast<long long>(size) > budget) {
            throw std::bad_alloc();
        }
        g_allocationBudget -= static_cast<long long>(size);
    }
    void* p = std::malloc(size != 0 ? size : 1);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

// The array forms too: a sanitizer runtime supplies its own, which would not
// pass through the budget.
void* operator new[](size_t size) {
    return operator new(size);
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}

TEST(ReductionMemory, OctreeOutOfMemoryLeavesTheImage) {
    TestImage image = RandomImage(300, 200, 21);
    const std::vector<Argb> before = image.pixels;
    TestIndices out(300, 200);
    PaletteBlock block = BlackBlock();
    OctreeReducer reducer(false, 0, 255, 8);
    bool reduced = true;
    {
        ScopedAllocationBudget budget(64 * 1024);  // far less than the tree needs
        reduced = ReduceColors(reducer, image.View(), out.View(), block);
    }
    EXPECT_FALSE(reduced);
    EXPECT_EQ(image.pixels, before);
}

TEST(ReductionMemory, OctreeWithEnoughMemorySucceeds) {
    TestImage image = RandomImage(300, 200, 21);
    TestIndices out(300, 200);
    PaletteBlock block = BlackBlock();
    OctreeReducer reducer(false, 0, 255, 8);
    bool reduced = false;
    {
        ScopedAllocationBudget budget(64 * 1024 * 1024);
        reduced = ReduceColors(reducer, image.View(), out.View(), block);
    }
    EXPECT_TRUE(reduced);
}

TEST(ReductionMemory, MedianCutWithoutRoomForItsHistogram) {
    TestImage image = RandomImage(64, 64, 4);
    const std::vector<Argb> before = image.pixels;
    TestIndices out(64, 64);
    PaletteBlock block = BlackBlock();
    bool reduced = true;
    {
        // Room for small working buffers but not for the 512 KB histogram.
        ScopedAllocationBudget budget(256 * 1024);
        reduced = ReduceByMedianCut(image.View(), 0x00FF00FFu, true, true, out.View(), block);
    }
    EXPECT_FALSE(reduced);
    EXPECT_EQ(image.pixels, before);
    EXPECT_EQ(block.count, 256u);  // the palette was not touched yet
}

TEST(ReductionMemory, PaletteCacheGrowthFailsCleanly) {
    TestImage image = RandomImage(128, 128, 8);
    TestIndices out(128, 128);
    PaletteBlock block = BlackBlock();
    WebSafeReducer reducer(false, 0);
    bool reduced = true;
    {
        ScopedAllocationBudget budget(4 * 1024);
        reduced = ReduceColors(reducer, image.View(), out.View(), block);
    }
    EXPECT_FALSE(reduced);
}
