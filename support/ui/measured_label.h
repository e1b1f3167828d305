#pragma once
// A word-wrapped label that remembers how high its text runs at the last widths it was asked
// about. Laying out a long text is the dearest thing a layout pass does, and the session window
// asks again at the same width as it places the text and then its scroll area; the answer is
// measured again as soon as anything it depends on (text, font, wrapping, margins, the screen's
// DPI) changes. It stays a QLabel to everything else: its class name, its accessibility and its
// painting.

#include <QLabel>
#include <QMargins>
#include <QString>
#include <array>

namespace mindrova {

class MeasuredLabel : public QLabel {
public:
    using QLabel::QLabel;
    int heightForWidth(int width) const override;

private:
    struct Measured {
        int width = -1;
        int height = 0;
    };
    // What the heights below were measured with.
    struct Basis {
        QString text;
        QString fontKey;
        bool wordWrap = false;
        Qt::TextFormat format = Qt::AutoText;
        int margin = 0;
        int indent = 0;
        QMargins contents;
        int dpi = 0;
        bool operator==(const Basis&) const = default;
    };
    Basis CurrentBasis() const;

    mutable Basis mBasis;
    mutable std::array<Measured, 2> mMeasured{};
    mutable std::size_t mNext = 0;
};

}  // namespace mindrova
