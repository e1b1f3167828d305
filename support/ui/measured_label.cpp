#include "support/ui/measured_label.h"

#include <QFont>
#include <utility>

namespace mindrova {

MeasuredLabel::Basis MeasuredLabel::CurrentBasis() const {
    return {text(),   font().key(), wordWrap(),        textFormat(),
            margin(), indent(),     contentsMargins(), logicalDpiY()};
}

int MeasuredLabel::heightForWidth(int width) const {
    Basis basis = CurrentBasis();
    if (!(basis == mBasis)) {
        mBasis = std::move(basis);
        mMeasured = {};
    }
    for (const Measured& measured : mMeasured) {
        if (measured.width == width) return measured.height;
    }
    const int height = QLabel::heightForWidth(width);
    mMeasured[mNext] = {width, height};
    mNext = (mNext + 1) % mMeasured.size();
    return height;
}

}  // namespace mindrova
