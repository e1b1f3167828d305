#pragma once
// An option button that takes a click anywhere on its row, not only on its dot and caption:
// the issue list is easier to use that way.

#include <QRadioButton>

namespace mindrova {

class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace mindrova
