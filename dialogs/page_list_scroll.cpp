#include "dialogs/page_list_scroll.h"

namespace page_list {

namespace {

// The place of the last visible item, counted from the top one.
constexpr int kLastVisiblePlace = kVisibleItems - 1;

}  // namespace

int InitialTop(int startIndex) {
    return startIndex >= kLastVisiblePlace ? startIndex - kLastVisiblePlace : 0;
}

int OnItemChanged(int& top, int item, int count) {
    if (item < count - 1 && top + kLastVisiblePlace == item) {
        ++top;
        return 1;
    }
    if (item > 0 && top == item) {
        --top;
        return -1;
    }
    return 0;
}

int OnDownArrow(int& top, int count) {
    if (!DownArrowShown(top, count)) {
        return 0;
    }
    ++top;
    return 1;
}

int OnUpArrow(int& top) {
    if (!UpArrowShown(top)) {
        return 0;
    }
    --top;
    return -1;
}

bool UpArrowShown(int top) {
    return top > 0;
}

bool DownArrowShown(int top, int count) {
    return top + kVisibleItems < count;
}

}  // namespace page_list
