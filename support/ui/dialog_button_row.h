#pragma once
// The row that ends each of the program's dialogs: its buttons on the right, in the same order on
// every desktop (a platform's own button box would reorder them), the accepting one the default.

class QDialog;
class QHBoxLayout;
class QPushButton;

#include <QList>

namespace mindrova {

// Lays out `others` (any further buttons, left of the pair), then accept and cancel, after a
// stretch; makes accept the default and lets it accept the dialog and cancel reject it. The caller
// adds the row to its layout and sets the tab order of the whole dialog.
QHBoxLayout* AcceptCancelRow(QDialog& dialog, QPushButton* accept, QPushButton* cancel,
                             const QList<QPushButton*>& others = {});

}  // namespace mindrova
