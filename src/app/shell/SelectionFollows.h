#pragma once

class QAbstractItemView;

namespace rw {

// In a view of single choices the row shown chosen and the row the program
// acts on are one. Qt lets them part in two ways: Ctrl+click on the chosen
// row clears its highlight, and assistive technology (a screen reader's
// "select") highlights a row without making it current. Here the current row
// follows the highlight, and the highlight stays while a row is current.
void KeepCurrentWithSelection(QAbstractItemView* view);

} // namespace rw
