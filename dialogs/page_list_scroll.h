// The settings dialog's page list shows five of its items at a time, through
// a window that clips it; the list scrolls by whole items when the selection
// reaches an edge of the visible part or an arrow is clicked, and each arrow
// is shown only when it can move the list. This is the bookkeeping of that
// scrolling; moving the list-view window is the dialog's.
//
// State: top, the index of the item shown at the top of the visible part.
// Each operation returns the step the list-view must move by: +1 one item up
// (the list scrolls towards its end), -1 one item down, 0 not at all.
#pragma once

namespace page_list {

constexpr int kVisibleItems = 5;

// The top item when the dialog opens at startIndex: the start item is the
// last visible one when it lies beyond the first five.
int InitialTop(int startIndex);

// The list-view reported a change of item's state. Keeps one more item
// visible beyond the selection: an item reaching the last visible place
// scrolls the list on (unless it is the last item), one reaching the top
// place scrolls it back (unless it is the first).
int OnItemChanged(int& top, int item, int count);

// A click on the down arrow (towards the list's end) or the up arrow; a
// click on an arrow that is not shown moves nothing.
int OnDownArrow(int& top, int count);
int OnUpArrow(int& top);

bool UpArrowShown(int top);
bool DownArrowShown(int top, int count);

}  // namespace page_list
