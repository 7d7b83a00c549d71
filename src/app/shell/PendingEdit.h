#pragma once

class QLineEdit;

namespace rw {

// A box whose text reaches the project only when it is left (the focus
// moves on, or Enter): until then the text is the user's own, and may be
// empty or half typed. A command that starts while such a box still holds
// unsettled text (a toolbar button or a shortcut takes no focus, a tab bar
// hides the box) settles it first, so that nothing typed is lost or lands
// in the wrong rule.
void MarkSettledOnLeave(QLineEdit* box);
// Settles the box that has the focus, if it is such a box and was edited.
void SettlePendingEdit();

} // namespace rw
