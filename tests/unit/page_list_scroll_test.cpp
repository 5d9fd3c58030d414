#include "dialogs/page_list_scroll.h"

#include <gtest/gtest.h>

#include <tuple>

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
    // The top item, the item that became current, the step and the top after it.
    const std::tuple<int, int, int, int> cases[] = {
        {0, 4, 1, 1},   // the fifth visible item brings the next one into view
        {6, 10, 0, 6},  // the last item has nothing beyond it
        {2, 2, -1, 1},  // the top visible item brings the one before into view
        {0, 0, 0, 0},   // except the first
        {1, 4, 0, 1},   // items inside the visible part move nothing
        {0, -1, 0, 0},  // "all items" (the list's -1) moves nothing
        {3, 12, 0, 3},  // nor does an item the list does not have
    };
    for (const auto& [from, item, step, topAfter] : cases) {
        int top = from;
        EXPECT_EQ(page_list::OnItemChanged(top, item, kPages), step) << from << " " << item;
        EXPECT_EQ(top, topAfter) << from << " " << item;
    }
}

TEST(PageListScroll, ArrowsShowWhereTheyCanMoveAndMoveOnlyThere) {
    // The top item, and whether the up and the down arrow show.
    const std::tuple<int, bool, bool> cases[] = {
        {0, false, true}, {1, true, true}, {5, true, true}, {6, true, false}};
    for (const auto& [from, up, down] : cases) {
        EXPECT_EQ(page_list::UpArrowShown(from), up) << from;
        EXPECT_EQ(page_list::DownArrowShown(from, kPages), down) << from;
        int top = from;
        EXPECT_EQ(page_list::OnUpArrow(top), up ? -1 : 0) << from;
        EXPECT_EQ(top, from - (up ? 1 : 0));
        top = from;
        EXPECT_EQ(page_list::OnDownArrow(top, kPages), down ? 1 : 0) << from;
        EXPECT_EQ(top, from + (down ? 1 : 0));
    }
}
