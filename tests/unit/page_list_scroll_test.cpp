#include "dialogs/page_list_scroll.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPages = 11;

}  // namespace

TEST(PageListScroll, InitialTopShowsTheStartItem) {
    const int expected[kPages] = {0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6};
    for (int start = 0; start < kPages; ++start) {
        EXPECT_EQ(page_list::InitialTop(start), expected[start]) << start;
    }
}

TEST(PageListScroll, ItemChanges) {
    const struct {
        int top, item, step, topAfter;
    } cases[] = {
        {0, 4, 1, 1},   // the fifth visible item brings the next one into view
        {6, 10, 0, 6},  // the last item has nothing beyond it
        {2, 2, -1, 1},  // the top visible item brings the one before into view
        {0, 0, 0, 0},   // except the first
        {1, 4, 0, 1},   // items inside the visible part move nothing
        {0, -1, 0, 0},  // "all items" (the list's -1) moves nothing
        {3, 12, 0, 3},  // nor does an item the list does not have
    };
    for (const auto& c : cases) {
        int top = c.top;
        EXPECT_EQ(page_list::OnItemChanged(top, c.item, kPages), c.step) << c.top << " " << c.item;
        EXPECT_EQ(top, c.topAfter) << c.top << " " << c.item;
    }
}

TEST(PageListScroll, ArrowsShowWhereTheyCanMoveAndMoveOnlyThere) {
    const struct {
        int top;
        bool up, down;
    } cases[] = {{0, false, true}, {1, true, true}, {5, true, true}, {6, true, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(page_list::UpArrowShown(c.top), c.up) << c.top;
        EXPECT_EQ(page_list::DownArrowShown(c.top, kPages), c.down) << c.top;
        int top = c.top;
        EXPECT_EQ(page_list::OnUpArrow(top), c.up ? -1 : 0) << c.top;
        EXPECT_EQ(top, c.top - (c.up ? 1 : 0));
        top = c.top;
        EXPECT_EQ(page_list::OnDownArrow(top, kPages), c.down ? 1 : 0) << c.top;
        EXPECT_EQ(top, c.top + (c.down ? 1 : 0));
    }
}
