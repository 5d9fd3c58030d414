// A reduction that runs out of memory fails cleanly: ReduceColors and
// ReduceByMedianCut report false and the caller's 32-bit pixels are untouched.
//
// This binary's global operator new is replaced by one with an optional budget;
// outside a ScopedAllocationBudget it behaves as the library's own. It is built
// apart from the other unit tests, whose new/delete pairs the sanitizer checks.
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

TEST(ReductionMemory, OutOfMemoryIsReportedAndTheImageKept) {
    // The reducers are made before the budget starts: only the reduction runs short.
    OctreeReducer starvedOctree(false, 0, 255, 8), octree(false, 0, 255, 8),
        chunkOctree(false, 0, 255, 8);
    // One chunk of the octree's node pool (65536 nodes).
    const long long chunk = sizeof(OctreeNode) << 16;
    WebSafeReducer webSafe(false, 0);
    const struct {
        const char* what;
        ColorReducer* reducer;  // null: median cut
        long long budget;
        bool reduced;
    } cases[] = {
        {"octree, far less than the tree needs", &starvedOctree, 64 * 1024, false},
        {"octree with enough memory", &octree, 64 * 1024 * 1024, true},
        {"octree: a new pool chunk, then no room to list it", &chunkOctree, chunk, false},
        {"median cut without room for its 512 KB histogram", nullptr, 256 * 1024, false},
        {"the palette cache cannot grow", &webSafe, 4 * 1024, false},
    };
    for (const auto& c : cases) {
        TestImage image = RandomImage(300, 200, 21);
        const std::vector<Argb> before = image.pixels;
        TestIndices out(300, 200);
        PaletteBlock block = BlackBlock();
        bool reduced = !c.reduced;
        {
            ScopedAllocationBudget budget(c.budget);
            reduced =
                c.reducer != nullptr
                    ? ReduceColors(*c.reducer, image.View(), out.View(), block)
                    : ReduceByMedianCut(image.View(), 0x00FF00FFu, true, true, out.View(), block);
        }
        EXPECT_EQ(reduced, c.reduced) << c.what;
        EXPECT_EQ(image.pixels, before) << c.what;
    }
}
